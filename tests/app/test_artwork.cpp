// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The compiled-in pictures: every one the program loads by name exists and
// decodes at the size its window lays out, and the glyphs and the font are usable.
#include <gtest/gtest.h>

#include <QFile>
#include <QRawFont>

#include "data/ImageCodecs.h"
#include "data/ResourceImages.h"

namespace {
struct Picture {
    const char* name;
    int width, height;
};

const Picture Pictures[] = {
    {"TloGlowne", 800, 580},     {"PodOkrogle", 167, 529},  {"Strzalka", 106, 53},
    {"SprawdzNagl", 300, 32},    {"StoliceNagl", 300, 32},  {"PuzzleNagl", 300, 32},
    {"CoToNagl", 300, 32},       {"WspNagl", 300, 32},      {"WielcyNagl", 300, 32},
    {"PanstwaNaMapie", 300, 32}, {"OProgramie", 300, 32},   {"TloQuiz", 404, 308},
    {"TloMapy", 513, 417},       {"TloPuzzle", 515, 407},   {"TloGdzie", 411, 329},
    {"TloUklad", 386, 261},      {"TloOdkrywcy", 489, 366}, {"TloAutor", 316, 290},
};

QByteArray ReadResource(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(Artwork, EveryPictureDecodesAtItsLayoutSize) {
    for (const Picture& pic : Pictures) {
        SCOPED_TRACE(pic.name);
        const QImage img = LoadJpegResource(pic.name);
        EXPECT_EQ(img.size(), QSize(pic.width, pic.height));
    }
}

TEST(Artwork, ClockGlyphsAreSixteenColourBitmapsOnTheButtonFace) {
    for (const char* name : {"Z1", "Z2", "Z3"}) {
        SCOPED_TRACE(name);
        const QByteArray bmp = ReadResource(FindResource("glyphs", name));
        ASSERT_GE(bmp.size(), 54);
        EXPECT_EQ(bmp[28], 4);  // bits per pixel
        EXPECT_EQ(bmp[30], 0);  // uncompressed
        const QImage img = DecodeBmp(bmp);
        ASSERT_EQ(img.size(), QSize(16, 16));
        // Drawn without transparency, so the corners must match the button face.
        for (QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
            EXPECT_EQ(img.pixelColor(corner), QColor(0x00, 0x00, 0x4A));
    }
    EXPECT_NE(ReadResource(":/glyphs/Z1.bmp"), ReadResource(":/glyphs/Z2.bmp"));
    EXPECT_NE(ReadResource(":/glyphs/Z1.bmp"), ReadResource(":/glyphs/Z3.bmp"));
}

TEST(Artwork, BundledFontHasPolishLetters) {
    for (const char* file :
         {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
        SCOPED_TRACE(file);
        const QRawFont font(ReadResource(file), 11);
        ASSERT_TRUE(font.isValid());
        for (QChar c : QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ°"))
            EXPECT_TRUE(font.supportsCharacter(c)) << int(c.unicode());
    }
}

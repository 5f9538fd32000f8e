// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// terravika-artgen REPO_ROOT
// Draws every compiled-in picture into REPO_ROOT/resources (images as JPEG,
// glyphs as 16-colour BMP) and the application icons into
// REPO_ROOT/content/icons. The output is the same byte for byte on every run.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "Glyphs.h"
#include "Kit.h"
#include "MainArt.h"
#include "ModuleArt.h"

using namespace art;

namespace {
struct HeaderSpec {
    const char* name;
    Emblem emblem;
    const char* caption;
};

const HeaderSpec Headers[] = {
    {"SprawdzNagl", Emblem::GlobeQuestion, "Sprawdź, ile wiesz"},
    {"StoliceNagl", Emblem::CapitalStar, "Stolice świata"},
    {"PuzzleNagl", Emblem::Puzzle, "Puzzle"},
    {"CoToNagl", Emblem::FlagMagnifier, "Co to za państwo"},
    {"WspNagl", Emblem::Compass, "Współrzędne na mapie"},
    {"WielcyNagl", Emblem::Ship, "Wielcy odkrywcy"},
    {"PanstwaNaMapie", Emblem::Map, "Państwa świata na mapie"},
    {"OProgramie", Emblem::Hand, "O programie"},
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + path).toStdString());
}

void WriteImages(const QString& dir) {
    const QImage main = MainBackground();
    SaveJpeg(main, dir + "/TloGlowne.jpg");
    SaveJpeg(ButtonColumn(main), dir + "/PodOkrogle.jpg");
    SaveJpeg(NextArrow(main), dir + "/Strzalka.jpg");
    for (const HeaderSpec& h : Headers)
        SaveJpeg(Header(main, h.emblem, QString::fromUtf8(h.caption)), dir + "/" + h.name + ".jpg");
    SaveJpeg(QuizBackground(), dir + "/TloQuiz.jpg");
    SaveJpeg(MapsBackground(), dir + "/TloMapy.jpg");
    SaveJpeg(PuzzleBackground(), dir + "/TloPuzzle.jpg");
    SaveJpeg(CountryBackground(), dir + "/TloGdzie.jpg");
    SaveJpeg(CoordsBackground(), dir + "/TloUklad.jpg");
    SaveJpeg(ExplorersBackground(), dir + "/TloOdkrywcy.jpg");
    SaveJpeg(AboutBackground(main), dir + "/TloAutor.jpg");
}

void WriteGlyphs(const QString& dir) {
    WriteFile(dir + "/Z1.bmp", EncodeBmp4(DrawClockGlyph(ClockGlyph::On)));
    WriteFile(dir + "/Z2.bmp", EncodeBmp4(DrawClockGlyph(ClockGlyph::Off)));
    WriteFile(dir + "/Z3.bmp", EncodeBmp4(DrawClockGlyph(ClockGlyph::Disabled)));
}

void WriteIcons(const QString& dir) {
    for (int size : {16, 32, 48, 64, 128, 256})
        SavePng(AppIcon(size), dir + QString("/terravika-%1.png").arg(size));
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: terravika-artgen REPO_ROOT\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    try {
        if (!LoadFonts(root + "/resources/fonts"))
            throw std::runtime_error("no fonts in resources/fonts");
        for (const char* sub : {"resources/images", "resources/glyphs", "content/icons"})
            QDir(root).mkpath(sub);
        WriteImages(root + "/resources/images");
        WriteGlyphs(root + "/resources/glyphs");
        WriteIcons(root + "/content/icons");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "terravika-artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}

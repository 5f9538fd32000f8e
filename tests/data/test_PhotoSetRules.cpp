// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The photo-set rules: names stored in capitals, descriptions measured in
// the puzzle's font against its label, pictures cut to the board's size.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "data/PhotoSetRules.h"

using namespace PhotoSetRules;

namespace {

QImage Board(QColor colour = Qt::darkGreen) {
    QImage image(kPictureSize, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

Entry Good(const QString& name) {
    return {name, QStringLiteral("Opis"), Board(), {}};
}

QStringList Texts(const QList<Entry>& entries) {
    QStringList texts;
    for (const Problem& problem : Check(entries, PhotoSetRules::PuzzleLabelMetrics()))
        texts << QStringLiteral("%1: %2").arg(problem.picture).arg(problem.text);
    return texts;
}

}  // namespace

TEST(PhotoSetRules, NamesAreStoredInCapitalsWithPolishLetters) {
    EXPECT_EQ(StoredName("francja"), "FRANCJA");
    EXPECT_EQ(StoredName("  łotwa "), "ŁOTWA");
    EXPECT_EQ(StoredName("Wyspy Świętego Tomasza i Książęca"), "WYSPY ŚWIĘTEGO TOMASZA I KSIĄŻĘCA");
}

TEST(PhotoSetRules, PicturesOfAnySizeAreScaledToCoverAndCutWhereAsked) {
    // Left half red, right half blue, twice the board's width: the cut
    // chooses the half, and a cut beyond the edge stays inside.
    QImage wide(1536, 512, QImage::Format_RGB32);
    wide.fill(Qt::red);
    for (int y = 0; y < 512; ++y)
        for (int x = 768; x < 1536; ++x) wide.setPixelColor(x, y, Qt::blue);
    EXPECT_EQ(CoverSize(wide.size()), QSize(768, 256));
    EXPECT_EQ(CentredCrop(wide.size()), QPoint(192, 0));
    EXPECT_EQ(FitPicture(wide, {0, 0}).pixelColor(200, 100), QColor(Qt::red));
    EXPECT_EQ(FitPicture(wide, {9999, -50}).pixelColor(10, 100), QColor(Qt::blue));
    EXPECT_EQ(ClampCrop(wide.size(), {9999, -50}), QPoint(384, 0));
    for (const QSize size : {QSize(300, 500), QSize(385, 257), QSize(4000, 3000), QSize(7, 3)}) {
        SCOPED_TRACE(size.width());
        QImage source(size, QImage::Format_RGB32);
        source.fill(Qt::gray);
        EXPECT_EQ(FitPicture(source).size(), kPictureSize);
    }
}

TEST(PhotoSetRules, EveryProblemIsNamedAtItsPicture) {
    const QString fits(60, u'i'), tooWide(40, u'W');  // both under 100 characters
    QList<Entry> entries{Good("FRANCJA"),
                         Good(""),
                         Good("łotwa"),
                         Good("FRANCJA"),
                         {"NIEMCY", fits, Board(), {}},
                         {"POLSKA", tooWide, Board(), {}},
                         {"CZECHY", "Opis", QImage(385, 256, QImage::Format_RGB888), {}},
                         {"SŁOWACJA", "Opis", {}, "Im8.jpg: uszkodzony plik"},
                         {"ROSJA", "Москва", Board(), {}},
                         {"A*B", "Opis", Board(), {}},
                         Good("REPUBLIKA ŚRODKOWOAFRYKAŃSKA I WYSPY ŚWIĘTEGO TOMASZA")};
    const QStringList texts = Texts(entries);
    ASSERT_EQ(texts.size(), 9) << texts.join('\n').toStdString();
    EXPECT_TRUE(texts.contains("2: Brak nazwy"));
    EXPECT_TRUE(
        texts.contains("3: Nazwa ma być zapisana wielkimi literami, bez spacji na końcach"));
    EXPECT_TRUE(texts.contains("4: Ta sama nazwa jest już przy obrazku nr 1"));
    EXPECT_EQ(texts
                  .filter(QRegularExpression("^6: Opis nie mieści się w puzzlach: skróć go o "
                                             "[0-9]+ znak(i|ów)?$"))
                  .size(),
              1);
    EXPECT_TRUE(texts.contains("7: Obrazek ma 385 × 256 pikseli zamiast 384 × 256"));
    EXPECT_TRUE(texts.contains("8: Im8.jpg: uszkodzony plik"));
    EXPECT_TRUE(texts.contains("9: Opis zawiera znak „М”, którego nie da się zapisać"));
    EXPECT_TRUE(texts.contains("10: Nazwa nie może zawierać gwiazdki *"));
    EXPECT_TRUE(texts.contains("11: Nazwa nie mieści się w puzzlach: skróć ją"));

    EXPECT_EQ(Texts({Good("FRANCJA")}),
              QStringList{"0: Zestaw potrzebuje co najmniej dwóch obrazków"});
    EXPECT_TRUE(Texts({Good("FRANCJA"), Good("ŁOTWA")}).isEmpty());
}

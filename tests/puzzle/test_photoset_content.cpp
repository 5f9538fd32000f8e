// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The bundled photo sets in content/Data: every set opens, every list line
// is a name in capitals and a description that fit the labels showing them,
// every picture decodes at the board's size, and no two of its 24 puzzle
// pieces look alike.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSet>
#include <QStringDecoder>

#include "country/CountryWindow.h"
#include "data/DataAccess.h"
#include "data/ImageCodecs.h"
#include "data/PackReader.h"
#include "data/PhotoSetFile.h"
#include "puzzle/PhotoSetFixture.h"
#include "puzzle/PuzzleWindow.h"
#include "support/TextFit.h"

namespace {
constexpr int kPiece = 64, kColumns = 6, kRows = 4;
constexpr double kMinPieceDifference = 12.0;  // mean per channel, out of 255
constexpr int kMaxDescription = 100;
// A regional set holds as many pictures as its region has states: Australia
// and Oceania 14.
constexpr int kMinPictures = 14;

QStringList PhotoSetLines(const QString& file) {
    PackReader pak;
    if (!pak.Open(file)) return {};
    const auto spis = pak.Extract("Spis.txt");
    return spis ? DataAccess::DecodeList(*spis).mid(1) : QStringList();
}

QStringList PhotoSetFiles() {
    const QDir data(TERRAVIKA_SOURCE_DIR "/content/Data");
    QStringList files;
    for (const QString& name : data.entryList({"*.dat"}, QDir::Files, QDir::Name))
        files << data.filePath(name);
    return files;
}

double PieceDifference(const QImage& img, int a, int b) {
    const int ax = (a % kColumns) * kPiece, ay = (a / kColumns) * kPiece;
    const int bx = (b % kColumns) * kPiece, by = (b / kColumns) * kPiece;
    qint64 sum = 0;
    for (int y = 0; y < kPiece; ++y) {
        const uchar* pa = img.constScanLine(ay + y) + ax * 3;
        const uchar* pb = img.constScanLine(by + y) + bx * 3;
        for (int i = 0; i < kPiece * 3; ++i) sum += std::abs(pa[i] - pb[i]);
    }
    return double(sum) / (kPiece * kPiece * 3);
}

// The smallest difference between two pieces, with the pair's numbers (1..24).
std::tuple<double, int, int> ClosestPieces(const QImage& img) {
    std::tuple<double, int, int> best{1e9, 0, 0};
    for (int a = 0; a < kColumns * kRows; ++a)
        for (int b = a + 1; b < kColumns * kRows; ++b) {
            const double d = PieceDifference(img, a, b);
            if (d < std::get<0>(best)) best = {d, a + 1, b + 1};
        }
    return best;
}
}  // namespace

TEST(PhotoSetContent, AtLeastTwoSetsAreBundled) {
    EXPECT_GE(PhotoSetFiles().size(), 2);
}

TEST(PhotoSetContent, EveryLineAndPictureIsFitForBothModules) {
    for (const QString& file : PhotoSetFiles()) {
        SCOPED_TRACE(file.toStdString());
        PackReader pak;
        ASSERT_TRUE(pak.Open(file));
        const auto spis = pak.Extract("Spis.txt");
        ASSERT_TRUE(spis);
        const QStringList lines = DataAccess::DecodeList(*spis);
        // The list is Windows-1250 text with CR LF line ends.
        QStringDecoder ansi("windows-1250");
        EXPECT_EQ(lines.join("\r\n") + "\r\n", QString(ansi.decode(*spis)));
        const int count = int(lines.size()) - 2;
        ASSERT_GE(count, kMinPictures);

        QSet<QString> names;
        for (int n = 0; n <= count; ++n) {
            SCOPED_TRACE(QString("picture %1: %2").arg(n).arg(lines[n + 1]).toStdString());
            const QString& line = lines[n + 1];
            const int star = line.indexOf('*');
            ASSERT_GT(star, 0);
            const QString name = line.left(star), description = line.mid(star + 1);
            // The answer field holds capitals only and is compared exactly.
            EXPECT_EQ(name, name.toUpper());
            EXPECT_EQ(name, name.trimmed());
            EXPECT_FALSE(description.trimmed().isEmpty());
            EXPECT_LE(description.size(), kMaxDescription);
            // Picture 0 repeats picture 1; the others are all different countries.
            if (n > 0) {
                EXPECT_FALSE(names.contains(name)) << "picture repeated";
                names.insert(name);
            }

            const auto jpeg = pak.Extract(QString("Im%1.jpg").arg(n));
            ASSERT_TRUE(jpeg);
            const QImage img = DecodeJpeg(*jpeg).convertToFormat(QImage::Format_RGB888);
            ASSERT_EQ(img.size(), QSize(kColumns * kPiece, kRows * kPiece));
            const auto [difference, a, b] = ClosestPieces(img);
            EXPECT_GE(difference, kMinPieceDifference) << "pieces " << a << " and " << b;
        }
    }
}

TEST(PhotoSetContent, EveryNameAndDescriptionFitsTheLabelsThatShowThem) {
    const BundledFont font;
    PhotoSetFixture fixture(1);
    QWidget parent;
    const PuzzleWindow puzzle(fixture.ctx, &parent);
    CountryWindow country(fixture.ctx, &parent);
    // A lost game shows the answer in the country window's entry field, whose
    // letters narrow for the longest names.
    QLineEdit* answer = country.nameField;
    for (const QString& file : PhotoSetFiles())
        for (const QString& line : PhotoSetLines(file)) {
            SCOPED_TRACE(line.toStdString());
            const int star = line.indexOf('*');
            ASSERT_GT(star, 0);
            EXPECT_LE(Overflow(puzzle.nameLabel, line.left(star)), 0);
            answer->setText(line.left(star));
            EXPECT_LE(Overflow(answer, line.left(star)), 0);
            EXPECT_LE(Overflow(puzzle.descriptionLabel, line.mid(star + 1)), 0);
        }
}

TEST(PhotoSetContent, PieceDifferenceSeesOneLikePair) {
    // A picture of distinct pieces but for one copied piece fails the bound.
    QImage img(kColumns * kPiece, kRows * kPiece, QImage::Format_RGB888);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixelColor(x, y,
                              QColor((x * 7 + y * 3) % 256, (x / kPiece) * 40, (y / kPiece) * 60));
    EXPECT_GE(std::get<0>(ClosestPieces(img)), kMinPieceDifference);

    for (int y = 0; y < kPiece; ++y)
        for (int x = 0; x < kPiece; ++x)
            img.setPixel(x + 5 * kPiece, y + 3 * kPiece, img.pixel(x, y));
    const auto [difference, a, b] = ClosestPieces(img);
    EXPECT_EQ(difference, 0.0);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 24);
}

// The bundled sets pass the same rules as a teacher's set.
TEST(PhotoSetContent, EverySetPassesTheRulesOfTeachersSets) {
    for (const QString& file : PhotoSetFiles()) {
        SCOPED_TRACE(file.toStdString());
        const PhotoSetContent set = ReadPhotoSet(file);
        for (const auto& problem :
             PhotoSetRules::Check(set.entries, PhotoSetRules::PuzzleLabelMetrics()))
            ADD_FAILURE() << problem.picture << ": " << problem.text.toStdString();
    }
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures a teacher may add or open that are not what they seem: each is
// refused with a Polish reason or added with a note beside it, within a
// second of processor time and 256 MiB, in a child process.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QImageWriter>
#include <QLabel>
#include <functional>

#include "data/PackWriter.h"
#include "editor/PhotoSetEditor.h"
#include "support/FakePlatform.h"
#include "support/Limits.h"
#include "support/TestFiles.h"

namespace {

constexpr long long kCeiling = 256LL << 20;

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

QByteArray TransparentPng() {
    QImage image(400, 300, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return Encode(image, "png");
}

struct HostilePicture {
    const char* name;
    std::function<void(const TempWorkDir&)> make;  // writes "picture.jpg" or "set.dat"
    QString expected;  // in the message box, or beside the added picture
};

const HostilePicture kHostile[] = {
    {"Fifo",
     [](const TempWorkDir& dir) {
         mkfifo(QFile::encodeName(dir.file("picture.jpg")).constData(), 0600);
     },
     "to nie jest zwykły plik"},
    {"OnePixelHigh", [](const TempWorkDir& dir) { dir.write("picture.jpg", MakePng(60000, 1)); },
     "Obrazek ma nietypowe proporcje"},
    {"OnePixelWide", [](const TempWorkDir& dir) { dir.write("picture.jpg", MakeJpeg(1, 60000)); },
     "Obrazek ma nietypowe proporcje"},
    {"Truncated",
     [](const TempWorkDir& dir) {
         const QByteArray jpeg = MakeJpeg(800, 600, Qt::red);
         dir.write("picture.jpg", jpeg.left(jpeg.size() * 2 / 3));
     },
     "Obrazek jest niekompletny"},
    {"Small", [](const TempWorkDir& dir) { dir.write("picture.jpg", MakeJpeg(200, 100)); },
     "Obrazek jest mały i będzie nieostry"},
    {"LargePhoto", [](const TempWorkDir& dir) { dir.write("picture.jpg", MakeJpeg(8000, 6000)); },
     ""},
    {"Transparent", [](const TempWorkDir& dir) { dir.write("picture.jpg", TransparentPng()); }, ""},
    {"SetOfLargePictures",
     [](const TempWorkDir& dir) {
         QList<PackMember> members{
             {"Spis.txt", "Zestaw\r\nA*a\r\n" + QByteArray("A*a\r\n").repeated(40)}};
         const QByteArray large = MakeJpeg(4000, 3000);
         for (int n = 1; n <= 40; ++n) members.append({QStringLiteral("Im%1.jpg").arg(n), large});
         dir.write("set.dat", BuildPack(members));
     },
     ""},
};

void PrintTo(const HostilePicture& hostile, std::ostream* out) {
    *out << hostile.name;
}

class HostilePictureFile : public ::testing::TestWithParam<HostilePicture> {};

TEST_P(HostilePictureFile, IsRefusedOrNotedWithinItsMemoryAndTime) {
    TempWorkDir dir;
    GetParam().make(dir);
    const int result = RunInChild(
        [&] {
            FakePlatform fp;
            PhotoSetEditor window(fp.services.messages);
            if (QFile::exists(dir.file("set.dat")))
                window.OpenSet(dir.file("set.dat"));
            else
                window.AddFiles({dir.file("picture.jpg")});
            const QString said = fp.messages.shown.join('\n') + window.problemsLabel->text();
            if (!said.contains(GetParam().expected)) return 1;
            for (const auto& picture : window.draft.pictures)
                if (!picture.cover.isNull() &&
                    picture.cover.width() * picture.cover.height() > 1 << 20)
                    return 2;  // kept larger than its cut needs
            // Transparency is white in the set as in the preview.
            if (!window.draft.pictures.isEmpty() && !window.draft.pictures[0].cover.isNull() &&
                QString(GetParam().name) == "Transparent" &&
                window.draft.Fitted(0).pixelColor(10, 10) != QColor(Qt::white))
                return 3;
            return 0;
        },
        kCeiling, 1000);
    EXPECT_EQ(result, 0) << "1: not said; 2: kept too large; 3: not white; 97: over a second; "
                            "98: over 256 MiB; -1: crashed or hung";
}

INSTANTIATE_TEST_SUITE_P(Crafted, HostilePictureFile, ::testing::ValuesIn(kHostile),
                         [](const auto& info) { return std::string(info.param.name); });

// A list of 100,000 lines opens within a few seconds, and checking the set
// again after a key costs little, however long the list: only the picture
// that changed is checked on its own.
TEST(PhotoSetEditor, LongListOpensAndIsCheckedAgainCheaply) {
    TempWorkDir dir;
    dir.write("set.dat", BuildPack({{"Spis.txt", "Zestaw\r\nA*a\r\n" +
                                                     QByteArray("NAZWA*opis\r\n").repeated(100000)},
                                    {"Im1.jpg", MakeJpeg(384, 256)}}));
    FakePlatform fp;
    PhotoSetEditor window(fp.services.messages);
    EXPECT_EQ(RunInChild([&] { return (window.OpenSet(dir.file("set.dat")), 0); }, kCeiling, 8000),
              0);
    window.OpenSet(dir.file("set.dat"));
    ASSERT_EQ(window.draft.pictures.size(), 100000);
    const int result = RunInChild(
        [&] {
            QString typed;
            QList<PhotoSetRules::Problem> problems;
            for (const QChar c : QStringLiteral("POLSKA")) {
                window.draft.SetName(5, typed += c);
                problems = window.draft.Problems();
            }
            // The renamed picture is no longer one more "NAZWA".
            return PhotoSetRules::ProblemsOf(problems, 6).join(' ').contains("Ta sama nazwa") ? 1
                                                                                              : 0;
        },
        kCeiling, 600);
    EXPECT_EQ(result, 0) << "97: six checks took over 0.6 s of processor time";
}

}  // namespace

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Crafted files of every kind the base folder may hold, each read through the
// program's real loaders in a child process whose address space may grow by
// at most 256 MiB: each must be refused (or shown harmlessly) within a second.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtEndian>
#include <cstring>
#include <functional>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "explorers/ExplorersWindow.h"
#include "explorers/RtfReader.h"
#include "platform/TarvoError.h"
#include "puzzle/PuzzleWindow.h"
#include "support/FakePlatform.h"
#include "support/Limits.h"
#include "support/TestFiles.h"

namespace {

constexpr long long kCeiling = 256LL << 20;

QByteArray Encode(const QImage& image, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// A small progressive JPEG whose frame header declares another size.
QByteArray ProgressiveDeclaring(int width, int height) {
    QImage image(64, 48, QImage::Format_RGB888);
    image.fill(Qt::darkCyan);
    QByteArray jpeg = Encode(image, true);
    for (qsizetype at = 2; at + 9 < jpeg.size();) {
        const uchar marker = uchar(jpeg[at + 1]);
        if (marker == 0xC0 || marker == 0xC2) {
            qToBigEndian<quint16>(quint16(height), jpeg.data() + at + 5);
            qToBigEndian<quint16>(quint16(width), jpeg.data() + at + 7);
            break;
        }
        at += 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
    }
    return jpeg;
}

// An RTF document holding the same JPEG picture ten times.
QByteArray RtfWithTenPictures(const QByteArray& jpeg) {
    QByteArray rtf = "{\\rtf1\\ansi Wstep ";
    for (int i = 0; i < 10; ++i) rtf += "{\\pict\\jpegblip " + jpeg.toHex() + "}\\par ";
    return rtf + "}";
}

// A 1-bit BMP of the given size with all its pixel rows present.
QByteArray MonochromeBmp(int width, int height) {
    const qint64 stride = ((qint64(width) + 31) / 32) * 4;
    QByteArray bmp(62, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<quint32>(62, bmp.data() + 10);
    qToLittleEndian<quint32>(40, bmp.data() + 14);
    qToLittleEndian<qint32>(width, bmp.data() + 18);
    qToLittleEndian<qint32>(height, bmp.data() + 22);
    qToLittleEndian<quint16>(1, bmp.data() + 26);
    qToLittleEndian<quint16>(1, bmp.data() + 28);
    return bmp + QByteArray(stride * height, '\x55');
}

// A sparse archive file of 2 GiB with the given header fields and one record.
void SparseArchive(const QString& path, qint32 dirLength, qint32 memberSize) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray head("PACK", 4);
    head.resize(12 + 128, '\0');
    qToLittleEndian<qint32>(12, head.data() + 4);
    qToLittleEndian<qint32>(dirLength, head.data() + 8);
    std::memcpy(head.data() + 12, "Europa.jpg", 10);
    qToLittleEndian<qint32>(140, head.data() + 12 + 120);
    qToLittleEndian<qint32>(memberSize, head.data() + 12 + 124);
    file.write(head);
    ASSERT_TRUE(file.resize(2LL << 30));
}

struct Hostile {
    const char* name;
    std::function<void(TempWorkDir&)> make;
    // Reads the file as the program does; 0 when it was refused with the
    // program's message or shown harmlessly.
    std::function<int(DataAccess&, FakePlatform&, Config&)> load;
};

int RefusedAs(const std::function<void()>& load, const QString& start) {
    try {
        load();
    } catch (const TarvoError& e) {
        return e.message().startsWith(start) ? 0 : 10;
    }
    return 11;
}

int PhotoRefused(DataAccess& data, FakePlatform&, Config&) {
    data.InitDataAccess();
    return RefusedAs([&] { data.LoadPhotoSetPicture(1); },
                     "Niepoprawny obraz JPEG (obraz jest za duży)");
}

int MapRefused(DataAccess& data, const char* entry, int kind, const QString& start) {
    return RefusedAs([&] { data.LoadMapImage(entry, kind); }, start);
}

// Reads Wstep.rtf as the explorers' window does; 0 when at most `shown`
// pictures made it into the laid-out document.
int ExplorerPicturesAtMost(DataAccess& data, int shown) {
    QTextDocument document;
    ReadRtf(data.LoadExplorerText("Wstep.rtf"), document);
    document.setTextWidth(329);
    (void)document.size();
    int pictures = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            pictures += it.fragment().charFormat().isImageFormat();
    return pictures <= shown && document.toPlainText().startsWith("Wstep") ? 0 : 20 + pictures;
}

// Shows Wstep.rtf in the explorers' window and paints it; 0 when it shows.
int ExplorerWindowShows(DataAccess& data, FakePlatform& fp, Config& config) {
    AppContext ctx{fp.services, config, data};
    QWidget parent;
    ExplorersWindow form(ctx, &parent);
    parent.show();
    form.show();
    form.ShowExplorer(1);
    form.grab();
    return form.textView->toPlainText().startsWith("Wstep") ? 0 : 30;
}

QByteArray RtfParagraphs(const QByteArray& paragraph, int count) {
    return "{\\rtf1\\ansi Wstep\\par " + paragraph.repeated(count) + "}";
}

void WriteSet(TempWorkDir& dir, const QByteArray& list, const QByteArray& picture) {
    dir.write("Data/Zestaw.dat", BuildPack({{"Spis.txt", list}, {"Im1.jpg", picture}}));
}

void WriteExplorerText(TempWorkDir& dir, const QByteArray& rtf) {
    dir.write("Maps/GeoMen.dat", BuildPack({{"Wstep.rtf", rtf}}));
}

const QByteArray kList = "Zestaw\r\nZERO*z\r\nA*a\r\n";

const Hostile kHostile[] = {
    {"ProgressiveJpeg20000",
     [](TempWorkDir& dir) { WriteSet(dir, kList, ProgressiveDeclaring(20000, 20000)); },
     PhotoRefused},
    {"ProgressiveJpeg30000",
     [](TempWorkDir& dir) { WriteSet(dir, kList, ProgressiveDeclaring(30000, 30000)); },
     PhotoRefused},
    {"RtfWithTen8192Pictures",
     [](TempWorkDir& dir) {
         WriteExplorerText(dir, RtfWithTenPictures(ProgressiveDeclaring(8192, 8192)));
     },
     [](DataAccess& data, FakePlatform&, Config&) { return ExplorerPicturesAtMost(data, 0); }},
    {"RtfWithTenRealPicturesOverTheBudget",
     [](TempWorkDir& dir) { WriteExplorerText(dir, RtfWithTenPictures(MakeJpeg(2048, 2048))); },
     [](DataAccess& data, FakePlatform&, Config&) { return ExplorerPicturesAtMost(data, 2); }},
    {"RtfWithMegabytesOfText",
     [](TempWorkDir& dir) {
         QByteArray rtf = "{\\rtf1\\ansi Wstep ";
         const QByteArray line = QByteArray("Tekst ").repeated(12) + "\\par ";
         rtf += line.repeated((8 << 20) / line.size()) + "}";
         WriteExplorerText(dir, rtf);
     },
     [](DataAccess& data, FakePlatform&, Config&) { return ExplorerPicturesAtMost(data, 0); }},
    {"RtfWithHugeLetters",
     [](TempWorkDir& dir) {
         WriteExplorerText(dir, RtfParagraphs("{\\fs600 Wielki tekst akapitu}\\par ", 100));
     },
     ExplorerWindowShows},
    {"RtfWithManyParagraphs",
     [](TempWorkDir& dir) { WriteExplorerText(dir, RtfParagraphs("a\\par ", 200000)); },
     ExplorerWindowShows},
    {"RtfWithALetterFormatPerCharacter",
     [](TempWorkDir& dir) { WriteExplorerText(dir, RtfParagraphs("{\\b a}{\\i b}", 50000)); },
     ExplorerWindowShows},
    {"BmpKeyDeclaringHugeSize",
     [](TempWorkDir& dir) {
         QByteArray bmp = MonochromeBmp(8, 8);
         qToLittleEndian<qint32>(65535, bmp.data() + 18);
         qToLittleEndian<qint32>(-65535, bmp.data() + 22);
         dir.write("Maps/GeoMap.dat", BuildPack({{"Europa.bmp", bmp}}));
     },
     [](DataAccess& data, FakePlatform&, Config&) {
         return MapRefused(data, "Europa.bmp", 0, "Niepoprawny plik BMP: obraz jest za duży");
     }},
    {"BmpKeyWithAllItsPixels",
     [](TempWorkDir& dir) {
         dir.write("Maps/GeoMap.dat", BuildPack({{"Europa.bmp", MonochromeBmp(16384, 4096)}}));
     },
     [](DataAccess& data, FakePlatform&, Config&) {
         return MapRefused(data, "Europa.bmp", 0, "Niepoprawny plik BMP: obraz jest za duży");
     }},
    {"ArchiveWithHugeEntryCount",
     [](TempWorkDir& dir) { SparseArchive(dir.file("Maps/GeoMap.dat"), 0x7FFFFF80, 4); },
     [](DataAccess& data, FakePlatform&, Config&) {
         return MapRefused(data, "Europa.jpg", 1,
                           data.PathUnderBase("Maps/GeoMap.dat") + ": spis zawartości");
     }},
    {"ArchiveWithHugeMember",
     [](TempWorkDir& dir) { SparseArchive(dir.file("Maps/GeoMap.dat"), 128, 0x70000000); },
     [](DataAccess& data, FakePlatform&, Config&) {
         const QString path = data.PathUnderBase("Maps/GeoMap.dat");
         return MapRefused(data, "Europa.jpg", 1, path + ": pozycja Europa.jpg jest za duża");
     }},
    {"HugeList",
     [](TempWorkDir& dir) {
         WriteSet(dir, "Zestaw\r\n" + QByteArray(4 << 20, '\n'), ProgressiveDeclaring(64, 48));
     },
     [](DataAccess& data, FakePlatform& fp, Config&) {
         data.InitDataAccess();
         return fp.messages.shown == QStringList{"Problem z odczytem|Błąd"} ? 0 : 1;
     }},
    {"MarkupInTheListShownAsText",
     [](TempWorkDir& dir) {
         WriteSet(dir, "Zestaw\r\nZERO*z\r\n<img src=\"/dev/zero\">*<b>opis</b>\r\n",
                  MakeJpeg(384, 256));
     },
     [](DataAccess& data, FakePlatform& fp, Config& config) {
         data.InitDataAccess();
         AppContext ctx{fp.services, config, data};
         QWidget parent;
         PuzzleWindow form(ctx, &parent);
         parent.show();
         form.NextClick();
         (void)form.nameLabel->sizeHint();
         (void)form.descriptionLabel->sizeHint();
         return form.nameLabel->text() == "<img src=\"/dev/zero\">" &&
                        form.descriptionLabel->text() == "<b>opis</b>" &&
                        form.nameLabel->textFormat() == Qt::PlainText &&
                        form.descriptionLabel->textFormat() == Qt::PlainText
                    ? 0
                    : 1;
     }},
};

void PrintTo(const Hostile& hostile, std::ostream* out) {
    *out << hostile.name;
}

class HostileFile : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileFile, IsRefusedWithinItsMemoryAndTime) {
    TempWorkDir dir;
    QDir(dir.path()).mkpath("Data");
    QDir(dir.path()).mkpath("Maps");
    GetParam().make(dir);
    FakePlatform fp;
    Config config;
    config.BaseFolder = dir.path();
    DataAccess data(config, fp.services);
    const int result =
        RunInChild([&] { return GetParam().load(data, fp, config); }, kCeiling, 1000);
    EXPECT_EQ(result, 0) << "97: over a second; 98: over 256 MiB; -1: crashed or hung";
}

INSTANTIATE_TEST_SUITE_P(Crafted, HostileFile, ::testing::ValuesIn(kHostile),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

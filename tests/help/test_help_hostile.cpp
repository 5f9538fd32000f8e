// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Crafted help files opened in the help viewer in a child process whose
// memory may grow by at most 256 MiB and which has a second of processor
// time: each shows its page, or a note in its place, and reads nothing but
// the help file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImageWriter>
#include <QTextBrowser>
#include <filesystem>
#include <functional>

#include "help/ChmFile.h"
#include "help/HelpViewer.h"
#include "platform/TarvoError.h"
#include "support/Limits.h"
#include "support/TestFiles.h"

namespace {

constexpr long long kCeiling = 256LL << 20;
const QString kNote = QStringLiteral("Tej strony pomocy nie można pokazać");

QByteArray Repeat(const QByteArray& part, int times) {
    return part.repeated(times);
}

QByteArray NestedTables(int depth) {
    return Repeat("<table border=1><tr><td>a</td><td>", depth) + "x" +
           Repeat("</td></tr></table>", depth);
}

// A progressive JPEG whose last scan is repeated many times.
QByteArray JpegWithScans(int repeats) {
    QImage image(512, 512, QImage::Format_RGB888);
    image.fill(Qt::red);
    QByteArray progressive;
    QBuffer buffer(&progressive);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    const qsizetype lastScan = progressive.lastIndexOf("\xff\xda");
    const QByteArray scan = progressive.mid(lastScan, progressive.size() - 2 - lastScan);
    return progressive.left(progressive.size() - 2) + scan.repeated(repeats) + "\xff\xd9";
}

struct HostileHelp {
    const char* name;
    // The page "/index.html" (with the pictures of pictures) or a whole file.
    std::function<QByteArray(const TempWorkDir&)> page;
    QList<PackMember> pictures;
    bool indexLoop = false;
    bool showsNote = false;
};

const QByteArray kBigPng = MakePng(4096, 4096);

const HostileHelp kHostile[] = {
    {"IndexLoop", [](const TempWorkDir&) { return QByteArray("<p>Strona</p>"); }, {}, true},
    {"LocalFiles",
     [](const TempWorkDir& dir) {
         const QByteArray at = QUrl::fromLocalFile(dir.path()).toEncoded();
         QByteArray head;
         for (const char* css : {"/fifo", "/local.css", "/../../../dev/zero"})
             head += "<link rel=stylesheet type=\"text/css\" href=\"" + at + css + "\">";
         QByteArray body;
         for (const QByteArray& src : {at + "/local.png", QByteArray("file:///dev/zero"),
                                       "../../.." + at.mid(7) + "/local.png",
                                       "data:image/png;base64," + MakePng(8, 8).toBase64()})
             body += "<img src=\"" + src + "\">";
         return "<html><head>" + head + "</head><body>" + body + "<p>Strona</p></body></html>";
     },
     {}},
    {"NestedTables", [](const TempWorkDir&) { return NestedTables(30); }, {}, false, true},
    {"HugeFonts",
     [](const TempWorkDir&) {
         return Repeat("<p style=\"font-size:300pt\">Wielki tekst akapitu</p>", 100);
     },
     {},
     false,
     true},
    {"LongPage",
     [](const TempWorkDir&) { return Repeat("<p>akapit</p>", 40000); },
     {},
     false,
     true},
    {"OnePngManyNames",
     [](const TempWorkDir&) {
         QByteArray page;
         for (int i = 0; i < 40; ++i) page += "<img src=\"big.png?" + QByteArray::number(i) + "\">";
         return page + "<img src=\"BIG.PNG\"><img src=\"./big.png\"><p>Strona</p>";
     },
     {{"/big.png", kBigPng}}},
    {"JpegManyScans",
     [](const TempWorkDir&) {
         return Repeat("<img src=\"scans.jpg\"><img src=\"Scans.jpg\">", 20) + "<p>Strona</p>";
     },
     {{"/scans.jpg", JpegWithScans(100000)}}},
};

void PrintTo(const HostileHelp& hostile, std::ostream* out) {
    *out << hostile.name;
}

class HostileHelpFile : public ::testing::TestWithParam<HostileHelp> {};

TEST_P(HostileHelpFile, ShowsItsPageOrANoteWithinItsMemoryAndTime) {
    TempWorkDir dir;
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.file("fifo")).constData(), 0600), 0);
    dir.write("local.png", MakePng(16, 16));
    dir.write("local.css", "p { color: red }");
    QList<PackMember> objects{{"/index.html", GetParam().page(dir)}};
    objects += GetParam().pictures;
    dir.write("help.chm", MakeHelpFile(objects, GetParam().indexLoop));
    const int result = RunInChild(
        [&] {
            HelpViewer viewer(dir.file("help.chm"));
            QTextDocument& page = *viewer.Browser->document();
            page.documentLayout()->documentSize();
            viewer.grab();  // paints, so every picture is asked for
            const bool noted = page.toPlainText().contains(kNote);
            if (noted != GetParam().showsNote) return 1;
            if (!noted && !page.toPlainText().contains("Strona")) return 2;
            // Nothing outside the file was read.
            for (const char* local : {"local.png", "fifo", "local.css"})
                for (int type : {QTextDocument::ImageResource, QTextDocument::StyleSheetResource}) {
                    const QVariant got = page.resource(type, QUrl::fromLocalFile(dir.file(local)));
                    if (!got.value<QImage>().isNull() || !got.toString().isEmpty()) return 3;
                }
            return 0;
        },
        kCeiling, 1000);
    EXPECT_EQ(result, 0) << "1, 2: wrong page; 3: read a local file; 97: over a second; "
                            "98: over 256 MiB; -1: crashed or hung";
}

INSTANTIATE_TEST_SUITE_P(Crafted, HostileHelpFile, ::testing::ValuesIn(kHostile),
                         [](const auto& info) { return std::string(info.param.name); });

// A page at every bound at once still lays out quickly.
TEST(HelpViewer, PageAtItsBoundsLaysOutWithinASecond) {
    TempWorkDir dir;
    const QByteArray cells = Repeat("<td>" + NestedTables(3) + "</td>", 12);
    const QByteArray page = "<table border=1>" + Repeat("<tr>" + cells + "</tr>", 12) + "</table>" +
                            Repeat("<p style=\"font-size:72pt\">Tekst</p>", 200);
    dir.write("help.chm", MakeHelpFile({{"/index.html", page}}));
    const int result = RunInChild(
        [&] {
            HelpViewer viewer(dir.file("help.chm"));
            viewer.Browser->document()->documentLayout()->documentSize();
            viewer.grab();
            return viewer.Browser->toPlainText().contains(kNote) ? 1 : 0;
        },
        kCeiling, 1000);
    EXPECT_EQ(result, 0);
}

long OpenDescriptors() {
    const std::filesystem::directory_iterator fds("/proc/self/fd");
    return std::distance(begin(fds), end(fds));
}

TEST(HelpViewer, LeavesNoDescriptorOpen) {
    TempWorkDir dir;
    dir.write("good.chm", MakeHelpFile({{"/index.html", "<p>x</p>"}}));
    dir.write("bad.chm", QByteArray(4096, 'x'));
    const int before = OpenDescriptors();
    for (int i = 0; i < 5; ++i) {
        EXPECT_THROW(ChmFile{dir.file("bad.chm")}, TarvoError);
        ChmFile good(dir.file("good.chm"));
        EXPECT_EQ(good.read("/INDEX.html"), "<p>x</p>");
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

}  // namespace

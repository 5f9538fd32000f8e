// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// terravika-pak run as a teacher's script would run it: Polish messages
// only, and photo sets built from folders as cameras and editors leave them.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStringEncoder>

#include "data/PhotoSetFile.h"
#include "support/TestFiles.h"

namespace {

struct PakRun {
    int code;
    QString out, err;
};

PakRun Pak(const QStringList& args) {
    QProcess process;
    process.start(TERRAVIKA_PAK, args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void WritePicture(const TempWorkDir& dir, const QString& name, QSize size, const char* format) {
    QImage image(size, QImage::Format_RGB888);
    image.fill(QColor(200, 40, 40));
    QDir().mkpath(QFileInfo(dir.file(name)).path());
    image.save(dir.file(name), format);
}

void WriteList(const TempWorkDir& dir, const QString& name, const QString& text) {
    QStringEncoder ansi("windows-1250");
    dir.write(name, ansi.encode(text));
}

// A folder as a camera leaves it: upper-case names, other sizes, a PNG.
void CameraFolder(const TempWorkDir& dir) {
    WritePicture(dir, "set/IM1.JPG", {800, 600}, "JPG");
    WritePicture(dir, "set/im2.png", {300, 500}, "PNG");
    WritePicture(dir, "set/Im3.jpg", {384, 256}, "JPG");
}

}  // namespace

TEST(TerravikaPak, SpeaksPolishAndNothingElse) {
    TempWorkDir dir;
    dir.write("empty.dat", {});
    const PakRun empty = Pak({"check", dir.file("empty.dat")});
    EXPECT_EQ(empty.code, 2);
    EXPECT_EQ(empty.err,
              QStringLiteral("terravika-pak: %1: plik jest pusty\n").arg(dir.file("empty.dat")));
    EXPECT_TRUE(Pak({}).err.startsWith("Użycie: terravika-pak"));
    EXPECT_EQ(Pak({"list", dir.file("none.dat")}).err,
              QStringLiteral("terravika-pak: %1: plik nie istnieje\n").arg(dir.file("none.dat")));
    dir.write("ok.dat", MakePhotoSet("T\r\nA*a\r\nA*a\r\n", 1));
    const PakRun check = Pak({"check", dir.file("ok.dat")});
    EXPECT_EQ(check.out, dir.file("ok.dat") + ": archiwum poprawne, pozycji: 2\n");
    EXPECT_EQ(check.err, "");
}

TEST(TerravikaPak, PhotosetTakesCameraFilesAndSmallLettersAndWritesTheListItself) {
    TempWorkDir dir;
    CameraFolder(dir);
    WriteList(dir, "set/spis.txt",
              "Moja klasa\r\n*\r\nfrancja*Paryż\r\nłotwa*Ryga\r\nNIEMCY*Berlin\r\n\r\n\r\n");
    const PakRun run = Pak({"photoset", dir.file("set"), dir.file("Moja.dat")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    for (const char* note : {"nazwę „francja” zapisano jako „FRANCJA”",
                             "IM1.JPG: 800 × 600 pikseli, przeskalowano i przycięto do 384 × 256",
                             "im2.png: zapisano jako Im2.jpg"})
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(note))) << note;
    const PhotoSetContent set = ReadPhotoSet(dir.file("Moja.dat"));
    EXPECT_EQ(set.title, "Moja klasa");
    ASSERT_EQ(set.entries.size(), 3);
    EXPECT_EQ(set.entries[1].name, "ŁOTWA");
    EXPECT_EQ(set.entries[1].description, "Ryga");
    for (const auto& entry : set.entries) EXPECT_EQ(entry.picture.size(), QSize(384, 256));
}

TEST(TerravikaPak, PhotosetRefusesWhatWouldBreakTheExerciseAndSaysWhy) {
    TempWorkDir dir;
    CameraFolder(dir);
    // The picture-0 line forgotten: every name would be one picture off.
    WriteList(dir, "set/Spis.txt",
              "Moja klasa\r\nFRANCJA*Paryż\r\nŁOTWA*Ryga\r\nNIEMCY*Berlin\r\n");
    PakRun run = Pak({"photoset", dir.file("set"), dir.file("a.dat")});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains("brakuje wiersza dla obrazka 0?")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.file("a.dat")));

    WriteList(dir, "set/Spis.txt",
              "Moja klasa\r\n*\r\n*Paryż\r\nFRANCJA*" + QString(60, u'W') + "\r\nFRANCJA\r\n");
    run = Pak({"photoset", dir.file("set"), dir.file("a.dat")});
    EXPECT_EQ(run.code, 2);
    for (const char* problem : {"Obrazek 1 (bez nazwy): Brak nazwy",
                                "Obrazek 2 (FRANCJA): Opis nie mieści się w puzzlach",
                                "Wiersz 5 Spis.txt nie ma gwiazdki",
                                "Obrazek 3 (FRANCJA): Ta sama nazwa jest już przy obrazku nr 2"})
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(problem))) << problem;
    EXPECT_TRUE(run.err.endsWith("terravika-pak: zestawu nie zapisano\n"));
}

// A FIFO never blocks the tool, and a picture of extreme proportions is
// refused by its header, never scaled to gigabytes (the tool may take at
// most 1 GiB of address space here).
TEST(TerravikaPak, PhotosetRefusesFifosAndExtremePicturesWithinItsMemory) {
    TempWorkDir dir;
    CameraFolder(dir);
    WritePicture(dir, "set/Im4.png", {60000, 1}, "PNG");
    WriteList(dir, "set/Spis.txt", "Klasa\r\nA*a\r\nA*a\r\nB*b\r\nC*c\r\nD*d\r\n");
    QProcess process;
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer reserves terabytes of address space
    process.setChildProcessModifier([] {
        const rlimit limit{1ULL << 30, 1ULL << 30};
        setrlimit(RLIMIT_AS, &limit);
    });
#endif
    process.start(TERRAVIKA_PAK, {"photoset", dir.file("set"), dir.file("a.dat")});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                    .contains("Obrazek 4 (D): Im4.png: Obrazek ma nietypowe proporcje"));

    QFile::remove(dir.file("set/Spis.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.file("set/Spis.txt")).constData(), 0600), 0);
    const PakRun run = Pak({"photoset", dir.file("set"), dir.file("a.dat")});
    EXPECT_NE(run.code, 0);
    EXPECT_TRUE(run.err.contains("brak pliku Spis.txt")) << run.err.toStdString();
}

// Names are listed with control characters escaped, so an archive cannot
// drive the teacher's terminal; a FIFO given to create never blocks.
TEST(TerravikaPak, ListEscapesControlCharactersAndCreateTakesRegularFilesOnly) {
    TempWorkDir dir;
    dir.write("a.dat", BuildPack({{"Im\x1b[2J.jpg", "x"}}));
    EXPECT_EQ(Pak({"list", dir.file("a.dat")}).out, "Im\\x1b[2J.jpg\t1\n");
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.file("fifo")).constData(), 0600), 0);
    const PakRun run = Pak({"create", dir.file("b.dat"), dir.file("fifo")});
    EXPECT_NE(run.code, 0);
    EXPECT_TRUE(run.err.contains("to nie jest zwykły plik")) << run.err.toStdString();
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "core/Config.h"
#include "platform/TarvoError.h"
#include "support/Limits.h"
#include "support/TestFiles.h"

namespace {

const QByteArray kDefault = "[DATA]\r\nFolder=Data\r\nName=0\r\nTempo=3\r\nBlokada=1\r\n";

TEST(Config, FirstStartWritesExactlyTheDefaultFile) {
    TempWorkDir dir;
    Config config;
    config.Tempo = 1;
    ReadConfig(config);
    EXPECT_EQ(config.BaseFolder, dir.path());
    EXPECT_EQ(config.PhotoSetIndex, 0);
    EXPECT_EQ(config.Tempo, 3);
    EXPECT_EQ(config.Blokada, 1);
    EXPECT_EQ(dir.read("Tarvo.ini"), kDefault);
}

TEST(Config, KeysInAnyOrderAndCaseFirstLineWins) {
    const Config c = ParseConfig("tempo=1\nBLOKADA=0\n[X]\nName=2\nTempo=2\nname=7\n");
    EXPECT_EQ(c.Tempo, 1);
    EXPECT_EQ(c.Blokada, 0);
    EXPECT_EQ(c.PhotoSetIndex, 2);
}

TEST(Config, LinesEndAtCrLfLfOrALoneCr) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const QByteArray text =
            QByteArray("[DATA]") + end + "Name=2" + end + "Tempo=1" + end + "Blokada=0" + end;
        const Config c = ParseConfig(text);
        EXPECT_EQ(c.PhotoSetIndex, 2) << text.toHex().constData();
        EXPECT_EQ(c.Tempo, 1);
        EXPECT_EQ(c.Blokada, 0);
    }
}

TEST(Config, MissingOrMalformedValuesTakeTheirDefaultsOddNumbersStay) {
    struct Case {
        const char* text;
        int name, tempo, blokada;
    };
    const Case cases[] = {
        {"", 0, 3, 1},
        {"Name=abc\r\nTempo=\r\nBlokada=1x\r\n", 0, 3, 1},
        {"Name=+4\r\nTempo=0\r\nBlokada=2\r\n", 4, 0, 2},
        {"Name=-1\r\nTempo=4\r\nBlokada=-1\r\n", -1, 4, -1},
        {"Name= 3 \r\nTempo=2\r\nBlokada=0\r\n", 3, 2, 0},
        {"Tempo=99999999999999\r\n", 0, 3, 1},
        {"Tempo=1=2\r\n", 0, 3, 1},
    };
    for (const Case& c : cases) {
        const Config config = ParseConfig(c.text);
        EXPECT_EQ(config.PhotoSetIndex, c.name) << c.text;
        EXPECT_EQ(config.Tempo, c.tempo) << c.text;
        EXPECT_EQ(config.Blokada, c.blokada) << c.text;
    }
}

TEST(Config, WriteReplacesTheWholeFileAndPutsFolderBack) {
    TempWorkDir dir;
    dir.write("Tarvo.ini",
              "[DATA]\r\nFolder=Inne\r\nName=1\r\nTempo=2\r\nBlokada=0\r\nExtra=1\r\n");
    Config config;
    ReadConfig(config);
    EXPECT_EQ(config.PhotoSetIndex, 1);
    WriteConfig(config);
    EXPECT_EQ(dir.read("Tarvo.ini"), "[DATA]\r\nFolder=Data\r\nName=1\r\nTempo=2\r\nBlokada=0\r\n");
}

QStringList FolderContent(const TempWorkDir& dir) {
    QStringList names =
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// The thrown message, or an empty text when nothing was thrown.
QString WriteFailure(const Config& config) {
    try {
        WriteConfig(config);
    } catch (const TarvoError& e) {
        return e.message();
    }
    return {};
}

TEST(Config, FullDiskKeepsTheOldFileAndSaysSo) {
    TempWorkDir dir;
    dir.write("Tarvo.ini", kDefault);
    Config config;
    ReadConfig(config);
    config.Tempo = 1;
    for (long long room : {0, 20}) {  // nothing written, or cut off in the middle
        QString failure;
        {
            FileSizeLimit full(room);
            failure = WriteFailure(config);
        }
        EXPECT_TRUE(failure.endsWith("Tarvo.ini: brak miejsca na dysku")) << failure.toStdString();
    }
    EXPECT_EQ(dir.read("Tarvo.ini"), kDefault);
    EXPECT_EQ(FolderContent(dir), QStringList{"Tarvo.ini"});
    // A base folder that does not exist cannot be written either.
    config.BaseFolder = dir.file("missing/deeper");
    EXPECT_FALSE(WriteFailure(config).isEmpty());
}

TEST(Config, ReadOnlyFolderRewritesAWritableFileInPlace) {
    TempWorkDir dir;
    dir.write("Tarvo.ini", kDefault);
    chmod(QFile::encodeName(dir.file("Tarvo.ini")).constData(), 0666);
    chmod(QFile::encodeName(dir.path()).constData(), 0555);
    Config config;
    config.BaseFolder = dir.path();
    config.Tempo = 2;
    EXPECT_EQ(RunUnprivileged([&] { return WriteFailure(config).isEmpty() ? 0 : 1; }), 0);
    EXPECT_EQ(dir.read("Tarvo.ini"), "[DATA]\r\nFolder=Data\r\nName=0\r\nTempo=2\r\nBlokada=1\r\n");
    // Without the file the default cannot be written: the reason is told.
    QFile::remove(dir.file("Tarvo.ini"));
    EXPECT_EQ(RunUnprivileged([&] {
                  try {
                      ReadConfig(config);
                  } catch (const TarvoError& e) {
                      return e.message().endsWith("Tarvo.ini: brak uprawnień") ? 0 : 1;
                  }
                  return 2;
              }),
              0);
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_TRUE(FolderContent(dir).isEmpty());
}

TEST(Config, ReadOnlyFolderNeverWritesThroughALink) {
    TempWorkDir dir;
    dir.write("elsewhere/target.ini", "mine");
    chmod(QFile::encodeName(dir.file("elsewhere/target.ini")).constData(), 0666);
    ASSERT_TRUE(QFile::link(dir.file("elsewhere/target.ini"), dir.file("Tarvo.ini")));
    chmod(QFile::encodeName(dir.path()).constData(), 0555);
    Config config;
    config.BaseFolder = dir.path();
    EXPECT_EQ(RunUnprivileged([&] {
                  return WriteFailure(config).endsWith("Tarvo.ini: to jest dowiązanie symboliczne")
                             ? 0
                             : 1;
              }),
              0);
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(dir.read("elsewhere/target.ini"), "mine");
}

TEST(Config, StartRemovesOnlyStaleTemporariesOfItsOwnPattern) {
    TempWorkDir dir;
    const QStringList kept = {"Tarvo.ini", "Tarvo.ini.abc", "Tarvo.ini.1234567", "Tarvo.ini.ab_d12",
                              "tarvo.ini.Ab3dE9"};
    for (const QString& name : kept + QStringList{"Tarvo.ini.Ab3dE9", "Tarvo.ini.000000"})
        dir.write(name, kDefault);
    Config config;
    ReadConfig(config);
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(FolderContent(dir), expected);
}

TEST(Config, SpecialFileNamedTarvoIniNeverBlocks) {
    TempWorkDir dir;
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.file("Tarvo.ini")).constData(), 0600), 0);
    Config config;
    EXPECT_EQ(RunInChild(
                  [&] {
                      ReadConfig(config);
                      return config.Tempo == 3 ? 0 : 1;
                  },
                  64 << 20, 1000),
              0);
}

}  // namespace

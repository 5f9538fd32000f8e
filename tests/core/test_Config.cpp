#include <gtest/gtest.h>

#include <QFile>

#include "core/Config.h"
#include "data/TarvoError.h"
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

TEST(Config, FailedWriteThrowsAndLeavesTheOldFileWhole) {
    TempWorkDir dir;
    dir.write("Tarvo.ini", kDefault);
    Config config;
    ReadConfig(config);
    config.Tempo = 1;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool canStillWrite = QFile(dir.file("probe")).open(QIODevice::WriteOnly);  // root
    if (!canStillWrite) {
        EXPECT_THROW(WriteConfig(config), TarvoError);
        EXPECT_EQ(dir.read("Tarvo.ini"), kDefault);
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A base folder that does not exist cannot be written either.
    config.BaseFolder = dir.file("missing/deeper");
    EXPECT_THROW(WriteConfig(config), TarvoError);
}

}  // namespace

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QtEndian>

#include "data/PackReader.h"
#include "data/PackWriter.h"
#include "platform/TarvoError.h"
#include "support/TestFiles.h"

namespace {

QByteArray Header(const char* magic, qint32 dirOffset, qint32 dirLength) {
    QByteArray bytes(magic, 4);
    char number[4];
    qToLittleEndian(dirOffset, number);
    bytes.append(number, 4);
    qToLittleEndian(dirLength, number);
    bytes.append(number, 4);
    return bytes;
}

QByteArray Record(const QByteArray& name, qint32 offset, qint32 size) {
    QByteArray record = name.left(120);
    record.resize(120, '\0');
    char number[4];
    qToLittleEndian(offset, number);
    record.append(number, 4);
    qToLittleEndian(size, number);
    record.append(number, 4);
    return record;
}

class PackTest : public ::testing::Test {
protected:
    TempWorkDir dir;
    PackReader pak;
    QString Write(const QByteArray& bytes, const QString& name = "a.dat") {
        dir.write(name, bytes);
        return dir.file(name);
    }
};

TEST_F(PackTest, EmptyFileThrowsAndStaysEmpty) {
    const QString path = Write({});
    EXPECT_THROW(pak.Open(path), TarvoError);
    EXPECT_FALSE(pak.IsOpen());
    EXPECT_EQ(dir.read("a.dat").size(), 0);
}

TEST_F(PackTest, MagicIsCaseSensitiveAndAWrongOneEmptiesTheReader) {
    ASSERT_TRUE(pak.Open(Write(BuildPack({{"Spis.txt", "x"}}))));
    EXPECT_FALSE(pak.Open(Write(Header("pack", 12, 0), "b.dat")));
    EXPECT_FALSE(pak.IsOpen());
    EXPECT_TRUE(pak.Names().isEmpty());
    EXPECT_FALSE(pak.Extract("Spis.txt").has_value());
}

TEST_F(PackTest, MissingFileThrows) {
    EXPECT_THROW(pak.Open(dir.file("none.dat")), TarvoError);
}

TEST_F(PackTest, DirectoryLengthIsTruncatedToWholeRecords) {
    QByteArray bytes = Header("PACK", 12, 300) + Record("one", 0, 4) + Record("two", 1, 4);
    bytes += QByteArray(44, 'x');
    ASSERT_TRUE(pak.Open(Write(bytes)));
    EXPECT_EQ(pak.EntryCount(), 2);
    EXPECT_EQ(pak.Names(), QStringList({"one", "two"}));
    EXPECT_EQ(*pak.Extract("two"), QByteArray("ACK\x0c", 4));
}

TEST_F(PackTest, NamesMatchWithoutCaseAndTheFirstDuplicateWins) {
    const QByteArray bytes =
        BuildPack({{"Spis.txt", "first"}, {"Łódź.jpg", "pl"}, {"spis.TXT", "second"}});
    ASSERT_TRUE(pak.Open(Write(bytes)));
    EXPECT_EQ(*pak.Extract("SPIS.TXT"), "first");
    EXPECT_EQ(*pak.Extract("łÓDŹ.JPG"), "pl");
    EXPECT_EQ(pak.Names().size(), 3);
    EXPECT_FALSE(pak.Extract("Spis").has_value());
}

TEST_F(PackTest, OpeningAnotherArchiveForgetsTheFirst) {
    ASSERT_TRUE(pak.Open(Write(BuildPack({{"Wstep.rtf", "x"}}))));
    ASSERT_TRUE(pak.Open(Write(Header("PACK", 12, 0), "b.dat")));
    EXPECT_FALSE(pak.Contains("Wstep.rtf"));
}

TEST_F(PackTest, FullLengthNameHasNoTerminator) {
    const QByteArray name(120, 'n');
    ASSERT_TRUE(pak.Open(Write(Header("PACK", 12, 128) + Record(name, 0, 0))));
    EXPECT_EQ(pak.Names().value(0).size(), 120);
}

TEST_F(PackTest, EmptyEntryYieldsAnEmptyStream) {
    ASSERT_TRUE(pak.Open(Write(BuildPack({{"empty", {}}}))));
    EXPECT_TRUE(pak.Extract("empty")->isEmpty());
}

TEST_F(PackTest, BrokenStructureFailsAtOpenBeforeAllocating) {
    // A negative offset or size, a directory past the end or before the
    // start, a directory record cut short, an absurd entry count.
    const QList<QByteArray> broken = {
        Header("PACK", 12, 128) + Record("neg", -5, 1),
        Header("PACK", 12, 128) + Record("negsize", 0, -1),
        Header("PACK", 1000, 128),
        Header("PACK", -12, 128) + Record("x", 0, 1),
        Header("PACK", 12, 256) + Record("x", 0, 1) + QByteArray(60, 0),
        Header("PACK", 12, 0x7FFFFF80),
    };
    for (const QByteArray& bytes : broken) {
        EXPECT_THROW(pak.Open(Write(bytes)), TarvoError) << bytes.toHex().constData();
        EXPECT_FALSE(pak.IsOpen());
        EXPECT_TRUE(pak.Names().isEmpty());
    }
}

TEST_F(PackTest, DamagedMemberFailsAloneAndTheOthersStayReadable) {
    // Members running past the end (one claims 2 GiB) open; only their own
    // extraction fails, before any memory is taken for them.
    const QByteArray bytes = Header("PACK", 12, 3 * 128) + Record("big", 0, 0x7FFFFFFF) +
                             Record("cut", 398, 10) + Record("ok", 396, 4) + "abcd";
    ASSERT_TRUE(pak.Open(Write(bytes)));
    EXPECT_THROW(pak.Extract("big"), TarvoError);
    EXPECT_THROW(pak.Extract("cut"), TarvoError);
    EXPECT_EQ(*pak.Extract("ok"), "abcd");
    EXPECT_THROW(pak.Extract("ok", 3), TarvoError);
}

TEST_F(PackTest, OnlyRegularFilesOpenAndNothingBlocks) {
    const QString fifo = dir.file("fifo.dat");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_THROW(pak.Open(fifo), TarvoError);
    EXPECT_THROW(pak.Open(dir.path()), TarvoError);
    EXPECT_THROW(pak.Open("/dev/zero"), TarvoError);
}

TEST_F(PackTest, MembersMayLieAnywhere) {
    // Directory first, members after it.
    QByteArray bytes = Header("PACK", 12, 128) + Record("late", 140, 3) + "abc";
    ASSERT_TRUE(pak.Open(Write(bytes)));
    EXPECT_EQ(*pak.Extract("late"), "abc");
}

TEST(PackWriter, RefusesNamesThatCannotBeStored) {
    EXPECT_THROW(BuildPack({{QString(121, 'x'), "a"}}), TarvoError);
    EXPECT_THROW(BuildPack({{"日本.jpg", "a"}}), TarvoError);
    EXPECT_THROW(BuildPack({{"", "a"}}), TarvoError);
}

}  // namespace

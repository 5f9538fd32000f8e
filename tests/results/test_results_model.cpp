// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/TarvoError.h"
#include "results/ClassFolder.h"
#include "results/ClassFolderSetting.h"
#include "results/ResultsSummary.h"

namespace {

StoredResult Stored(qint64 id, ExerciseResult result) {
    result.finishedAt = QDateTime(QDate(2026, 3, 9), QTime(10, 0));
    return {id, "ola", result};
}

struct MarkCase {
    ExerciseResult result;
    const char* mark;
};

class Marks : public ::testing::TestWithParam<MarkCase> {};

TEST_P(Marks, ReadAsThePupilReadsThem) {
    EXPECT_EQ(Mark(GetParam().result), QString::fromUtf8(GetParam().mark));
}

INSTANTIATE_TEST_SUITE_P(
    Exercises, Marks,
    ::testing::Values(MarkCase{ExerciseResult::Quiz(false, 5, 40, {}), "niedostateczny"},
                      MarkCase{ExerciseResult::Quiz(true, 6, 40, {}), "dopuszczający"},
                      MarkCase{ExerciseResult::Quiz(true, 10, 40, {}), "celujący"},
                      MarkCase{ExerciseResult::Puzzle("X", 125, 40, true), "2:05"},
                      MarkCase{ExerciseResult::Puzzle("X", 180, 40, false), "nieułożone"},
                      MarkCase{ExerciseResult::Country("PERU", 8, 42, true), "42 pkt"},
                      MarkCase{ExerciseResult::Country("PERU", 21, 29, false), "nieodgadnięte"},
                      MarkCase{ExerciseResult::Coordinates(7, 5), "5 z 7"},
                      MarkCase{ExerciseResult::MapTest("Europa", 46, {"Litwa", "Łotwa"}), "96%"}));

TEST(Comparison, NamesThePreviousBestAndToday) {
    const ExerciseResult before = ExerciseResult::Quiz(false, 7, 50, {});
    const ExerciseResult today = ExerciseResult::Quiz(false, 8, 50, {});
    EXPECT_EQ(ComparisonLine(&before, today), "Poprzednio: dostateczny, dziś: dobry");
    EXPECT_EQ(ComparisonLine(nullptr, today), "");
}

TEST(Comparison, AQuickerSolvedPuzzleRatesHigherAndAnUnsolvedOneLowest) {
    EXPECT_GT(Rating(ExerciseResult::Puzzle("X", 60, 9, true)),
              Rating(ExerciseResult::Puzzle("X", 90, 9, true)));
    EXPECT_GT(Rating(ExerciseResult::Puzzle("X", 179, 9, true)),
              Rating(ExerciseResult::Puzzle("X", 20, 9, false)));
}

TEST(Summary, LastBestChartAndMistakesThatComeBack) {
    std::vector<StoredResult> results;
    for (int i = 0; i < 25; ++i)
        results.push_back(Stored(i + 1, ExerciseResult::Quiz(true, i % 11, 30, {"Mołdawia"})));
    results.push_back(Stored(26, ExerciseResult::Quiz(true, 4, 30, {"Litwa", "Litwa"})));
    results.push_back(Stored(27, ExerciseResult::Puzzle("PERU", 100, 40, true)));
    const std::vector<ExerciseSummary> summaries = Summarise(results);
    ASSERT_EQ(summaries.size(), 2u);
    const ExerciseSummary& quiz = summaries[0];
    EXPECT_EQ(quiz.exercise, Exercise::CapitalsQuiz);
    EXPECT_EQ(quiz.count, 26);
    EXPECT_EQ(quiz.last.score, 4);
    EXPECT_EQ(quiz.best.score, 10);
    EXPECT_EQ(quiz.ratings.size(), size_t(kChartLength));
    EXPECT_DOUBLE_EQ(quiz.ratings.back(), 0.4);
    EXPECT_EQ(MistakesLine(quiz.commonMistakes),
              "Najczęstsze błędy: Mołdawia (25 razy), Litwa (2 razy)");
    EXPECT_EQ(summaries[1].exercise, Exercise::Puzzle);
    EXPECT_EQ(MistakesLine(summaries[1].commonMistakes), "");
}

TEST(Summary, AResultOfALaterVersionIsListedUnderAnotherName) {
    ExerciseResult later;
    later.exercise = ExerciseFromKey("rzeki");
    const std::vector<ExerciseSummary> summaries = Summarise({Stored(1, later)});
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(ExerciseName(summaries[0].exercise), "Inne ćwiczenie");
}

TEST(ClassFolderSetting, FindsTheWynikiLineInAnyLetterCase) {
    EXPECT_EQ(
        ClassFolderFromSettings("[DATA]\r\nTempo=1\r\nwyniki= /srv/klasa 5b \r\nWyniki=/x\r\n"),
        "/srv/klasa 5b");
    EXPECT_EQ(ClassFolderFromSettings("[DATA]\r\nWyniki=/srv/\xb3\xb9ka\r\n"), "/srv/łąka");
    EXPECT_EQ(ClassFolderFromSettings("[DATA]\r\nTempo=1\r\n"), "");
}

struct ClassFolderTest : ::testing::Test {
    QTemporaryDir dir;
    QString File(const QString& login) { return dir.filePath(ClassFolder::FileName(login)); }
    mode_t Mode(const QString& path) {
        struct stat info {};
        stat(QFile::encodeName(path).constData(), &info);
        return info.st_mode & 07777;
    }
};

TEST_F(ClassFolderTest, LoginsNameNoOtherPath) {
    EXPECT_EQ(ClassFolder::FileName("ola.nowak"), "ola.nowak.wyniki");
    EXPECT_EQ(ClassFolder::FileName("../etc/x"), "_.._etc_x.wyniki");
    EXPECT_EQ(ClassFolder::FileName("żaneta"), "_aneta.wyniki");
    EXPECT_EQ(ClassFolder::FileName(""), "_.wyniki");
}

TEST_F(ClassFolderTest, AppendsLinesThatReadBackWithPolishLetters) {
    ClassFolder folder(dir.path(), "ola");
    folder.Append({Stored(1, ExerciseResult::MapTest("Europa", 46, {"Mołdawia"}))});
    folder.Append({Stored(2, ExerciseResult::Quiz(false, 8, 70, {"Żółw"})),
                   Stored(1, ExerciseResult::MapTest("Europa", 46, {"Mołdawia"}))});
    EXPECT_EQ(Mode(File("ola")), mode_t(0600));
    const std::vector<StoredResult> read = ReadClassFile(File("ola"));
    ASSERT_EQ(read.size(), 2u);  // the line sent twice counts once
    EXPECT_EQ(read[0].result.mistakes, QStringList{"Mołdawia"});
    EXPECT_EQ(read[1].result.mistakes, QStringList{"Żółw"});
    EXPECT_EQ(read[1].login, "ola");
}

TEST_F(ClassFolderTest, ADropBoxGroupMayReadTheFile) {
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 02733), 0);
    ClassFolder(dir.path(), "ola").Append({Stored(1, ExerciseResult::Coordinates(3, 2))});
    EXPECT_EQ(Mode(File("ola")), mode_t(0640));
}

TEST_F(ClassFolderTest, AnUnreachableFolderOrALinkIsRefused) {
    EXPECT_THROW(ClassFolder(dir.filePath("nie-ma"), "ola")
                     .Append({Stored(1, ExerciseResult::Coordinates(3, 2))}),
                 TarvoError);
    ASSERT_TRUE(QFile::link(dir.filePath("inny"), File("ola")));
    EXPECT_THROW(
        ClassFolder(dir.path(), "ola").Append({Stored(1, ExerciseResult::Coordinates(3, 2))}),
        TarvoError);
}

TEST_F(ClassFolderTest, AnInterruptedLastLineIsLeftOutAndADamagedOneRefused) {
    const QByteArray line = ResultLine(Stored(1, ExerciseResult::Coordinates(3, 2)));
    QFile file(File("ola"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(line + line.left(20));
    file.close();
    EXPECT_EQ(ReadClassFile(File("ola")).size(), 1u);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(line + "{\"id\": \"x\"}\n" + line);
    file.close();
    try {
        ReadClassFile(File("ola"));
        FAIL();
    } catch (const TarvoError& e) {
        EXPECT_EQ(e.message(), "Plik ola.wyniki jest uszkodzony (wiersz 2)");
    }
}

}  // namespace

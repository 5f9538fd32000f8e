// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "results/ClassFolder.h"
#include "results/ClassReport.h"

namespace {

StoredResult Stored(qint64 id, const QString& login, ExerciseResult result) {
    result.finishedAt = QDateTime(QDate(2026, 3, 9), QTime(10, 0));
    return {id, login, result};
}

struct ClassReportTest : ::testing::Test {
    QTemporaryDir dir;
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    void Append(const QString& login, const std::vector<StoredResult>& results) {
        ClassFolder(dir.path(), login).Append(results);
    }
    // Two pupils of a class folder, both missing Mołdawia in Europe.
    void TwoPupils() {
        Append("ola", {Stored(1, "ola", ExerciseResult::MapTest("Europa", 46, {"Mołdawia"})),
                       Stored(2, "ola", ExerciseResult::Quiz(false, 8, 70, {"Wisła"})),
                       Stored(3, "ola", ExerciseResult::Quiz(false, 9, 3700, {}))});
        Append("jan",
               {Stored(1, "jan", ExerciseResult::MapTest("Europa", 46, {"Mołdawia", "Łotwa"})),
                Stored(2, "jan", ExerciseResult::MapTest("Afryka", 50, {"Mali"})),
                Stored(3, "jan", ExerciseResult::MapTest("Europa", 46, {"Mołdawia"}))});
    }
};

TEST_F(ClassReportTest, AFolderListsEachPupilAndNamesTheFilesLeftOut) {
    TwoPupils();
    const QByteArray line = ResultLine(Stored(1, "ewa", ExerciseResult::Coordinates(3, 2)));
    Write("ewa.wyniki", line + "{\"id\":\"x\"}\n");
    Write("notatki.txt", "nie wyniki");
    ASSERT_TRUE(QFile::link(dir.filePath("ola.wyniki"), dir.filePath("zenek.wyniki")));
    const ClassResults loaded = LoadResults(dir.path());
    ASSERT_EQ(loaded.pupils.size(), 2u);
    EXPECT_EQ(loaded.pupils[0].login, "jan");
    EXPECT_EQ(loaded.pupils[1].login, "ola");
    EXPECT_EQ(loaded.pupils[1].results.size(), 3u);
    EXPECT_EQ(loaded.notes, QStringList({"Pominięto: Plik ewa.wyniki jest uszkodzony (wiersz 2)",
                                         "Pominięto zenek.wyniki: to nie jest zwykły plik"}));
}

TEST_F(ClassReportTest, AFolderThatCannotBeListedIsNamedNotShownEmpty) {
    if (geteuid() == 0) GTEST_SKIP() << "root lists every folder";
    TwoPupils();
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0333), 0);
    const ClassResults loaded = LoadResults(dir.path());
    chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_TRUE(loaded.pupils.empty());
    EXPECT_EQ(loaded.notes.value(0),
              QStringLiteral("Nie można odczytać folderu %1 (brak prawa odczytu)").arg(dir.path()));
}

TEST_F(ClassReportTest, LinesOfAnyVersionAreReadAndBadOnesRefused) {
    Write("a.wyniki",
          "{\"v\":7,\"id\":1,\"login\":\"a\",\"exercise\":\"rzeki\",\"kolor\":[1],"
          "\"score\":3,\"max\":5}\n{\"id\":2,\"exercise\":\"puzzle\",\"solved\":true}\n");
    const ClassResults read = LoadResults(dir.filePath("a.wyniki"));
    ASSERT_EQ(read.pupils.size(), 1u);
    ASSERT_EQ(read.pupils[0].results.size(), 2u);
    EXPECT_EQ(read.pupils[0].results[0].result.exercise, Exercise::Unknown);
    for (const char* bad : {"{\"v\":0,\"id\":1,\"exercise\":\"puzzle\"}\n",
                            "{\"id\":1e300,\"exercise\":\"puzzle\"}\n", "[1,2]\n", "\xff\xfe\n"}) {
        Write("b.wyniki", bad);
        EXPECT_EQ(LoadResults(dir.filePath("b.wyniki")).notes,
                  QStringList{"Plik b.wyniki jest uszkodzony (wiersz 1)"})
            << bad;
    }
}

// Read while the pupil's program has it open: the last result is still in
// the write-ahead log.
TEST_F(ClassReportTest, APupilsOpenDatabaseIsReadWholeWithoutBeingChanged) {
    const QString path = dir.filePath("Wyniki.sqlite");
    ResultStore store(path);
    store.Add("żaneta", Stored(0, "", ExerciseResult::Puzzle("PERU", 95, 30, true)).result);
    auto bytes = [](const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray before = bytes(path) + bytes(path + "-wal");
    ASSERT_GT(bytes(path + "-wal").size(), 0);
    const ClassResults read = LoadResults(path);
    ASSERT_EQ(read.pupils.size(), 1u);
    EXPECT_EQ(read.pupils[0].login, "żaneta");
    ASSERT_EQ(read.pupils[0].results.size(), 1u);
    EXPECT_EQ(read.pupils[0].results[0].result.seconds, 95);
    EXPECT_EQ(bytes(path) + bytes(path + "-wal"), before);
}

TEST_F(ClassReportTest, ADatabaseOfALaterVersionIsReadAndAForeignOneRefused) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "later");
        db.setDatabaseName(dir.filePath("later.sqlite"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char* sql :
             {"CREATE TABLE result(id INTEGER PRIMARY KEY, login TEXT, exercise TEXT, subject TEXT,"
              " finished_at TEXT, seconds INT, score INT, max_score INT, moves INT, solved INT,"
              " sent INT, nowe TEXT)",
              "CREATE TABLE mistake(result_id INT, item TEXT)",
              "INSERT INTO result VALUES(1, 'ola', 'wiedza', '', '2026-03-09T10:00:00', 50, 7, 10,"
              " 0, 0, 1, 'x')",
              "INSERT INTO mistake VALUES(1, 'Wisła')", "PRAGMA user_version=9",
              "CREATE TABLE inna(x)"})
            ASSERT_TRUE(q.exec(sql)) << sql;
        db.close();
    }
    QSqlDatabase::removeDatabase("later");
    const ClassResults later = LoadResults(dir.filePath("later.sqlite"));
    ASSERT_EQ(later.pupils.size(), 1u);
    EXPECT_EQ(later.pupils[0].results[0].result.mistakes, QStringList{"Wisła"});

    Write("pusty.sqlite", "");
    Write("tekst.sqlite", QByteArray(4096, 'x'));
    EXPECT_EQ(LoadResults(dir.filePath("pusty.sqlite")).notes,
              QStringList{"pusty.sqlite: Ten plik nie jest plikiem wyników"});
    EXPECT_EQ(LoadResults(dir.filePath("tekst.sqlite")).notes.value(0).toStdString(),
              "tekst.sqlite: Nie można odczytać pliku wyników (plik jest "
              "uszkodzony lub nie jest plikiem wyników)");
}

TEST_F(ClassReportTest, TheTableHasARowPerPupilAndExerciseAndPerContinentOfTheMap) {
    TwoPupils();
    Append("ola", {Stored(4, "ola", ExerciseResult::Coordinates(8, 6)),
                   Stored(5, "ola", ExerciseResult::Puzzle("PERU", 95, 30, true))});
    const ReportTable table = ClassTable(LoadResults(dir.path()));
    ASSERT_EQ(table.rows.size(), 6u);
    EXPECT_EQ(table.rows[0], QStringList({"jan", "Państwa świata na mapie – Afryka", "98%", "98%",
                                          "1", "", "09.03.2026"}));
    EXPECT_EQ(table.rows[1], QStringList({"jan", "Państwa świata na mapie – Europa", "98%", "98%",
                                          "2", "", "09.03.2026"}));
    EXPECT_EQ(table.rows[2], QStringList({"ola", "Sprawdź, ile wiesz", "bardzo dobry",
                                          "bardzo dobry", "2", "1:02:50", "09.03.2026"}));
    // Times carry the hours, or a spreadsheet takes minutes for hours.
    EXPECT_EQ(table.rows[3],
              QStringList({"ola", "Puzzle", "0:01:35", "0:01:35", "1", "0:01:35", "09.03.2026"}));
    EXPECT_EQ(table.rows[4][1], "Współrzędne na mapie");
    EXPECT_EQ(table.rows[4][5], "");
    const QStringList detail = PupilDetail(LoadResults(dir.path()).pupils[0]);
    EXPECT_TRUE(detail.contains("  Ostatnio: 98%, 09.03.2026"));
    EXPECT_TRUE(detail.contains("  Najczęstsze błędy: Mołdawia (2 razy)"));
}

TEST_F(ClassReportTest, TheClassMistakesAreCountedPerContinentAndQuiz) {
    TwoPupils();
    const std::vector<RegionMistakes> regions = ClassMistakes(LoadResults(dir.path()));
    ASSERT_EQ(regions.size(), 3u);
    EXPECT_EQ(regions[0].region, "Państwa świata na mapie – Afryka");
    EXPECT_EQ(regions[1].region, "Państwa świata na mapie – Europa");
    ASSERT_EQ(regions[1].mistakes.size(), 2u);
    EXPECT_EQ(regions[1].mistakes[0].item, "Mołdawia");
    EXPECT_EQ(regions[1].mistakes[0].times, 3);
    EXPECT_EQ(regions[1].mistakes[0].pupils, 2);
    EXPECT_EQ(regions[2].region, "Sprawdź, ile wiesz");
    EXPECT_EQ(regions[2].mistakes[0].item, "Wisła");
}

TEST(Csv, QuotedSemicolonSeparatedUtf8WithAByteOrderMark) {
    const ReportTable table{{"Uczeń", "Wynik"}, {{"Żaneta \"Ż\"", "=1+1"}, {"a;b", "-5"}}};
    EXPECT_EQ(CsvBytes(table), QByteArray("\xEF\xBB\xBF\"Uczeń\";\"Wynik\"\r\n"
                                          "\"Żaneta \"\"Ż\"\"\";\"'=1+1\"\r\n"
                                          "\"a;b\";\"'-5\"\r\n"));
}

struct DurationCase {
    qint64 seconds;
    const char* text;
};
class Durations : public ::testing::TestWithParam<DurationCase> {};
TEST_P(Durations, HoursAppearOnlyFromAnHourUp) {
    EXPECT_EQ(Duration(GetParam().seconds), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Times, Durations,
                         ::testing::Values(DurationCase{-5, "0:00"}, DurationCase{125, "2:05"},
                                           DurationCase{3599, "59:59"},
                                           DurationCase{3600, "1:00:00"},
                                           DurationCase{4000000000LL, "1111111:06:40"}));

}  // namespace

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <random>

#include "platform/TarvoError.h"
#include "results/ResultStore.h"

namespace {

const QDateTime kMonday(QDate(2026, 3, 9), QTime(10, 0));

ExerciseResult Quiz(int right, QStringList mistakes = {}) {
    ExerciseResult r = ExerciseResult::Quiz(false, right, 60, std::move(mistakes));
    r.finishedAt = kMonday;
    return r;
}

struct StoreTest : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath("Wyniki.sqlite");

    void WriteFile(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Runs SQL on the file through a connection of its own.
    void Sql(const QStringList& statements) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
            db.setDatabaseName(path);
            ASSERT_TRUE(db.open());
            for (const QString& sql : statements) QSqlQuery(db).exec(sql);
        }
        QSqlDatabase::removeDatabase("raw");
    }
};

TEST_F(StoreTest, KeepsResultsWithTheirMistakesAcrossOpenings) {
    {
        ResultStore store(path);
        EXPECT_EQ(store.SchemaVersion(), ResultStore::kSchemaVersion);
        store.Add("ola", Quiz(7, {"Mołdawia", "Litwa"}));
        ExerciseResult puzzle = ExerciseResult::Puzzle("BUŁGARIA", 95, 31, true);
        puzzle.finishedAt = kMonday;
        store.Add("ola", puzzle);
    }
    ResultStore store(path);
    const std::vector<StoredResult> all = store.All();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].login, "ola");
    EXPECT_EQ(all[0].result.mistakes, QStringList({"Mołdawia", "Litwa"}));
    EXPECT_EQ(all[0].result.finishedAt, kMonday);
    EXPECT_EQ(all[1].result.exercise, Exercise::Puzzle);
    EXPECT_EQ(all[1].result.subject, "BUŁGARIA");
    EXPECT_EQ(all[1].result.moves, 31);
    EXPECT_TRUE(all[1].result.solved);
}

TEST_F(StoreTest, AddReturnsTheBestEarlierResultOfTheSameChallenge) {
    ResultStore store(path);
    EXPECT_FALSE(store.Add("ola", Quiz(7)).has_value());
    store.Add("ola", Quiz(9));
    const std::optional<ExerciseResult> best = store.Add("ola", Quiz(8));
    ASSERT_TRUE(best.has_value());
    EXPECT_EQ(best->score, 9);
    // Map rounds compare within their continent only.
    store.Add("ola", ExerciseResult::MapTest("Europa", 10, {}));
    EXPECT_FALSE(store.Add("ola", ExerciseResult::MapTest("Afryka", 10, {"Mali"})).has_value());
}

TEST_F(StoreTest, MigratesAFirstVersionDatabase) {
    Sql(
        {"CREATE TABLE result(id INTEGER PRIMARY KEY, login TEXT NOT NULL, exercise TEXT NOT NULL,"
         " subject TEXT NOT NULL DEFAULT '', finished_at TEXT NOT NULL, seconds INTEGER NOT NULL"
         " DEFAULT 0, score INTEGER NOT NULL DEFAULT 0, max_score INTEGER NOT NULL DEFAULT 0,"
         " moves INTEGER NOT NULL DEFAULT 0, solved INTEGER NOT NULL DEFAULT 0)",
         "CREATE TABLE mistake(result_id INTEGER NOT NULL, item TEXT NOT NULL)",
         "INSERT INTO result(login, exercise, finished_at, score, max_score)"
         " VALUES('ola', 'stolice', '2026-03-01T09:00:00', 8, 10)",
         "PRAGMA user_version=1"});
    ResultStore store(path);
    EXPECT_EQ(store.SchemaVersion(), 2);
    ASSERT_EQ(store.Unsent().size(), 1u);
    EXPECT_EQ(store.Unsent()[0].result.exercise, Exercise::CapitalsQuiz);
}

TEST_F(StoreTest, ANewerVersionIsReadAndWrittenAsItIs) {
    { ResultStore store(path); }
    Sql({"ALTER TABLE result ADD COLUMN later TEXT", "PRAGMA user_version=7"});
    ResultStore store(path);
    store.Add("ola", Quiz(10));
    EXPECT_EQ(store.All().size(), 1u);
    EXPECT_EQ(store.SchemaVersion(), 7);
}

// Damaged or foreign files are refused with a Polish note, never a crash.
class DamagedStore : public StoreTest, public ::testing::WithParamInterface<QByteArray> {};

TEST_P(DamagedStore, IsRefusedWithANote) {
    WriteFile(GetParam());
    try {
        ResultStore store(path);
        store.All();
        FAIL() << "opened";
    } catch (const TarvoError& e) {
        EXPECT_TRUE(e.message().contains("wyników")) << e.message().toStdString();
    }
}

QByteArray DamagedHeader() {
    QByteArray bytes("SQLite format 3", 16);
    bytes += QByteArray(4080, '\xff');
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedStore,
    ::testing::Values(QByteArray("to nie jest baza danych, tylko tekst\n"
                                 "a nawet kilka wierszy tekstu................"
                                 "............................................"),
                      DamagedHeader()));

TEST_F(StoreTest, AFolderInPlaceOfTheFileIsRefused) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("Wyniki.sqlite"));
    EXPECT_THROW(ResultStore store(path), TarvoError);
}

// A full disk: a write beyond the file-size limit fails; the result is not
// stored, the note is Polish, and everything stored before stays.
TEST_F(StoreTest, AFailedWriteLosesOnlyThatResult) {
    ResultStore store(path);
    for (int i = 0; i < 5; ++i) store.Add("ola", Quiz(i));
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &tight);
    QStringList huge;
    for (int i = 0; i < 200; ++i) huge << QString(400, QChar(u'ł'));
    QString note;
    try {
        store.Add("ola", Quiz(3, huge));
    } catch (const TarvoError& e) {
        note = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, SIG_DFL);
    EXPECT_TRUE(note.startsWith("Nie udało się zapisać wyniku (")) << note.toStdString();
    EXPECT_EQ(store.All().size(), 5u);
    store.Add("ola", Quiz(9));
    EXPECT_EQ(ResultStore(path).All().size(), 6u);
}

// A program killed at any moment of a run of writes leaves a database that
// opens and holds every result it had finished writing.
TEST_F(StoreTest, KillDuringWritesLosesNothingCommitted) {
    std::mt19937 random(23);
    size_t stored = 0;
    for (int round = 0; round < 3; ++round) {
        int acknowledged[2];
        ASSERT_EQ(pipe(acknowledged), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(acknowledged[0]);
            ResultStore store(path);
            for (int i = 0; i < 200; ++i) {
                store.Add("ola", Quiz(i % 11, {"Mołdawia"}));
                const char done = 1;
                if (write(acknowledged[1], &done, 1) != 1) _exit(1);
            }
            _exit(0);
        }
        close(acknowledged[1]);
        const int killAfter = std::uniform_int_distribution<int>(1, 150)(random);
        int confirmed = 0;
        char done;
        while (confirmed < killAfter && read(acknowledged[0], &done, 1) == 1) ++confirmed;
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        while (read(acknowledged[0], &done, 1) == 1) ++confirmed;
        close(acknowledged[0]);
        const std::vector<StoredResult> all = ResultStore(path).All();
        EXPECT_GE(all.size(), stored + size_t(confirmed)) << "round " << round;
        stored = all.size();
        for (const StoredResult& each : all) EXPECT_EQ(each.result.mistakes.size(), 1);
    }
}

}  // namespace

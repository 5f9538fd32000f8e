// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultStore.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

#include "platform/TarvoError.h"

namespace {

// Each step brings the schema from version i to i + 1. Steps only add, so a
// program of an older version still reads and writes a newer database.
const char* const kMigrations[] = {
    "CREATE TABLE result(id INTEGER PRIMARY KEY, login TEXT NOT NULL, exercise TEXT NOT NULL,"
    " subject TEXT NOT NULL DEFAULT '', finished_at TEXT NOT NULL,"
    " seconds INTEGER NOT NULL DEFAULT 0, score INTEGER NOT NULL DEFAULT 0,"
    " max_score INTEGER NOT NULL DEFAULT 0, moves INTEGER NOT NULL DEFAULT 0,"
    " solved INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE mistake(result_id INTEGER NOT NULL REFERENCES result(id), item TEXT NOT NULL);"
    "CREATE INDEX mistake_by_result ON mistake(result_id)",
    // Results copied to the class folder.
    "ALTER TABLE result ADD COLUMN sent INTEGER NOT NULL DEFAULT 0",
};
static_assert(std::size(kMigrations) == ResultStore::kSchemaVersion);

// SQLite's result codes (the low byte of an extended code) in Polish.
QString Reason(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    switch (code) {
        case 3:
        case 8:
            return QStringLiteral("brak prawa zapisu");
        case 5:
        case 6:
            return QStringLiteral("plik jest zajęty przez inny program");
        case 10:
            return QStringLiteral("błąd odczytu lub zapisu na dysku");
        case 11:
        case 26:
            return QStringLiteral("plik jest uszkodzony lub nie jest plikiem wyników");
        case 13:
            return QStringLiteral("brak miejsca na dysku");
        case 14:
            return QStringLiteral("nie można otworzyć pliku");
        default:
            return QStringLiteral("błąd bazy danych %1").arg(code);
    }
}

[[noreturn]] void Fail(const QString& what, const QSqlError& error) {
    throw TarvoError(QStringLiteral("%1 (%2)").arg(what, Reason(error)));
}

QSqlQuery Run(QSqlDatabase db, const QString& sql,
              const QString& what = QStringLiteral("Plik wyników jest uszkodzony")) {
    QSqlQuery query(db);
    if (!query.exec(sql)) Fail(what, query.lastError());
    return query;
}

// A null QString binds as SQL NULL; the text columns hold empty text instead.
QVariant Text(const QString& text) {
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QString NewConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("wyniki-%1").arg(counter.fetchAndAddRelaxed(1));
}

}  // namespace

ResultStore::ResultStore(const QString& path) : connection(NewConnectionName()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    // Another writer (a second copy of the program) is waited for, not failed.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    try {
        if (!db.open()) Fail(QStringLiteral("Nie można otworzyć pliku wyników"), db.lastError());
        const QString unusable = QStringLiteral("Nie można używać pliku wyników");
        Run(db, QStringLiteral("PRAGMA journal_mode=WAL"), unusable);
        Run(db, QStringLiteral("PRAGMA synchronous=FULL"), unusable);
        Migrate();
    } catch (...) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
        throw;
    }
}

ResultStore::~ResultStore() {
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

int ResultStore::SchemaVersion() const {
    QSqlQuery query =
        Run(QSqlDatabase::database(connection), QStringLiteral("PRAGMA user_version"));
    return query.next() ? query.value(0).toInt() : 0;
}

void ResultStore::Migrate() {
    QSqlDatabase db = QSqlDatabase::database(connection);
    // Reading the version reads the header: a file that is no database fails here.
    int version = SchemaVersion();
    while (version < kSchemaVersion) {
        db.transaction();
        try {
            for (const QString& sql : QString::fromUtf8(kMigrations[version]).split(';'))
                Run(db, sql);
            Run(db, QStringLiteral("PRAGMA user_version=%1").arg(version + 1));
        } catch (...) {
            db.rollback();
            throw;
        }
        if (!db.commit()) Fail(QStringLiteral("Nie można zapisać pliku wyników"), db.lastError());
        ++version;
    }
}

std::optional<ExerciseResult> ResultStore::Add(const QString& login, const ExerciseResult& result) {
    std::optional<ExerciseResult> best;
    const QString sameExercise =
        QStringLiteral("exercise = '%1'").arg(ExerciseKey(result.exercise));
    for (const StoredResult& earlier : Select(sameExercise, false))
        if (SameChallenge(earlier.result, result) &&
            (!best || Rating(earlier.result) > Rating(*best)))
            best = earlier.result;

    QSqlDatabase db = QSqlDatabase::database(connection);
    const QString failed = QStringLiteral("Nie udało się zapisać wyniku");
    if (!db.transaction()) Fail(failed, db.lastError());
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO result(login, exercise, subject, finished_at, seconds, score, max_score,"
        " moves, solved) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {Text(login), Text(ExerciseKey(result.exercise)), Text(result.subject),
          Text(result.finishedAt.toString(Qt::ISODate)), QVariant(result.seconds),
          QVariant(result.score), QVariant(result.maxScore), QVariant(result.moves),
          QVariant(result.solved ? 1 : 0)})
        insert.addBindValue(value);
    bool stored = insert.exec();
    const qint64 id = insert.lastInsertId().toLongLong();
    QSqlQuery mistake(db);
    mistake.prepare(QStringLiteral("INSERT INTO mistake(result_id, item) VALUES(?, ?)"));
    for (const QString& item : result.mistakes) {
        if (!stored) break;
        mistake.addBindValue(id);
        mistake.addBindValue(Text(item));
        stored = mistake.exec();
    }
    if (stored && db.commit()) return best;
    const QSqlError error =
        stored ? db.lastError()
               : (insert.lastError().isValid() ? insert.lastError() : mistake.lastError());
    db.rollback();
    Fail(failed, error);
}

std::vector<StoredResult> ResultStore::All() const {
    return Select(QStringLiteral("1"), true);
}

std::vector<StoredResult> ResultStore::Unsent() const {
    return Select(QStringLiteral("sent = 0"), true);
}

void ResultStore::MarkSent(qint64 lastId) {
    Run(QSqlDatabase::database(connection),
        QStringLiteral("UPDATE result SET sent = 1 WHERE id <= %1").arg(lastId));
}

std::vector<StoredResult> ResultStore::Select(const QString& where, bool withMistakes) const {
    QSqlDatabase db = QSqlDatabase::database(connection);
    QSqlQuery rows = Run(db, QStringLiteral("SELECT id, login, exercise, subject, finished_at,"
                                            " seconds, score, max_score, moves, solved"
                                            " FROM result WHERE %1 ORDER BY id")
                                 .arg(where));
    std::vector<StoredResult> results;
    while (rows.next()) {
        StoredResult stored;
        stored.id = rows.value(0).toLongLong();
        stored.login = rows.value(1).toString();
        ExerciseResult& r = stored.result;
        r.exercise = ExerciseFromKey(rows.value(2).toString());
        r.subject = rows.value(3).toString();
        r.finishedAt = QDateTime::fromString(rows.value(4).toString(), Qt::ISODate);
        r.seconds = rows.value(5).toInt();
        r.score = rows.value(6).toInt();
        r.maxScore = rows.value(7).toInt();
        r.moves = rows.value(8).toInt();
        r.solved = rows.value(9).toInt() != 0;
        results.push_back(stored);
    }
    if (!withMistakes || results.empty()) return results;
    QSqlQuery mistakes =
        Run(db, QStringLiteral("SELECT result_id, item FROM mistake ORDER BY rowid"));
    // Results are ordered by id, so each mistake finds its result by bisection.
    while (mistakes.next()) {
        const qint64 id = mistakes.value(0).toLongLong();
        auto it = std::lower_bound(results.begin(), results.end(), id,
                                   [](const StoredResult& s, qint64 v) { return s.id < v; });
        if (it != results.end() && it->id == id)
            it->result.mistakes << mistakes.value(1).toString();
    }
    return results;
}

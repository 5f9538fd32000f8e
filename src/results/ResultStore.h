// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pupil's results in an SQLite database: one row per finished exercise
// and one per mistake made in it. The schema carries its version (SQLite's
// user_version) and is brought up to date step by step when opened. Commits
// go through a write-ahead log synced on every commit, so a killed program
// loses nothing committed and a failed write (a full disk) rolls back whole.
//
// A store is a database connection, usable only on the thread that made it.
#include <QString>
#include <optional>
#include <vector>

#include "core/ExerciseResult.h"

struct StoredResult {
    qint64 id = 0;
    QString login;
    ExerciseResult result;
};

class ResultStore {
public:
    static constexpr int kSchemaVersion = 2;

    // Opens or creates the database. Throws TarvoError with a Polish note
    // when the file cannot be opened, is not a results database, or is
    // damaged.
    explicit ResultStore(const QString& path);
    ~ResultStore();
    ResultStore(const ResultStore&) = delete;
    ResultStore& operator=(const ResultStore&) = delete;

    // Stores the result in one transaction and returns the best earlier
    // result of the same challenge. Throws TarvoError, storing nothing.
    std::optional<ExerciseResult> Add(const QString& login, const ExerciseResult& result);
    // Every result, oldest first.
    std::vector<StoredResult> All() const;
    // Results not yet copied to the class folder, oldest first, and marking them.
    std::vector<StoredResult> Unsent() const;
    void MarkSent(qint64 lastId);

    int SchemaVersion() const;

private:
    void Migrate();
    std::vector<StoredResult> Select(const QString& where, bool withMistakes) const;

    QString connection;
};

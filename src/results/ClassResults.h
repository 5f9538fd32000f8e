// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results a teacher opens: every pupil's file of a class folder, or one
// pupil's own database. A file that cannot be read is left out with a
// Polish note naming it; the others are still shown.
#include <QString>
#include <QStringList>
#include <vector>

#include "results/ResultStore.h"

struct PupilResults {
    QString login;
    std::vector<StoredResult> results;  // oldest first
};

struct ClassResults {
    std::vector<PupilResults> pupils;  // by login
    QStringList notes;                 // one per file left out
};

// At most this much is read from one folder, so that a folder full of large
// files cannot exhaust the memory.
inline constexpr qint64 kMaxFolderBytes = 256 * 1024 * 1024;
inline constexpr qint64 kMaxDatabaseBytes = 64 * 1024 * 1024;

// A folder: each regular <login>.wyniki file in it. A file: a class file
// (by its .wyniki ending) or a pupil's Wyniki.sqlite.
ClassResults LoadResults(const QString& path);

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ClassResults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

#include "platform/TarvoError.h"
#include "results/ClassFolder.h"

namespace {

const QString kClassFileSuffix = QStringLiteral("wyniki");

QString LoginOf(const QFileInfo& file, const std::vector<StoredResult>& results) {
    // The login written in the lines names the pupil when it is the one the
    // file is named after (a login with Polish letters is spelt out in full).
    if (!results.empty() && ClassFolder::FileName(results.back().login) == file.fileName())
        return results.back().login;
    return file.completeBaseName();
}

// The database is read from a copy, with its write-ahead log if there is
// one: SQLite cannot read a log's database in a folder the teacher may not
// write to, and the pupil's own files are never touched.
PupilResults ReadDatabase(const QFileInfo& file) {
    const QString log = file.filePath() + QStringLiteral("-wal");
    const qint64 logSize = QFileInfo(log).isFile() ? QFileInfo(log).size() : 0;
    if (file.size() + logSize > kMaxDatabaseBytes)
        throw TarvoError(QStringLiteral("Plik %1 jest za duży").arg(file.fileName()));
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath(QStringLiteral("Wyniki.sqlite"));
    if (!copyDir.isValid() || !QFile::copy(file.filePath(), copy) ||
        (logSize > 0 && !QFile::copy(log, copy + QStringLiteral("-wal"))))
        throw TarvoError(QStringLiteral("Nie można odczytać pliku %1").arg(file.fileName()));
    try {
        const ResultStore store(copy, ResultStore::Access::ReadOnly);
        PupilResults pupil{QString(), store.All()};
        pupil.login = pupil.results.empty() ? file.completeBaseName() : pupil.results.back().login;
        return pupil;
    } catch (const TarvoError& e) {
        throw TarvoError(QStringLiteral("%1: %2").arg(file.fileName(), e.message()));
    }
}

void LoadFolder(const QDir& folder, ClassResults& loaded) {
    const QString where = QDir::toNativeSeparators(folder.absolutePath());
    // A folder that cannot be listed would look empty.
    if (!QFileInfo(folder.path()).isReadable()) {
        loaded.notes
            << QStringLiteral("Nie można odczytać folderu %1 (brak prawa odczytu)").arg(where);
        return;
    }
    qint64 budget = kMaxFolderBytes;
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.") + kClassFileSuffix},
                             QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& file : files) {
        // Pupils may leave anything in a drop box: only regular files are read.
        if (file.isSymLink() || !file.isFile()) {
            loaded.notes
                << QStringLiteral("Pominięto %1: to nie jest zwykły plik").arg(file.fileName());
            continue;
        }
        budget -= file.size();
        if (budget < 0) {
            loaded.notes
                << QStringLiteral("Pominięto %1: za dużo danych w folderze").arg(file.fileName());
            continue;
        }
        try {
            std::vector<StoredResult> results = ReadClassFile(file.filePath());
            loaded.pupils.push_back({LoginOf(file, results), std::move(results)});
        } catch (const TarvoError& e) {
            loaded.notes << QStringLiteral("Pominięto: %1").arg(e.message());
        }
    }
    if (files.isEmpty())
        loaded.notes << QStringLiteral("W folderze %1 nie ma plików wyników (*.wyniki)").arg(where);
}

}  // namespace

ClassResults LoadResults(const QString& path) {
    ClassResults loaded;
    const QFileInfo info(path);
    if (info.isDir()) {
        LoadFolder(QDir(path), loaded);
    } else if (!info.isFile()) {
        loaded.notes << QStringLiteral("Nie można otworzyć %1: nie ma takiego pliku ani folderu")
                            .arg(QDir::toNativeSeparators(path));
    } else {
        try {
            if (info.suffix() == kClassFileSuffix) {
                std::vector<StoredResult> results = ReadClassFile(path);
                loaded.pupils.push_back({LoginOf(info, results), std::move(results)});
            } else {
                loaded.pupils.push_back(ReadDatabase(info));
            }
        } catch (const TarvoError& e) {
            loaded.notes << e.message();
        }
    }
    std::sort(loaded.pupils.begin(), loaded.pupils.end(),
              [](const PupilResults& a, const PupilResults& b) {
                  return a.login.localeAwareCompare(b.login) < 0;
              });
    return loaded;
}

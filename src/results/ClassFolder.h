// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The class folder a lab may share for results: each pupil's program appends
// to one file of its own there, <login>.wyniki, one result per line as a
// small JSON object (unknown fields are ignored, so any version reads any
// other's lines). The file is created readable by its owner only, or also by
// the folder's group when the folder hands its group down (set-group-ID):
// in a drop box owned by the teachers' group, pupils cannot read each
// other's files and the teacher can read them all.
#include <QByteArray>
#include <QString>
#include <vector>

#include "results/ResultStore.h"

class ClassFolder {
public:
    ClassFolder(const QString& folder, const QString& login);
    // The file of a login: letters, digits, '.', '_' and '-' kept, anything
    // else replaced by '_', so that a login names no other path.
    static QString FileName(const QString& login);
    // Appends the results whole or not at all; throws TarvoError with a
    // Polish note when the folder cannot be reached or written.
    void Append(const std::vector<StoredResult>& results) const;

private:
    QString path;
};

QByteArray ResultLine(const StoredResult& stored);

// Reads a pupil's file of a class folder: the results in file order, one per
// result id (a line sent twice counts once). An interrupted last line is left
// out. Throws TarvoError with a Polish note for a file that cannot be read or
// holds a damaged line.
std::vector<StoredResult> ReadClassFile(const QString& path);

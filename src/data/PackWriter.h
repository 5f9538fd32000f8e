// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writes PACK archives: the header, the members in the given order, then the
// directory. Used by the archive tool and by tests; the program never writes.
#include <QByteArray>
#include <QList>
#include <QString>

struct PackMember {
    QString name;  // stored in Windows-1250, at most 120 bytes
    QByteArray bytes;
};

// The archive's bytes. Throws TarvoError for a name that cannot be stored.
QByteArray BuildPack(const QList<PackMember>& members);
// Writes the archive atomically; throws TarvoError on failure.
void WritePack(const QString& path, const QList<PackMember>& members);

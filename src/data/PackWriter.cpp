// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/PackWriter.h"

#include <QSaveFile>
#include <QtEndian>
#include <cerrno>

#include "platform/TarvoError.h"
#include "platform/Windows1250.h"
#include "platform/RegularFile.h"

namespace {

void AppendInt(QByteArray& out, qint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray EncodeName(const QString& name) {
    const std::optional<QByteArray> encoded = Windows1250::Encode(name);
    if (!encoded || encoded->isEmpty() || encoded->size() > 120 || encoded->contains('\0'))
        throw TarvoError(QStringLiteral("Nazwy %1 nie da się zapisać w archiwum").arg(name));
    return *encoded;
}

}  // namespace

QByteArray BuildPack(const QList<PackMember>& members) {
    QByteArray data("PACK");
    qint64 total = 12;
    for (const PackMember& member : members) total += member.bytes.size() + 128;
    if (total > INT32_MAX) throw TarvoError(QStringLiteral("Archiwum byłoby za duże"));
    AppendInt(data, 0);
    AppendInt(data, qint32(members.size() * 128));
    QByteArray directory;
    for (const PackMember& member : members) {
        QByteArray name = EncodeName(member.name);
        name.resize(120, '\0');
        directory += name;
        AppendInt(directory, qint32(data.size()));
        AppendInt(directory, qint32(member.bytes.size()));
        data += member.bytes;
    }
    qToLittleEndian(qint32(data.size()), data.data() + 4);
    return data + directory;
}

void WritePack(const QString& path, const QList<PackMember>& members) {
    const QByteArray bytes = BuildPack(members);
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return;
    // Qt's own reasons are English; the system's error number gives a Polish one.
    const int error = file.error() == QFileDevice::ResourceError ? ENOSPC : errno ? errno : EIO;
    throw TarvoError(
        QStringLiteral("Nie można zapisać pliku %1: %2").arg(path, SystemErrorText(error)));
}

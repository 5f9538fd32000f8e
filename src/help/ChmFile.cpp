// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/ChmFile.h"

#include <chm_lib.h>

#include <QFile>
#include <QFileInfo>

#include "data/TarvoError.h"

ChmFile::ChmFile(const QString& path) {
    // A FIFO or device named like the help file would block chm_open for good.
    if (!QFileInfo(path).isFile()) throw TarvoError("Brak pliku pomocy " + path);
    handle = chm_open(QFile::encodeName(path).constData());
    if (!handle) throw TarvoError("Plik pomocy " + path + " jest uszkodzony");
}

ChmFile::~ChmFile() {
    chm_close(handle);
}

QByteArray ChmFile::read(const QString& objectPath) const {
    chmUnitInfo unit{};
    const QByteArray name = objectPath.toUtf8();
    if (name.size() > CHM_MAX_PATHLEN ||
        chm_resolve_object(handle, name.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return {};
    if (unit.length > static_cast<LONGUINT64>(kMaxObject)) return {};
    QByteArray data(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 got = chm_retrieve_object(
        handle, &unit, reinterpret_cast<unsigned char*>(data.data()), 0, unit.length);
    if (got != static_cast<LONGINT64>(unit.length)) return {};
    return data;
}

namespace {
int CollectFile(chmFile*, chmUnitInfo* unit, void* context) {
    auto* list = static_cast<QStringList*>(context);
    if (list->size() < 10000) list->append(QString::fromUtf8(unit->path));
    return CHM_ENUMERATOR_CONTINUE;
}
}  // namespace

QStringList ChmFile::files() const {
    QStringList list;
    chm_enumerate(handle, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, CollectFile, &list);
    return list;
}

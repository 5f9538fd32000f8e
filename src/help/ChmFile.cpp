// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/ChmFile.h"

#include <chm_lib.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "data/TarvoError.h"

ChmFile::ChmFile(const QString& path) {
    // A FIFO or device named like the help file would block chm_open for good.
    if (!QFileInfo(path).isFile()) throw TarvoError("Brak pliku pomocy " + path);
    handle = chm_open(QFile::encodeName(path).constData());
    if (!handle || !SaneCompression()) {
        if (handle) chm_close(handle);
        throw TarvoError("Plik pomocy " + path + " jest uszkodzony");
    }
}

namespace {
quint64 LittleEndian(const QByteArray& bytes, int at, int size) {
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | quint8(bytes[at + i]);
    return value;
}
}  // namespace

// libchm sizes its decompression buffers from the compressed section's
// header: the block length of the reset table and the LZX window. A file
// claiming huge ones would make it allocate gigabytes at the first read, so
// such a file is refused at once. Both tables lie in the uncompressed
// section, which is read as it stands.
bool ChmFile::SaneCompression() const {
    constexpr quint64 kMaxBlock = 1 << 20;   // help compilers write 32 KiB
    constexpr quint64 kMaxWindow = 2 << 20;  // the largest LZX window
    const QByteArray table = Head(
        "::DataSpace/Storage/MSCompressed/Transform/"
        "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable",
        40);
    const QByteArray control = Head("::DataSpace/Storage/MSCompressed/ControlData", 28);
    if (table.isNull() && control.isNull()) return true;  // nothing compressed
    if (table.size() < 40 || control.size() < 20) return false;
    const quint64 block = LittleEndian(table, 32, 8);
    const quint64 version = LittleEndian(control, 8, 4);
    const quint64 window = LittleEndian(control, 16, 4) * (version == 2 ? 0x8000 : 1);
    return block > 0 && block <= kMaxBlock && window <= kMaxWindow;
}

QByteArray ChmFile::Head(const char* objectPath, int bytes) const {
    chmUnitInfo unit{};
    if (chm_resolve_object(handle, objectPath, &unit) != CHM_RESOLVE_SUCCESS) return {};
    if (unit.space != CHM_UNCOMPRESSED) return QByteArray("");
    QByteArray data(int(std::min<LONGUINT64>(unit.length, bytes)), Qt::Uninitialized);
    const LONGINT64 got = chm_retrieve_object(
        handle, &unit, reinterpret_cast<unsigned char*>(data.data()), 0, data.size());
    return got == data.size() ? data : QByteArray("");
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

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/ChmFile.h"

#include <chm_lib.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>

#include "help/ChmLibrary.h"
#include "platform/RegularFile.h"
#include "platform/TarvoError.h"

#if defined(__SANITIZE_ADDRESS__)
#define ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ADDRESS_SANITIZER
#endif
#endif

namespace {
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// Opens the help file in a child process first, and reads every object
// there, under a memory and time limit: libchm trusts the file's header
// fields, and some make it divide by zero or allocate gigabytes. Only a file
// the child got through is opened in the program itself.
bool SurvivesProbe(const QByteArray& chmPath) {
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        const rlimit seconds{2, 2};
        setrlimit(RLIMIT_CPU, &seconds);
#ifndef ADDRESS_SANITIZER  // which reserves far more address space than this
        const rlimit memory{512 << 20, 512 << 20};
        setrlimit(RLIMIT_AS, &memory);
#endif
        alarm(5);
        chmFile* h = chm_open(chmPath.constData());
        if (!h) _exit(1);
        chm_enumerate(
            h, CHM_ENUMERATE_ALL,
            [](chmFile* h, chmUnitInfo* unit, void*) {
                static unsigned char buffer[ChmFile::kMaxObject];
                if (unit->length <= sizeof buffer)
                    chm_retrieve_object(h, unit, buffer, 0, unit->length);
                return CHM_ENUMERATOR_CONTINUE;
            },
            nullptr);
        chm_close(h);
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
}  // namespace

ChmFile::ChmFile(const QString& path) {
    // The file is copied into memory first, so that the program opens exactly
    // the bytes the probe read, and a FIFO of the same name never blocks.
    if (!LoadChmLibrary()) throw TarvoError("Pomocy nie można otworzyć: brak biblioteki libchm");
    QFile source;
    QString why;
    if (!OpenRegularFile(source, path, QIODevice::ReadOnly, why))
        throw TarvoError("Brak pliku pomocy " + path);
    const QByteArray bytes = source.read(kMaxFileBytes + 1);
    memory = memfd_create("terravika-help", MFD_CLOEXEC);
    if (bytes.size() > kMaxFileBytes || memory < 0 ||
        write(memory, bytes.constData(), bytes.size()) != bytes.size())
        throw TarvoError("Plik pomocy " + path + " jest uszkodzony");
    const QByteArray copy = "/proc/self/fd/" + QByteArray::number(memory);
    if (SurvivesProbe(copy)) handle = chm_open(copy.constData());
    if (!handle || !SaneCompression()) {
        if (handle) chm_close(handle);
        close(memory);
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
    if (table.size() < 40 || control.size() < 24) return false;
    const quint64 block = LittleEndian(table, 32, 8);
    // libchm reads these as 32-bit numbers and divides by the blocks between
    // resets, so they are checked in its own arithmetic.
    const bool v2 = LittleEndian(control, 8, 4) == 2;
    const quint32 interval = quint32(LittleEndian(control, 12, 4)) * (v2 ? 0x8000u : 1u);
    const quint32 window = quint32(LittleEndian(control, 16, 4)) * (v2 ? 0x8000u : 1u);
    const quint32 windowsPerReset = quint32(LittleEndian(control, 20, 4));
    if (block == 0 || block > kMaxBlock || window < 2 || window > kMaxWindow || interval == 0)
        return false;
    return quint32(interval / (window / 2) * windowsPerReset) != 0;
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

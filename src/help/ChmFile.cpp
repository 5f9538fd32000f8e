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

namespace {
// The in-memory copy of the help file: libchm opens it again by name, so it
// is closed as soon as chm_open has returned, whatever happened.
struct MemoryCopy {
    int fd = memfd_create("terravika-help", MFD_CLOEXEC);
    ~MemoryCopy() {
        if (fd >= 0) close(fd);
    }
    QByteArray Path() const { return "/proc/self/fd/" + QByteArray::number(fd); }
};

// More objects than any help file has; the rest of a larger list is ignored.
constexpr int kMaxObjects = 20000;
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
    {
        const MemoryCopy copy;
        if (bytes.size() <= kMaxFileBytes && copy.fd >= 0 &&
            write(copy.fd, bytes.constData(), bytes.size()) == bytes.size() &&
            SurvivesProbe(copy.Path()))
            handle = chm_open(copy.Path().constData());
    }
    if (handle) ListObjects();
    if (!handle || !SaneCompression()) {
        if (handle) chm_close(handle);
        throw TarvoError("Plik pomocy " + path + " jest uszkodzony");
    }
}

// The list is walked page by page along its links, as in the probe, which
// has shown that the walk ends.
void ChmFile::ListObjects() {
    chm_enumerate(
        handle, CHM_ENUMERATE_ALL,
        [](chmFile*, chmUnitInfo* unit, void* context) {
            auto& self = *static_cast<ChmFile*>(context);
            if (self.objects.size() >= kMaxObjects) return CHM_ENUMERATOR_SUCCESS;
            const QString name = QString::fromUtf8(unit->path);
            self.objects.insert(name.toLower(), {unit->start, unit->length, unit->space});
            if ((unit->flags & CHM_ENUMERATE_NORMAL) && (unit->flags & CHM_ENUMERATE_FILES))
                self.fileList.append(name);
            return CHM_ENUMERATOR_CONTINUE;
        },
        this);
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
    const auto found = objects.constFind(QString::fromLatin1(objectPath).toLower());
    if (found == objects.cend()) return {};
    if (found->space != CHM_UNCOMPRESSED) return QByteArray("");
    const QByteArray data = Retrieve(*found, std::min<quint64>(found->length, bytes));
    return data.isNull() ? QByteArray("") : data;
}

ChmFile::~ChmFile() {
    chm_close(handle);
}

QByteArray ChmFile::read(const QString& objectPath) const {
    const auto found = objects.constFind(objectPath.toLower());
    if (found == objects.cend() || found->length > quint64(kMaxObject)) return {};
    return Retrieve(*found, found->length);
}

QByteArray ChmFile::Retrieve(const Object& object, quint64 bytes) const {
    chmUnitInfo unit{};
    unit.start = object.start;
    unit.length = object.length;
    unit.space = object.space;
    QByteArray data(qsizetype(bytes), Qt::Uninitialized);
    const LONGINT64 got = chm_retrieve_object(
        handle, &unit, reinterpret_cast<unsigned char*>(data.data()), 0, LONGINT64(bytes));
    return got == LONGINT64(bytes) ? data : QByteArray();
}

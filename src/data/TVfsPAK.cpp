#include "data/TVfsPAK.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>

#include "data/TarvoError.h"

namespace {

QString FileError(const QFile& file) {
    return QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
}

bool ReadExactly(QFile& file, void* into, qint64 count) {
    return file.read(static_cast<char*>(into), count) == count;
}

}  // namespace

QString TVfsPAK::DecodeName(const char* field, int length) {
    const int end = int(std::find(field, field + length, '\0') - field);
    QStringDecoder decoder("windows-1250");
    return decoder.decode(QByteArrayView(field, end));
}

void TVfsPAK::Close() {
    file.reset();
    names.clear();
    records.clear();
    header = {};
}

void TVfsPAK::Fail(const QString& message) {
    Close();
    throw TarvoError(message);
}

bool TVfsPAK::Open(const QString& name, Mode mode) {
    Close();
    fileName = name;
    auto opened = std::make_unique<QFile>(name);
    if (!opened->exists()) throw TarvoError(QStringLiteral("%1: plik nie istnieje").arg(name));
    const auto flags = mode == ReadWrite ? QIODevice::ReadWrite : QIODevice::ReadOnly;
    if (!opened->open(flags)) throw TarvoError(FileError(*opened));
    file = std::move(opened);

    if (file->size() == 0) {
        // An empty file becomes an archive without entries; one opened for
        // reading only cannot be given its header.
        if (mode == ReadOnly) Fail(QStringLiteral("%1: plik jest pusty").arg(name));
        PackHeader fresh{{'P', 'A', 'C', 'K'}, 12, 0};
        if (file->write(reinterpret_cast<const char*>(&fresh), sizeof fresh) != sizeof fresh ||
            !file->flush())
            Fail(FileError(*file));
        file->seek(0);
    }
    if (!ReadExactly(*file, &header, sizeof header) || std::memcmp(header.magic, "PACK", 4) != 0) {
        Close();
        return false;
    }
    ReadDirectory();
    return true;
}

int TVfsPAK::EntryCount() const {
    return file ? header.dirLength / 128 : 0;
}

void TVfsPAK::ReadDirectory() {
    names.clear();
    records.clear();
    const qint64 fileSize = file->size();
    const int count = EntryCount();
    if (count <= 0) return;
    if (header.dirOffset < 0 || qint64(header.dirOffset) + qint64(count) * 128 > fileSize)
        Fail(QStringLiteral("%1: katalog archiwum leży poza plikiem").arg(fileName));
    file->seek(header.dirOffset);
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        PackDirEntry entry;
        if (!ReadExactly(*file, &entry, sizeof entry))
            Fail(QStringLiteral("%1: katalog archiwum jest niepełny").arg(fileName));
        if (entry.offset < 0 || entry.size < 0 || qint64(entry.offset) + entry.size > fileSize)
            Fail(QStringLiteral("%1: pozycja %2 leży poza plikiem").arg(fileName).arg(i + 1));
        records.append(entry);
        names.append(DecodeName(entry.name, sizeof entry.name));
    }
}

int TVfsPAK::IndexOf(const QString& name) const {
    for (int i = 0; i < names.size(); ++i)
        if (QString::compare(names[i], name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool TVfsPAK::Contains(const QString& name) const {
    return IndexOf(name) >= 0;
}

QByteArray TVfsPAK::ExtractByIndex(int index) {
    return ExtractHead(index, INT32_MAX);
}

QByteArray TVfsPAK::ExtractHead(int index, qint64 maxBytes) {
    if (!file || index < 0 || index >= records.size())
        throw TarvoError(QStringLiteral("%1: brak pozycji nr %2").arg(fileName).arg(index));
    const PackDirEntry& entry = records[index];
    const qint64 size = std::min<qint64>(entry.size, std::max<qint64>(maxBytes, 0));
    QByteArray bytes(size, Qt::Uninitialized);
    if (!file->seek(entry.offset) || !ReadExactly(*file, bytes.data(), size))
        throw TarvoError(
            QStringLiteral("%1: nie można odczytać pozycji %2").arg(fileName, names[index]));
    return bytes;
}

std::optional<QByteArray> TVfsPAK::Extract(const QString& name) {
    const int index = IndexOf(name);
    if (index < 0) return std::nullopt;
    return ExtractByIndex(index);
}

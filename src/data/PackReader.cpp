// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/PackReader.h"

#include <algorithm>
#include <cstring>

#include "platform/RegularFile.h"
#include "platform/TarvoError.h"
#include "platform/Windows1250.h"

namespace {

// More entries than any photo set or map archive holds; a larger count is a
// damaged or hostile directory.
constexpr int kMaxEntries = 65536;

bool ReadExactly(QFile& file, void* into, qint64 count) {
    return file.read(static_cast<char*>(into), count) == count;
}

}  // namespace

QString PackReader::DecodeName(const char* field, int length) {
    const int end = int(std::find(field, field + length, '\0') - field);
    return Windows1250::Decode(QByteArrayView(field, end));
}

void PackReader::Close() {
    file.reset();
    names.clear();
    records.clear();
    header = {};
}

void PackReader::Fail(const QString& message) {
    Close();
    throw TarvoError(message);
}

bool PackReader::Open(const QString& name) {
    Close();
    fileName = name;
    auto opened = std::make_unique<QFile>();
    QString why;
    if (!OpenRegularFile(*opened, name, QIODevice::ReadOnly, why))
        throw TarvoError(QStringLiteral("%1: %2").arg(name, why));
    file = std::move(opened);

    if (file->size() == 0) Fail(QStringLiteral("%1: plik jest pusty").arg(name));
    if (!ReadExactly(*file, &header, sizeof header) || std::memcmp(header.magic, "PACK", 4) != 0) {
        Close();
        return false;
    }
    ReadDirectory();
    return true;
}

int PackReader::EntryCount() const {
    return file ? header.dirLength / 128 : 0;
}

void PackReader::ReadDirectory() {
    names.clear();
    records.clear();
    const qint64 fileSize = file->size();
    const int count = EntryCount();
    if (count <= 0) return;
    if (count > kMaxEntries)
        Fail(QStringLiteral("%1: spis zawartości archiwum ma za dużo pozycji").arg(fileName));
    if (header.dirOffset < 0 || qint64(header.dirOffset) + qint64(count) * 128 > fileSize)
        Fail(QStringLiteral("%1: spis zawartości archiwum leży poza plikiem").arg(fileName));
    file->seek(header.dirOffset);
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        PackDirEntry entry;
        if (!ReadExactly(*file, &entry, sizeof entry))
            Fail(QStringLiteral("%1: spis zawartości archiwum jest niepełny").arg(fileName));
        // A member running past the end only fails when it is extracted.
        if (entry.offset < 0 || entry.size < 0)
            Fail(QStringLiteral("%1: pozycja %2 jest nieprawidłowa").arg(fileName).arg(i + 1));
        records.append(entry);
        names.append(DecodeName(entry.name, sizeof entry.name));
    }
}

int PackReader::IndexOf(const QString& name) const {
    for (int i = 0; i < names.size(); ++i)
        if (QString::compare(names[i], name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool PackReader::Contains(const QString& name) const {
    return IndexOf(name) >= 0;
}

QByteArray PackReader::ExtractByIndex(int index, qint64 maxBytes) {
    return Read(index, maxBytes, false);
}

QByteArray PackReader::ExtractHead(int index, qint64 maxBytes) {
    return Read(index, maxBytes, true);
}

QByteArray PackReader::Read(int index, qint64 maxBytes, bool head) {
    if (!file || index < 0 || index >= records.size())
        throw TarvoError(QStringLiteral("%1: brak pozycji nr %2").arg(fileName).arg(index));
    const PackDirEntry& entry = records[index];
    if (qint64(entry.offset) + entry.size > file->size())
        throw TarvoError(
            QStringLiteral("%1: pozycja %2 leży poza plikiem").arg(fileName, names[index]));
    if (entry.size > maxBytes && !head)
        throw TarvoError(QStringLiteral("%1: pozycja %2 jest za duża").arg(fileName, names[index]));
    const qint64 size = std::min<qint64>(entry.size, std::max<qint64>(maxBytes, 0));
    QByteArray bytes(size, Qt::Uninitialized);
    if (!file->seek(entry.offset) || !ReadExactly(*file, bytes.data(), size))
        throw TarvoError(
            QStringLiteral("%1: nie można odczytać pozycji %2").arg(fileName, names[index]));
    return bytes;
}

std::optional<QByteArray> PackReader::Extract(const QString& name, qint64 maxBytes) {
    const int index = IndexOf(name);
    if (index < 0) return std::nullopt;
    return ExtractByIndex(index, maxBytes);
}

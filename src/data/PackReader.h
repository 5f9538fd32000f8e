// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reader of PACK archives: a 12-byte header ("PACK", directory offset,
// directory length), the members' bytes, and a directory of 128-byte records
// (120-byte name, offset, size; little-endian signed 32-bit integers).
#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <memory>
#include <optional>

#pragma pack(push, 1)
struct PackHeader {
    char magic[4];
    qint32 dirOffset;
    qint32 dirLength;
};
struct PackDirEntry {
    char name[120];
    qint32 offset;
    qint32 size;
};
#pragma pack(pop)
static_assert(sizeof(PackHeader) == 12 && sizeof(PackDirEntry) == 128);

class PackReader {
public:
    PackReader() = default;
    PackReader(const PackReader&) = delete;
    PackReader& operator=(const PackReader&) = delete;

    // Opens an archive for reading and reads its directory. Returns false when
    // the file does not start with "PACK" (the reader is then empty). Throws
    // TarvoError when the file cannot be opened, is no regular file or is
    // empty, when the directory lies outside the file or has more than 65536
    // entries, or when an entry has a negative offset or size.
    bool Open(const QString& fileName);
    void Close();

    int EntryCount() const;  // dirLength / 128 of the open archive
    const QStringList& Names() const { return names; }
    // The size a member's record gives, without reading it.
    qint64 MemberSize(int index) const { return records.value(index).size; }
    bool Contains(const QString& name) const;
    int IndexOf(const QString& name) const;  // first match, case-insensitive; -1 if none

    // Members larger than this are refused before memory is taken for them.
    static constexpr qint64 kMaxMemberBytes = 64 << 20;

    // The bytes of one member. Throws TarvoError when the member runs past the
    // end of the file, is larger than maxBytes, or cannot be read.
    QByteArray ExtractByIndex(int index, qint64 maxBytes = kMaxMemberBytes);
    // At most maxBytes from the start of a member, for a glance at a member
    // that may be large. Throws TarvoError as ExtractByIndex does.
    QByteArray ExtractHead(int index, qint64 maxBytes);
    // The first member of this name, or nothing when there is none.
    std::optional<QByteArray> Extract(const QString& name, qint64 maxBytes = kMaxMemberBytes);

    const QString& FileName() const { return fileName; }
    bool IsOpen() const { return file != nullptr; }

    // Decodes a directory name field: Windows-1250, ended by the first zero.
    static QString DecodeName(const char* field, int length);

private:
    QByteArray Read(int index, qint64 maxBytes, bool head);
    void ReadDirectory();
    void Fail(const QString& message);

    PackHeader header{};
    std::unique_ptr<QFile> file;
    QStringList names;
    QList<PackDirEntry> records;
    QString fileName;
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Read access to a compiled help file through libchm. The file comes from the
// base folder, so it is untrusted: only regular files of at most 64 MiB are
// opened, first in a child process with limits (see ChmFile.cpp), and every
// object read is bounded in size. Names are looked up in the list of objects
// made at opening, never through the file's own index, whose pages may point
// at each other in a loop.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

struct chmFile;

class ChmFile {
public:
    // Largest object handed out; help pages, style sheets and pictures are far
    // smaller.
    static constexpr qint64 kMaxObject = 8 * 1024 * 1024;

    // Throws TarvoError with a Polish message when the file cannot be read.
    explicit ChmFile(const QString& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // The object at an absolute path inside the file ("/index.html"); empty
    // when it is missing, unreadable or larger than kMaxObject.
    QByteArray read(const QString& objectPath) const;
    // Paths of the ordinary (non-system) files it holds.
    QStringList files() const { return fileList; }

    // Where an object lies; names compare without regard to letter case.
    struct Object {
        quint64 start = 0, length = 0;
        int space = 0;
    };

private:
    void ListObjects();
    bool SaneCompression() const;
    // At most the first bytes of an object of the uncompressed section; null
    // when there is no such object, empty when it cannot be read so.
    QByteArray Head(const char* objectPath, int bytes) const;
    QByteArray Retrieve(const Object& object, quint64 bytes) const;

    chmFile* handle = nullptr;
    QHash<QString, Object> objects;  // by lower-case path
    QStringList fileList;
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestFiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>

TempWorkDir::TempWorkDir() : previous(QDir::currentPath()) {
    QDir::setCurrent(dir.path());
}

TempWorkDir::~TempWorkDir() {
    QDir::setCurrent(previous);
}

void TempWorkDir::write(const QString& name, const QByteArray& bytes) const {
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (out.open(QIODevice::WriteOnly)) out.write(bytes);
}

QByteArray TempWorkDir::read(const QString& name) const {
    QFile in(file(name));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

QByteArray MakeJpeg(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

QByteArray MakePhotoSet(const QByteArray& list, int pictures) {
    QList<PackMember> members{{"Spis.txt", list}};
    for (int n = 1; n <= pictures; ++n)
        members.append({QStringLiteral("Im%1.jpg").arg(n), MakeJpeg(384, 256)});
    return BuildPack(members);
}

namespace {
void Put32(QByteArray& out, int at, quint32 value) {
    for (int i = 0; i < 4; ++i) out[at + i] = char(value >> (8 * i));
}

QByteArray EncInt(quint64 value) {
    QByteArray bytes(1, char(value & 0x7f));
    while (value >>= 7) bytes.prepend(char(0x80 | (value & 0x7f)));
    return bytes;
}

// A directory chunk: its header, then the entries; the rest is free space.
QByteArray Chunk(const char* marker, int headerSize, const QByteArray& entries, int size) {
    QByteArray chunk(size, '\0');
    chunk.replace(0, 4, marker);
    Put32(chunk, 4, quint32(size - headerSize - entries.size()));
    if (headerSize > 8) {
        Put32(chunk, 12, quint32(-1));  // no previous chunk
        Put32(chunk, 16, quint32(-1));  // no next chunk
    }
    chunk.replace(headerSize, entries.size(), entries);
    return chunk;
}
}  // namespace

QByteArray MakeHelpFile(const QList<PackMember>& objects, bool indexLoop) {
    constexpr int kChunk = 4096, kItsf = 0x60, kItsp = 0x54;
    QByteArray listing, content;
    for (const PackMember& object : objects) {
        const QByteArray name = object.name.toUtf8();
        listing += EncInt(name.size()) + name + EncInt(0) + EncInt(content.size()) +
                   EncInt(object.bytes.size());
        content += object.bytes;
    }
    QByteArray directory = Chunk("PMGL", 0x14, listing, kChunk);
    if (indexLoop) {
        const QByteArray self = EncInt(1) + "/" + EncInt(1), list = EncInt(2) + "::" + EncInt(0);
        directory += Chunk("PMGI", 8, self + list, kChunk);
    }
    const int chunks = indexLoop ? 2 : 1;
    QByteArray itsp(kItsp, '\0');
    itsp.replace(0, 4, "ITSP");
    for (auto [at, value] : {std::pair{4, 1},
                             {8, kItsp},
                             {12, 10},
                             {16, kChunk},
                             {20, 2},
                             {24, chunks},
                             {28, indexLoop ? 1 : -1},
                             {32, 0},
                             {36, -1},
                             {40, chunks},
                             {48, 0x415}})
        Put32(itsp, at, quint32(value));
    QByteArray itsf(kItsf, '\0');
    itsf.replace(0, 4, "ITSF");
    const int dirAt = kItsf, dirSize = kItsp + int(directory.size());
    for (auto [at, value] : {std::pair{4, 3},
                             {8, kItsf},
                             {12, 1},
                             {20, 0x415},
                             {56, kItsf},
                             {72, dirAt},
                             {80, dirSize},
                             {88, dirAt + dirSize}})
        Put32(itsf, at, quint32(value));
    return itsf + itsp + directory + content;
}

QByteArray MakePng(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

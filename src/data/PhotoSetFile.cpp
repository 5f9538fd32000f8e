// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/PhotoSetFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include "data/DataAccess.h"
#include "data/ImageCodecs.h"
#include "data/PackReader.h"
#include "platform/TarvoError.h"
#include "platform/Windows1250.h"

namespace {

constexpr int kJpegQuality = 90;
constexpr qint64 kTitleBytes = 4096;
constexpr int kTitleLength = 80;
constexpr int kPictureFileMegabytes = 256;  // decoded size a picture file may take

QByteArray EncodeAnsi(const QString& text) {
    const std::optional<QByteArray> bytes = Windows1250::Encode(text);
    if (!bytes)
        throw TarvoError(QStringLiteral("Tekstu „%1” nie da się zapisać w Spis.txt").arg(text));
    return *bytes;
}

QByteArray EncodeJpeg(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "JPG", kJpegQuality))
        throw TarvoError(QStringLiteral("Nie udało się zapisać obrazka"));
    return bytes;
}

QString PictureLine(const PhotoSetRules::Entry& entry) {
    return entry.name + u'*' + entry.description;
}

}  // namespace

QByteArray BuildPictureList(const QString& title, const QList<PhotoSetRules::Entry>& entries) {
    QStringList lines{title, entries.isEmpty() ? QStringLiteral("*") : PictureLine(entries[0])};
    for (const PhotoSetRules::Entry& entry : entries) lines.append(PictureLine(entry));
    return EncodeAnsi(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QList<PackMember> PhotoSetMembers(const PhotoSetContent& set) {
    QList<PackMember> members{
        {QStringLiteral("Spis.txt"), BuildPictureList(set.title, set.entries)}};
    for (int i = 0; i < set.entries.size(); ++i)
        members.append({QStringLiteral("Im%1.jpg").arg(i + 1), EncodeJpeg(set.entries[i].picture)});
    if (!set.entries.isEmpty()) members.append({QStringLiteral("Im0.jpg"), members[1].bytes});
    return members;
}

PhotoSetContent ReadPhotoSet(const QString& path) {
    PackReader pak;
    if (!pak.Open(path))
        throw TarvoError(QStringLiteral("%1 nie jest zestawem obrazków").arg(path));
    const auto list = pak.Extract(QStringLiteral("Spis.txt"));
    if (!list) throw TarvoError(QStringLiteral("W zestawie brak pliku Spis.txt"));
    const QStringList lines = DataAccess::DecodeList(*list);
    PhotoSetContent set{lines.value(0), {}};
    for (int n = 1; n + 1 < lines.size(); ++n) {
        const QString& line = lines[n + 1];
        const qsizetype star = line.indexOf(u'*');
        PhotoSetRules::Entry entry{
            star < 0 ? line : line.left(star), star < 0 ? QString() : line.mid(star + 1), {}, {}};
        try {
            const auto bytes = pak.Extract(QStringLiteral("Im%1.jpg").arg(n));
            if (!bytes) throw TarvoError(QStringLiteral("Brak obrazka Im%1.jpg").arg(n));
            entry.picture = DecodeJpeg(*bytes);
        } catch (const TarvoError& error) {
            entry.pictureProblem = error.message();
        }
        set.entries.append(entry);
    }
    return set;
}

QString ReadPhotoSetTitle(const QString& path) {
    try {
        PackReader pak;
        if (!pak.Open(path)) return {};
        const int index = pak.IndexOf(QStringLiteral("Spis.txt"));
        if (index < 0) return {};
        const QByteArray head = pak.ExtractHead(index, kTitleBytes);
        QString title = DataAccess::DecodeList(head).value(0).simplified();
        title.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        if (title.size() > kTitleLength) title = title.left(kTitleLength - 1) + u'…';
        return title;
    } catch (const TarvoError&) {
        return {};
    }
}

QImage LoadPictureFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QImageReader reader(path);
    const QByteArray format = reader.format();
    if (format != "jpeg" && format != "png")
        throw TarvoError(QStringLiteral("%1: to nie jest zdjęcie JPEG ani PNG").arg(name));
    reader.setAutoTransform(true);
    reader.setAllocationLimit(kPictureFileMegabytes);
    const QImage image = reader.read();
    if (image.isNull())
        throw TarvoError(QStringLiteral("%1: nie da się odczytać obrazka").arg(name));
    return image;
}

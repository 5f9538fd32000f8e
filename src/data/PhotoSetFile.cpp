// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/PhotoSetFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QTransform>

#include "data/DataAccess.h"
#include "data/ImageCodecs.h"
#include "data/PackReader.h"
#include "platform/RegularFile.h"
#include "platform/TarvoError.h"
#include "platform/Windows1250.h"

namespace {

constexpr int kJpegQuality = 90;
constexpr qint64 kTitleBytes = 4096;
constexpr int kTitleLength = 80;
constexpr int kPictureFileMegabytes = 128;  // decoded size a PNG file may take
constexpr qint64 kMaxPictureFileBytes = 64 << 20;
constexpr qint64 kMaxPhotoPixels = 120 << 20;  // a 12000 x 10000 camera photo
// A photo is kept only as large as its cut may need, whichever way it turns.
constexpr QSize kKeptSize{768, 768};

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

// A set's picture as the editor keeps it: the 384 x 256 the set shows.
QImage SetPicture(const QByteArray& jpeg) {
    const QImage picture = DecodeJpeg(jpeg, {kMaxPicturePixels, PhotoSetRules::kPictureSize}).image;
    if (!PhotoSetRules::UsualProportions(picture.size()))
        throw TarvoError(PhotoSetRules::kOddProportions);
    return PhotoSetRules::FitPicture(picture);
}

QImage OnWhite(const QImage& image) {
    if (!image.hasAlphaChannel()) return image;
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QPainter(&white).drawImage(0, 0, image);
    return white;
}

// At most kKeptSize's shorter side on the picture's shorter side.
QImage Kept(const QImage& image) {
    const int shorter = std::min(image.width(), image.height());
    if (shorter <= kKeptSize.width()) return image;
    return image.scaled(image.size() * (double(kKeptSize.width()) / shorter), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

QImage Upright(QImage image, QImageIOHandler::Transformations turn) {
    if (turn & QImageIOHandler::TransformationMirror) image = image.mirrored(true, false);
    if (turn & QImageIOHandler::TransformationFlip) image = image.mirrored(false, true);
    if (turn & QImageIOHandler::TransformationRotate90)
        image = image.transformed(QTransform().rotate(90));
    return image;
}

QByteArray ReadPictureBytes(const QString& path, const QString& name) {
    QFile file;
    QString why;
    if (!OpenRegularFile(file, path, QIODevice::ReadOnly, why))
        throw TarvoError(QStringLiteral("%1: %2").arg(name, why));
    if (file.size() > kMaxPictureFileBytes)
        throw TarvoError(QStringLiteral("%1: plik jest za duży").arg(name));
    return file.read(kMaxPictureFileBytes);
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
            entry.picture = SetPicture(*bytes);
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

PictureFile LoadPictureFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const QByteArray bytes = ReadPictureBytes(path, name);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "jpeg" && format != "png")
        throw TarvoError(QStringLiteral("%1: to nie jest zdjęcie JPEG ani PNG").arg(name));
    const QSize size = reader.size();
    if (!size.isEmpty() && !PhotoSetRules::UsualProportions(size))
        throw TarvoError(QStringLiteral("%1: %2").arg(name, PhotoSetRules::kOddProportions));
    const QImageIOHandler::Transformations turn = reader.transformation();
    PictureFile picture;
    bool damaged = false;
    if (format == "jpeg") {
        const JpegPicture jpeg = DecodeJpeg(bytes, {kMaxPhotoPixels, kKeptSize, true});
        picture.image = jpeg.image;
        damaged = jpeg.damaged;
    } else {
        reader.setAllocationLimit(kPictureFileMegabytes);
        picture.image = reader.read();
        if (picture.image.isNull())
            throw TarvoError(QStringLiteral("%1: nie da się odczytać obrazka").arg(name));
    }
    picture.image = Upright(Kept(OnWhite(picture.image)), turn);
    picture.size = (turn & QImageIOHandler::TransformationRotate90) ? size.transposed() : size;
    if (damaged)
        picture.warning = QStringLiteral("Obrazek jest niekompletny");
    else if (picture.size.width() < PhotoSetRules::kPictureSize.width() ||
             picture.size.height() < PhotoSetRules::kPictureSize.height())
        picture.warning = QStringLiteral("Obrazek jest mały i będzie nieostry");
    return picture;
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/DataAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStringDecoder>
#include <algorithm>

#include "core/Config.h"
#include "data/ImageCodecs.h"
#include "data/PhotoSetFile.h"
#include "platform/Platform.h"
#include "platform/PolishOrder.h"
#include "platform/TarvoError.h"
#include "platform/Theme.h"
#include "platform/Windows1250.h"

namespace {

const QString kReadProblem = QStringLiteral("Problem z odczytem");
// A list of thousands of pictures is far below this; a larger Spis.txt is
// refused before it is read.
constexpr qint64 kMaxListBytes = 1 << 20;
constexpr qsizetype kMaxLineLength = 1000;

}  // namespace

DataAccess::DataAccess(Config& config, Platform& platform) : config(config), platform(platform) {}

QString DataAccess::PathUnderBase(const QString& relative) const {
    QString path = config.BaseFolder;
    for (const QString& part : relative.split('/', Qt::SkipEmptyParts)) {
        QString found = part;
        const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (const QString& entry : entries)
            if (QString::compare(entry, part, Qt::CaseInsensitive) == 0) {
                found = entry;
                if (entry == part) break;
            }
        path += '/' + found;
    }
    return path;
}

QStringList DataAccess::FindPhotoSetFiles(const QString& folder) {
    QStringList names;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries)
        if (entry.fileName().endsWith("dat", Qt::CaseInsensitive)) names.append(entry.fileName());
    std::sort(names.begin(), names.end(), PolishOrder::Less);
    return names;
}

QString DataAccess::SetName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf('.');
    return dot < 0 ? fileName : fileName.left(dot);
}

QStringList DataAccess::DecodeList(const QByteArray& data) {
    QString text;
    if (data.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(data.mid(3));
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString asUtf8 = utf8.decode(data);
        const bool nonAscii =
            std::any_of(data.begin(), data.end(), [](char c) { return c & 0x80; });
        if (nonAscii && !utf8.hasError()) {
            text = asUtf8;
        } else {
            text = Windows1250::Decode(data);
        }
    }
    text.replace("\r\n", "\n").replace('\r', '\n');
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    // A picture's line is a name and a sentence; a longer one is cut so that
    // a label never lays out megabytes of text.
    for (QString& line : lines) line.truncate(kMaxLineLength);
    return lines;
}

QStringList DataAccess::PhotoSetTitles() const {
    QStringList titles;
    for (int i = 0; i < photoSetFiles.size(); ++i) {
        const QString title = ReadPhotoSetTitle(dataFolder + photoSetFiles[i]);
        titles.append(title.isEmpty() ? photoSetList.value(i) : title);
    }
    return titles;
}

QString DataAccess::PhotoSetPath() const {
    return dataFolder + photoSetFiles.value(config.PhotoSetIndex);
}

void DataAccess::InitDataAccess() {
    pictureList.clear();
    pictureCount = 0;
    dataFolder = PathUnderBase("Data") + '/';
    photoSetFiles = FindPhotoSetFiles(dataFolder);
    photoSetList.clear();
    for (const QString& file : photoSetFiles) photoSetList.append(SetName(file));
    photoSetCount = int(photoSetList.size());
    if (photoSetCount == 0) {
        platform.messages.error(QStringLiteral("Brak pliku z fotografiami"), Theme::kErrorVerdict);
        return;
    }
    if (config.PhotoSetIndex < 0 || config.PhotoSetIndex >= photoSetCount) {
        config.PhotoSetIndex = 0;
        // The set still opens when the settings cannot be written.
        try {
            WriteConfig(config);
        } catch (const TarvoError& e) {
            platform.messages.error(e.message(), Theme::kErrorVerdict);
        }
    }
    OpenPhotoSet();
}

void DataAccess::ReleaseDataAccess() {
    pack.Close();
    pictureList.clear();
    photoSetList.clear();
    photoSetFiles.clear();
}

bool DataAccess::OpenPhotoSet() {
    try {
        if (config.PhotoSetIndex < 0 || config.PhotoSetIndex >= photoSetList.size())
            throw TarvoError(kReadProblem);
        if (!pack.Open(PhotoSetPath())) throw TarvoError(kReadProblem);
        const auto list = pack.Extract("Spis.txt", kMaxListBytes);
        if (!list) throw TarvoError(kReadProblem);
        pictureList = DecodeList(*list);
        pictureCount = std::max(0, int(pictureList.size()) - 2);
        return true;
    } catch (const TarvoError&) {
        platform.messages.error(kReadProblem, Theme::kErrorVerdict);
        return false;
    }
}

void DataAccess::ChangePhotoSet(int index) {
    Config chosen = config;
    chosen.PhotoSetIndex = index;
    WriteConfig(chosen);
    config.PhotoSetIndex = index;
    OpenPhotoSet();
}

QByteArray DataAccess::ReadEntry(const QString& archive, const QString& entry) {
    if (!pack.Open(archive))
        throw TarvoError(QStringLiteral("%1: to nie jest archiwum PACK").arg(archive));
    const auto bytes = pack.Extract(entry);
    if (!bytes) throw TarvoError(QStringLiteral("Brak pozycji %1 w %2").arg(entry, archive));
    return *bytes;
}

void DataAccess::LoadPhotoSetPicture(int n) {
    if (photoSetList.isEmpty()) throw TarvoError(QStringLiteral("Brak pliku z fotografiami"));
    pictureBitmap = DecodeJpeg(ReadEntry(PhotoSetPath(), QStringLiteral("Im%1.jpg").arg(n)));
    platform.waits.processEvents();
    platform.waits.pause(10);
}

QByteArray DataAccess::LoadExplorerText(const QString& entry) {
    try {
        return ReadEntry(PathUnderBase("Maps/GeoMen.dat"), entry);
    } catch (const TarvoError&) {
        platform.messages.error(kReadProblem, Theme::kErrorVerdict);
        return {};
    }
}

QImage DataAccess::LoadExplorerPicture(const QString& entry) {
    return DecodeJpeg(ReadEntry(PathUnderBase("Maps/GeoMen.dat"), entry));
}

QImage DataAccess::LoadMapImage(const QString& entry, int kind) {
    const QByteArray bytes = ReadEntry(PathUnderBase("Maps/GeoMap.dat"), entry);
    return kind == 1 ? DecodeJpeg(bytes) : DecodeBmp(bytes);
}

QImage DataAccess::LoadMapFlag(const QString& entry) {
    // The flags are small pictures of our own generator; anything larger is
    // no flag of ours.
    constexpr int kMaxSide = 256;
    const QImage flag = QImage::fromData(ReadEntry(PathUnderBase("Maps/GeoMap.dat"), entry), "PNG");
    if (flag.isNull() || flag.width() > kMaxSide || flag.height() > kMaxSide)
        throw TarvoError(kReadProblem);
    return flag;
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The data layer: the data folders, the photo sets and their lists, and the
// loaders that read pictures and texts out of the PACK archives. It opens
// every archive read-only: the program never writes a data file.
#include <QImage>
#include <QStringList>

#include "data/PackReader.h"

struct Config;
struct Platform;

class DataAccess {
public:
    DataAccess(Config& config, Platform& platform);

    // Finds the photo sets in BaseFolder/Data, resets a stored index that is
    // too large (and writes the configuration), opens the chosen set.
    void InitDataAccess();
    void ReleaseDataAccess();

    // Opens the chosen set and reads its Spis.txt; on failure shows
    // "Problem z odczytem" and keeps the previous list. Returns success.
    bool OpenPhotoSet();
    // Stores set `index` as the chosen one, then opens it. Throws TarvoError
    // when the configuration cannot be written; nothing changes then.
    void ChangePhotoSet(int index);

    // Loads picture n of the chosen set into PictureBitmap(). Throws TarvoError.
    void LoadPhotoSetPicture(int n);
    // The raw RTF of an entry of Maps/GeoMen.dat; on failure shows
    // "Problem z odczytem" and returns an empty array.
    QByteArray LoadExplorerText(const QString& entry);
    // These throw TarvoError on failure.
    QImage LoadExplorerPicture(const QString& entry);
    QImage LoadMapImage(const QString& entry, int kind);  // kind 1 JPEG, else BMP
    QImage LoadMapFlag(const QString& entry);             // a small PNG of the map archive

    // Path of a file or folder under BaseFolder, each component matched without
    // regard to letter case ("Maps/GeoMap.dat"). Falls back to the name as given.
    QString PathUnderBase(const QString& relative) const;

    // The title of each set found: the first line of its Spis.txt, or the
    // set's file name when that line is empty or the set cannot be read.
    QStringList PhotoSetTitles() const;

    // File names in folder that end in "dat" (any case), folders and special
    // files skipped, sorted case-insensitively (Polish).
    static QStringList FindPhotoSetFiles(const QString& folder);
    // A file name without its extension (the last "." and what follows).
    static QString SetName(const QString& fileName);
    // Decodes Spis.txt: Windows-1250, or UTF-8 when it starts with a byte-order
    // mark or is valid UTF-8 with non-ASCII bytes. Lines end at CR LF, CR or LF;
    // lines longer than 1000 characters are cut there.
    static QStringList DecodeList(const QByteArray& data);

    // The sets found (names without extension), the file of each set as
    // found ("EUROPA.DAT"), the chosen set's picture lines from its Spis.txt,
    // the picture last loaded, and the folder of the sets.
    const QStringList& PhotoSetList() const { return photoSetList; }
    const QStringList& PhotoSetFiles() const { return photoSetFiles; }
    int PhotoSetCount() const { return photoSetCount; }
    const QStringList& PictureList() const { return pictureList; }
    int PictureCount() const { return pictureCount; }
    const QImage& PictureBitmap() const { return pictureBitmap; }
    const QString& DataFolder() const { return dataFolder; }

private:
    QByteArray ReadEntry(const QString& archive, const QString& entry);
    QString PhotoSetPath() const;

    Config& config;
    Platform& platform;
    PackReader pack;  // the archive last opened
    QStringList photoSetList;
    QStringList photoSetFiles;
    int photoSetCount = 0;
    QStringList pictureList;
    int pictureCount = 0;
    QImage pictureBitmap{384, 256, QImage::Format_RGB888};
    QString dataFolder;
};

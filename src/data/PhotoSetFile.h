// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Photo-set archives as whole sets: reading one into its title and pictures,
// and building one from them with its Spis.txt written in the one form the
// program reads (Windows-1250, CR LF, heading, the line of picture 0, then
// one line per picture), so that no hand-made list can shift the names.
#include <QByteArray>
#include <QList>
#include <QString>

#include "data/PackWriter.h"
#include "data/PhotoSetRules.h"

struct PhotoSetContent {
    QString title;
    QList<PhotoSetRules::Entry> entries;
};

// Spis.txt for the set. Picture 0 repeats the first picture, as in the
// bundled sets. Throws TarvoError for a text Windows-1250 cannot hold.
QByteArray BuildPictureList(const QString& title, const QList<PhotoSetRules::Entry>& entries);

// Spis.txt, Im1.jpg .. ImN.jpg and Im0.jpg (the first picture again).
QList<PackMember> PhotoSetMembers(const PhotoSetContent& set);

// Reads a set archive, each picture as the 384 x 256 the set shows. A picture
// that does not decode comes back null with its problem noted; an archive
// that cannot be read throws TarvoError.
PhotoSetContent ReadPhotoSet(const QString& path);

// The title of a set: the first line of its Spis.txt, of which only the
// first few kilobytes are read; empty when the archive cannot be read.
QString ReadPhotoSetTitle(const QString& path);

// A picture file of any size from the teacher's disk: a regular JPEG or PNG
// file of at most 64 MiB, of usual proportions, turned upright as the camera
// noted, transparency on white, kept no larger than its cut may need (a large
// JPEG is decoded reduced). A truncated or damaged photo gives what could be
// read, and a small one is taken too; both come with a warning. Throws
// TarvoError with a Polish message.
struct PictureFile {
    QImage image;
    QSize size;       // of the photo in the file, upright
    QString warning;  // shown beside the picture
};
PictureFile LoadPictureFile(const QString& path);

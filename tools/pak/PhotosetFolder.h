// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads a teacher's folder (Spis.txt and pictures Im1, Im2, ... in JPEG or
// PNG of any size) into a photo set, with notes of what was changed on the
// way and the problems that keep it from being saved.
#include <QStringList>

#include "data/PhotoSetFile.h"

struct PhotosetFolder {
    PhotoSetContent set;
    QStringList notes;     // what was done to make the set fit
    QStringList problems;  // what must be mended first
};

PhotosetFolder ReadPhotosetFolder(const QString& folder);

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Choosing a photo-set picture, shared by the puzzle and country recognition:
// the random picture number, the typed number with its fallbacks, and the
// split of a Spis.txt line into the picture's name and description.
#include <QString>
#include <QStringList>

class Random;

// Reseeds from the clock, draws r from 1..500 and takes r mod pictureCount;
// a remainder of 0 gives picture 17, or the last picture when the set has
// fewer than 17. Always a picture of the set; 0 when the set is empty.
int RandomPictureNumber(Random& random, int pictureCount);

struct TypedPicture {
    int number = 0;
    bool showNumber = false;  // the field is to be overwritten with number
};

// The typed number when it lies in 1..pictureCount; otherwise a random one,
// which replaces the typed text unless that text was no number at all.
TypedPicture TypedPictureNumber(const QString& text, Random& random, int pictureCount);

struct PictureLine {
    QString name;
    QString description;  // at most 100 characters
};

// Line n + 1 of the list, split at its first "*". A line without "*" is all
// name; a line the list does not have gives empty texts.
PictureLine SplitPictureLine(const QStringList& pictureList, int n);

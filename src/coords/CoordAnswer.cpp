// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coords/CoordAnswer.h"

#include <cstdlib>

#include "coords/CoordTask.h"

namespace {

// Degrees east (or north) are positive, west (or south) negative.
int Signed(int degrees, bool positiveSide) {
    return positiveSide ? degrees : -degrees;
}

}  // namespace

bool CoordAnswer::IsRight(const CoordTask& task) const {
    if (lonSide == LonSide::None || latSide == LatSide::None) return false;
    const int lon = Signed(task.longitude, task.east) - Signed(lonGiven, lonSide == LonSide::East);
    const int lat = Signed(task.latitude, task.north) - Signed(latGiven, latSide == LatSide::North);
    return std::abs(lon) <= 1 && std::abs(lat) <= 1;
}

QString CoordAnswer::Text() const {
    QString text = QString::number(lonGiven);
    if (lonSide != LonSide::None)
        text += lonSide == LonSide::East ? QStringLiteral("°E ") : QStringLiteral("°W ");
    text += QString::number(latGiven);
    if (latSide != LatSide::None)
        text += latSide == LatSide::North ? QStringLiteral("°N") : QStringLiteral("°S");
    return text;
}

int CoordAnswer::ReadField(const QString& text) {
    int value = 0;
    for (QChar c : text) {
        if (c >= '0' && c <= '9') value = value * 10 + (c.unicode() - '0');
        if (value > 99999) break;
    }
    return value;
}

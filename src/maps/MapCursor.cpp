// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "maps/MapCursor.h"

#include <Qt>
#include <cmath>
#include <limits>

#include "maps/MapTables.h"

namespace {

// The pixel of the colour nearest the mean of all its pixels, so that the
// place lies inside the country even where its area is not convex.
QPoint MiddlePixel(const QImage& key, QRgb colour) {
    qint64 sumX = 0, sumY = 0, count = 0;
    for (int y = 0; y < key.height(); ++y)
        for (int x = 0; x < key.width(); ++x)
            if ((key.pixel(x, y) & 0xFFFFFF) == colour) sumX += x, sumY += y, ++count;
    if (count == 0) return QPoint(-1, -1);
    const QPoint mean(int(sumX / count), int(sumY / count));
    QPoint best(-1, -1);
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (int y = 0; y < key.height(); ++y)
        for (int x = 0; x < key.width(); ++x) {
            if ((key.pixel(x, y) & 0xFFFFFF) != colour) continue;
            const qint64 dx = x - mean.x(), dy = y - mean.y();
            if (dx * dx + dy * dy < bestDistance) bestDistance = dx * dx + dy * dy, best = {x, y};
        }
    return best;
}

QPoint Direction(int key) {
    switch (key) {
        case Qt::Key_Left:
            return {-1, 0};
        case Qt::Key_Right:
            return {1, 0};
        case Qt::Key_Up:
            return {0, -1};
        case Qt::Key_Down:
            return {0, 1};
        default:
            return {};
    }
}

}  // namespace

std::vector<QPoint> MapCursor::CountryPlaces(int continent, const QImage& key) {
    std::vector<QPoint> points;
    const int count = ContinentInfo(continent).countries;
    for (int number = 1; number <= count; ++number) {
        QPoint point = FindPointOf(continent, number).value_or(QPoint(-1, -1));
        if (!key.rect().contains(point)) point = MiddlePixel(key, CountryColour(continent, number));
        if (key.rect().contains(point)) points.push_back(point);
    }
    return points;
}

void MapCursor::SetPlaces(std::vector<QPoint> points, QSize area) {
    places = std::move(points);
    current = -1;
    const QPoint centre(area.width() / 2, area.height() / 2);
    int best = std::numeric_limits<int>::max();
    for (int i = 0; i < int(places.size()); ++i) {
        const int distance = (places[i] - centre).manhattanLength();
        if (distance < best) best = distance, current = i;
    }
}

bool MapCursor::Move(int key) {
    const QPoint direction = Direction(key);
    if (direction.isNull()) return false;
    if (current < 0) return true;
    const QPoint from = places[current];
    double bestScore = std::numeric_limits<double>::max();
    for (int i = 0; i < int(places.size()); ++i) {
        const QPoint d = places[i] - from;
        const double along = d.x() * direction.x() + d.y() * direction.y();
        const double across = std::abs(d.x() * direction.y() - d.y() * direction.x());
        if (along <= 0 || across > along * std::sqrt(3.0)) continue;
        const double score = along + 2 * across;
        if (score < bestScore) bestScore = score, current = i;
    }
    return true;
}

QPoint MapCursor::Point() const {
    return current >= 0 ? places[current] : QPoint(-1, -1);
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The keyboard cursor of a continent map: it stands on one country at a time
// and the arrow keys move it to the nearest country in their direction.
#include <QImage>
#include <QPoint>
#include <vector>

class MapCursor {
public:
    // The places of the continent's countries: each one's Find point on this
    // continent, or else the pixel of its key colour nearest the middle of
    // its area; countries without a pixel in the key bitmap are left out.
    static std::vector<QPoint> CountryPlaces(int continent, const QImage& key);

    // New places; the cursor starts on the one nearest the centre of `area`.
    void SetPlaces(std::vector<QPoint> points, QSize area);
    // Moves by an arrow key to the nearest place that lies in its direction
    // (within 60° of it), nearer ones along the direction first; stays where
    // no place lies that way. False for any other key.
    bool Move(int key);

    bool HasPlace() const { return current >= 0; }
    QPoint Point() const;

private:
    std::vector<QPoint> places;
    int current = -1;
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One task of the coordinates exercise: a 10° x 10° grid square with its
// meridian and parallel labels, and a point on a whole-degree position of it.
#include <QPoint>
#include <QString>

class Random;

struct CoordTask {
    int lonBase = 0;     // 0, 10, ..., 160: the smaller meridian label
    bool east = true;    // meridian values grow to the right
    int latBase = 0;     // 0, 10, ..., 80: the smaller parallel label
    bool north = false;  // parallel values grow upwards
    int column = 0;      // 0..10 degrees right of the left meridian
    int row = 0;         // 0..10 degrees below the top parallel
    int longitude = 0;   // 0..170
    int latitude = 0;    // 0..90

    // Fills longitude and latitude from the bases, hemispheres and position.
    void Solve();

    int LeftMeridian() const { return east ? lonBase : lonBase + 10; }
    int RightMeridian() const { return east ? lonBase + 10 : lonBase; }
    int TopParallel() const { return north ? latBase + 10 : latBase; }
    int BottomParallel() const { return north ? latBase : latBase + 10; }
    // Top-left corner of the 6 x 6 point, centred on the grid crossing.
    QPoint PointCorner() const { return {59 + 10 * column, 35 + 10 * row}; }
    // The right answer, e.g. "23°E 43°N".
    QString RightAnswer() const;
};

// Draws a new task: the generator is reseeded from the clock before the
// square is drawn and again before the point is placed.
CoordTask DrawCoordTask(Random& random);

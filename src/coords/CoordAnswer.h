// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pupil's answer to a coordinates task, the verdict and the field rules.
#include <QString>

struct CoordTask;

struct CoordAnswer {
    // The side chosen for each coordinate; None until its button is pressed.
    enum class LonSide { None, East, West };
    enum class LatSide { None, North, South };

    LonSide lonSide = LonSide::None;
    LatSide latSide = LatSide::None;
    int lonGiven = 0;  // value typed before E or W
    int latGiven = 0;  // value typed before N or S

    // Right when both coordinates lie within one degree of the point's,
    // measured across the hemispheres: on the meridian 0 "0°W" is as right
    // as "0°E", and so is "1°W" within the tolerance.
    bool IsRight(const CoordTask& task) const;
    // The pupil's answer, e.g. "23°E 43°N".
    QString Text() const;

    // The value of the entry field: 0 when empty, otherwise its digits read
    // as a decimal number.
    static int ReadField(const QString& text);
};

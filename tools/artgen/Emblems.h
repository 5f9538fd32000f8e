// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small vector illustrations drawn into a square box, and the glossy round
// buttons that carry them.
#include <QPainter>
#include <QRectF>

namespace art {

enum class Emblem {
    GlobeQuestion,  // knowledge quiz
    CapitalStar,    // capitals quiz
    Puzzle,
    FlagMagnifier,  // country recognition
    Compass,        // coordinates
    Ship,           // explorers
    Map,            // countries on the map
    Hand,           // about
    Question,       // help
    Clock,
};

// Draws the emblem scaled into the box (its content stays inside ~15%..85%).
void DrawEmblem(QPainter& p, Emblem emblem, const QRectF& box);
// A shaded globe with graticule and stylised land.
void DrawGlobe(QPainter& p, const QRectF& box);
// An eight-point compass rose; `alpha` fades the whole rose, `sepia` draws it
// in the brown ink of the parchment sheet.
void DrawCompassRose(QPainter& p, QPointF centre, double radius, int alpha = 255,
                     bool sepia = false);
// A cream disc in a gold ring with a gloss, carrying the emblem.
void DrawRoundButton(QPainter& p, QPointF centre, double radius, Emblem emblem);

}  // namespace art

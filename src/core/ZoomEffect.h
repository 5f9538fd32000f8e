// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The zoom-rectangle effect: a trail of inverted outlines that grows from an
// origin point towards a target rectangle (ZoomOpen) or shrinks back to it
// (ZoomClose). Every pixel of an outline is inverted exactly once, so drawing
// the same frame twice restores the picture bit for bit.
#include <QImage>
#include <QRect>
#include <QWidget>

struct Platform;

struct ZoomCanvas {
    QImage* image;  // the picture drawn on
    QWidget* view;  // repainted after each frame (may be null)
};

// Rounds to the nearest integer, ties to even.
int RoundHalfEven(double value);

// One frame at the given scale; holds at least 8.64 ms (messages handled).
void DrawZoomFrame(ZoomCanvas canvas, Platform& platform, int ox, int oy, int scale, int dxLeft,
                   int dyTop, int dxRight, int dyBottom);
// target is (left, top, right, bottom) as a QRect built with QRect(QPoint(l,t), QPoint(r,b)).
void ZoomOpen(ZoomCanvas canvas, Platform& platform, int ox, int oy, QRect target);
void ZoomClose(ZoomCanvas canvas, Platform& platform, int ox, int oy, QRect target);

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ZoomEffect.h"

#include <QRegion>
#include <cmath>

#include "platform/Platform.h"

namespace {

// The hold of one frame: 1e-7 of a day.
constexpr double kFrameMs = 8.64;

void Invert(QImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    image.setPixel(x, y, image.pixel(x, y) ^ 0x00FFFFFF);
}

// Inverts each pixel of the rectangle's outline exactly once.
void InvertOutline(QImage& image, int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    for (int x = left; x <= right; ++x) {
        Invert(image, x, top);
        if (bottom != top) Invert(image, x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        Invert(image, left, y);
        if (right != left) Invert(image, right, y);
    }
}

// The four sides of the outline, a pixel wider each way for a view that
// resamples the picture: all a frame changes, so all it repaints.
QRegion OutlineRegion(const QRect& r) {
    QRegion region;
    region += QRect(r.left() - 1, r.top() - 1, r.width() + 2, 3);
    region += QRect(r.left() - 1, r.bottom() - 1, r.width() + 2, 3);
    region += QRect(r.left() - 1, r.top() - 1, 3, r.height() + 2);
    region += QRect(r.right() - 1, r.top() - 1, 3, r.height() + 2);
    return region;
}

void Play(ZoomCanvas canvas, Platform& platform, int ox, int oy, QRect target,
          std::initializer_list<int> scales) {
    const int dxLeft = RoundHalfEven((target.left() - ox) / 30.0);
    const int dyTop = RoundHalfEven((target.top() - oy) / 30.0);
    const int dxRight = RoundHalfEven((target.right() - ox) / 30.0);
    const int dyBottom = RoundHalfEven((target.bottom() - oy) / 30.0);
    for (int scale : scales)
        DrawZoomFrame(canvas, platform, ox, oy, scale, dxLeft, dyTop, dxRight, dyBottom);
}

}  // namespace

int RoundHalfEven(double value) {
    return int(std::nearbyint(value));
}

void DrawZoomFrame(ZoomCanvas canvas, Platform& platform, int ox, int oy, int scale, int dxLeft,
                   int dyTop, int dxRight, int dyBottom) {
    if (canvas.image->format() != QImage::Format_RGB32)
        *canvas.image = canvas.image->convertToFormat(QImage::Format_RGB32);
    const QRect outline = QRect(QPoint(ox + scale * dxLeft, oy + scale * dyTop),
                                QPoint(ox + scale * dxRight, oy + scale * dyBottom))
                              .normalized();
    InvertOutline(*canvas.image, outline.left(), outline.top(), outline.right(), outline.bottom());
    const double start = platform.clock.nowMs();
    if (canvas.view) canvas.view->repaint(OutlineRegion(outline));
    platform.waits.processEvents();
    platform.waits.sleepUntil(start + kFrameMs);
}

void ZoomOpen(ZoomCanvas canvas, Platform& platform, int ox, int oy, QRect target) {
    Play(canvas, platform, ox, oy, target, {2, 4, 9, 15, 2, 20, 4, 25, 9, 15, 20, 25});
}

void ZoomClose(ZoomCanvas canvas, Platform& platform, int ox, int oy, QRect target) {
    Play(canvas, platform, ox, oy, target, {25, 20, 15, 9, 25, 4, 20, 2, 15, 9, 4, 2});
}

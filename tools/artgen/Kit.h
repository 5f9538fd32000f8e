// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Drawing helpers shared by every picture: palette, fonts, soft shadows,
// framed boxes and deterministic file output.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace art {

namespace ink {
inline const QColor OceanTop{16, 50, 90};
inline const QColor OceanBottom{7, 24, 48};
inline const QColor Gold{226, 186, 84};
inline const QColor GoldDark{160, 118, 38};
inline const QColor Parchment{248, 242, 224};
inline const QColor ParchmentDark{233, 221, 190};
inline const QColor SlateTop{74, 104, 138};
inline const QColor SlateBottom{47, 72, 102};
inline const QColor DarkBox{12, 36, 70};
inline const QColor LightBox{236, 240, 245};
inline const QColor LightBoxEdge{150, 166, 186};
}  // namespace ink

// Registers the bundled fonts of the folder; false when none could be read.
bool LoadFonts(const QString& folder);
// The bundled interface font at a pixel height.
QFont Sans(double pixels, bool bold = false);

QImage Canvas(int width, int height, const QColor& fill = Qt::transparent);
// A painter with antialiasing switched on.
void Prepare(QPainter& p);

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom);
QPainterPath Rounded(const QRectF& r, double radius);

// Paints a blurred copy of the shape, moved by offset, under what follows.
void DropShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int blur,
                const QColor& colour);

// Text in a box; with a shadow colour, a 1 px dark copy goes under it first.
void Letter(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
            const QColor& colour, const QColor& shadow = Qt::transparent);

// A dark, slightly sunken field for white texts.
void DarkField(QPainter& p, const QRectF& r, double radius = 5);
// A light raised field with a thin edge for black texts.
void LightField(QPainter& p, const QRectF& r, double radius = 5);
// The slate-blue backdrop of a module window with a faint graticule.
void SlateBackdrop(QPainter& p, const QRectF& r);

// Faint straight graticule lines every `step` pixels inside r.
void Graticule(QPainter& p, const QRectF& r, double step, const QColor& colour);

// Writes a baseline JPEG of fixed quality; throws on failure.
void SaveJpeg(const QImage& image, const QString& path);
void SavePng(const QImage& image, const QString& path);

}  // namespace art

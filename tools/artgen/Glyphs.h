// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The 16 x 16 clock glyphs of the puzzle's clock switch, kept as 16-colour
// Windows bitmaps, and the application icon.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

namespace art {

enum class ClockGlyph { On, Off, Disabled };  // Z1, Z2, Z3

// The palette of the glyphs; entry 0 is the button face behind them.
QList<QRgb> GlyphPalette();
// The glyph as an indexed 16 x 16 image in GlyphPalette().
QImage DrawClockGlyph(ClockGlyph kind);
// An uncompressed 4-bit BMP file (bottom-up rows) of an indexed image.
QByteArray EncodeBmp4(const QImage& indexed);
// The square application icon at the given size.
QImage AppIcon(int size);

}  // namespace art

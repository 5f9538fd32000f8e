// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include "Emblems.h"
#include "Kit.h"

namespace art {

namespace {
// Pixel art of the clock face: '.' button face, 'k' outline and hands, 'w' dial.
const char* const ClockArt[16] = {
    "................", ".....kkkkkk.....", "...kkwwwwwwkk...", "..kwwwwkwwwwwk..",
    "..kwwwwkwwwwwk..", ".kwwwwwkwwwwwwk.", ".kwwwwwkwwwwwwk.", ".kwwwwwkwwwwwwk.",
    ".kkwwwwkkkkwwkk.", ".kwwwwwwwwwwwwk.", ".kwwwwwwwwwwwwk.", "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..", "...kkwwkwwwkk...", ".....kkkkkk.....", "................",
};

enum Index {
    FaceIndex = 0,
    BlackIndex = 1,
    WhiteIndex = 2,
    SilverIndex = 3,
    GreyIndex = 4,
    RedIndex = 5
};

void Append16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void Append32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
}  // namespace

QList<QRgb> GlyphPalette() {
    // The first six entries are used; the rest fill the 16-colour table.
    QList<QRgb> palette = {qRgb(0x00, 0x00, 0x4A), qRgb(0, 0, 0),       qRgb(255, 255, 255),
                           qRgb(192, 192, 192),    qRgb(128, 128, 128), qRgb(255, 0, 0)};
    while (palette.size() < 16) palette.append(qRgb(0, 0, 0));
    return palette;
}

QImage DrawClockGlyph(ClockGlyph kind) {
    const bool grey = kind == ClockGlyph::Disabled;
    QImage img(16, 16, QImage::Format_Indexed8);
    img.setColorTable(GlyphPalette());
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const char c = ClockArt[y][x];
            int index = FaceIndex;
            if (c == 'k') index = grey ? GreyIndex : BlackIndex;
            if (c == 'w') index = grey ? SilverIndex : WhiteIndex;
            img.setPixel(x, y, index);
        }
    }
    if (kind == ClockGlyph::Off) {
        // A red cross, two pixels wide, from corner to corner.
        for (int i = 1; i <= 14; ++i) {
            for (int x : {i, i + 1, 15 - i, 14 - i})
                if (x >= 1 && x <= 14) img.setPixel(x, i, RedIndex);
        }
    }
    return img;
}

QByteArray EncodeBmp4(const QImage& indexed) {
    const int w = indexed.width(), h = indexed.height();
    const int stride = ((w * 4 + 31) / 32) * 4;
    const int colours = 16, pixelOffset = 14 + 40 + 4 * colours;
    QByteArray out;
    out.append("BM", 2);
    Append32(out, pixelOffset + stride * h);
    Append32(out, 0);
    Append32(out, pixelOffset);
    Append32(out, 40);  // BITMAPINFOHEADER
    Append32(out, w);
    Append32(out, h);
    Append16(out, 1);
    Append16(out, 4);
    Append32(out, 0);  // no compression
    Append32(out, stride * h);
    Append32(out, 2835);  // 72 dpi
    Append32(out, 2835);
    Append32(out, colours);
    Append32(out, colours);
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < colours; ++i) {
        const QRgb c = table.value(i, qRgb(0, 0, 0));
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < w; ++x) {
            const int v = indexed.pixelIndex(x, y) & 0x0F;
            row[x / 2] = char(row[x / 2] | (x % 2 ? v : v << 4));
        }
        out.append(row);
    }
    return out;
}

QImage AppIcon(int size) {
    QImage img = Canvas(size, size);
    QPainter p(&img);
    Prepare(p);
    p.scale(size / 100.0, size / 100.0);
    const QRectF tile(4, 4, 92, 92);
    p.fillPath(Rounded(tile, 20), Vertical(tile, QColor(30, 76, 130), ink::OceanBottom));
    p.setPen(QPen(ink::Gold, 3));
    p.drawPath(Rounded(tile.adjusted(3, 3, -3, -3), 17));
    DrawGlobe(p, QRectF(4, 4, 92, 92));
    return img;
}

}  // namespace art

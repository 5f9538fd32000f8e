#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include "Emblems.h"
#include "Kit.h"

namespace art {

namespace {
const QColor Face(0x00, 0x00, 0x4A);  // the face colour of the window's buttons

// Nearest palette entry by squared RGB distance.
int Nearest(const QList<QRgb>& palette, QRgb c) {
    int best = 0, bestDist = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                  db = qBlue(c) - qBlue(palette[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDist) bestDist = d, best = i;
    }
    return best;
}

void PaintClock(QPainter& p, const QColor& face, const QColor& line) {
    p.setPen(QPen(line, 1.3));
    p.setBrush(face);
    p.drawEllipse(QPointF(8, 8), 6.6, 6.6);
    p.setPen(QPen(line, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
    p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

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
    return {Face.rgb(),          qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(80, 80, 80),    qRgb(255, 0, 0),     qRgb(160, 0, 0),
            qRgb(226, 186, 84),  qRgb(255, 240, 200), qRgb(40, 40, 110),   qRgb(90, 90, 150),
            qRgb(150, 150, 190), qRgb(220, 220, 230), qRgb(120, 60, 80),   qRgb(200, 110, 110)};
}

QImage DrawClockGlyph(ClockGlyph kind) {
    QImage rgb = Canvas(16, 16, Face);
    {
        QPainter p(&rgb);
        Prepare(p);
        if (kind == ClockGlyph::Disabled) {
            PaintClock(p, QColor(192, 192, 192), QColor(128, 128, 128));
        } else {
            PaintClock(p, QColor(255, 255, 255), QColor(0, 0, 0));
        }
        if (kind == ClockGlyph::Off) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QPen(QColor(255, 0, 0), 2));
            p.drawLine(QPointF(2.5, 2.5), QPointF(13.5, 13.5));
            p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
        }
    }
    const QList<QRgb> palette = GlyphPalette();
    QImage indexed(16, 16, QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) indexed.setPixel(x, y, Nearest(palette, rgb.pixel(x, y)));
    return indexed;
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

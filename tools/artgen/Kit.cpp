// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Kit.h"

#include <QDir>
#include <QFontDatabase>
#include <QImageWriter>
#include <stdexcept>
#include <vector>

namespace art {

namespace {
QString fontFamily = QStringLiteral("Liberation Sans");

// One horizontal pass of a box blur over every channel of a premultiplied image.
void BlurRows(QImage& img, int radius) {
    const int w = img.width();
    std::vector<int> sum(4 * (w + 1));
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<uchar*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c) sum[4 * (x + 1) + c] = sum[4 * x + c] + row[4 * x + c];
        for (int x = 0; x < w; ++x) {
            const int a = std::max(0, x - radius), b = std::min(w, x + radius + 1);
            for (int c = 0; c < 4; ++c)
                row[4 * x + c] = uchar((sum[4 * b + c] - sum[4 * a + c]) / (2 * radius + 1));
        }
    }
}

QImage Transposed(const QImage& img) {
    return img.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

void Blur(QImage& img, int radius) {
    for (int pass = 0; pass < 3; ++pass) BlurRows(img, radius);
    img = Transposed(img);
    for (int pass = 0; pass < 3; ++pass) BlurRows(img, radius);
    img = Transposed(img);
}
}  // namespace

bool LoadFonts(const QString& folder) {
    bool any = false;
    for (const QString& name : QDir(folder).entryList({"*.ttf"}, QDir::Files, QDir::Name)) {
        const int id = QFontDatabase::addApplicationFont(folder + "/" + name);
        if (id < 0) continue;
        fontFamily = QFontDatabase::applicationFontFamilies(id).value(0, fontFamily);
        any = true;
    }
    return any;
}

QFont Sans(double pixels, bool bold) {
    QFont f(fontFamily);
    f.setPixelSize(qRound(pixels));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QImage Canvas(int width, int height, const QColor& fill) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void Prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QPainterPath Rounded(const QRectF& r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void DropShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int blur,
                const QColor& colour) {
    const QRectF area = shape.boundingRect().adjusted(-3 * blur, -3 * blur, 3 * blur, 3 * blur);
    QImage layer = Canvas(qCeil(area.width()) + 1, qCeil(area.height()) + 1);
    {
        QPainter lp(&layer);
        Prepare(lp);
        lp.translate(-area.topLeft());
        lp.fillPath(shape, colour);
    }
    if (blur > 0) Blur(layer, blur);
    p.drawImage(area.topLeft() + offset, layer);
}

void Letter(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
            const QColor& colour, const QColor& shadow) {
    p.save();
    p.setFont(font);
    if (shadow.alpha() > 0) {
        p.setPen(shadow);
        p.drawText(box.translated(1, 1), flags, text);
    }
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

void DarkField(QPainter& p, const QRectF& r, double radius) {
    const QPainterPath shape = Rounded(r, radius);
    p.fillPath(shape, Vertical(r, ink::DarkBox.darker(115), ink::DarkBox));
    p.save();
    p.setClipPath(shape);
    // Inner shadow along the top and left edges makes the field look sunken.
    p.setPen(QPen(QColor(0, 0, 0, 90), 3));
    p.drawPath(Rounded(r.adjusted(-0.5, -0.5, 1.5, 1.5), radius));
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawPath(Rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
}

void LightField(QPainter& p, const QRectF& r, double radius) {
    const QPainterPath shape = Rounded(r, radius);
    DropShadow(p, shape, {1.5, 2}, 2, QColor(0, 0, 0, 110));
    p.fillPath(shape, Vertical(r, ink::LightBox.lighter(104), ink::LightBox.darker(106)));
    p.setPen(QPen(ink::LightBoxEdge, 1));
    p.drawPath(Rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
}

void Graticule(QPainter& p, const QRectF& r, double step, const QColor& colour) {
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(colour, 1));
    for (double x = r.left() + step / 2; x < r.right(); x += step)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (double y = r.top() + step / 2; y < r.bottom(); y += step)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    p.restore();
}

void SlateBackdrop(QPainter& p, const QRectF& r) {
    p.fillRect(r, Vertical(r, ink::SlateTop, ink::SlateBottom));
    QRadialGradient glow(r.topLeft() + QPointF(r.width() * 0.3, 0), r.width() * 0.8);
    glow.setColorAt(0, QColor(255, 255, 255, 28));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(r, glow);
    Graticule(p, r, 24, QColor(255, 255, 255, 14));
    // A thin bevel frames the window on the main sheet.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(r.topLeft() + QPointF(0.5, 0.5), r.topRight() + QPointF(-0.5, 0.5));
    p.drawLine(r.topLeft() + QPointF(0.5, 0.5), r.bottomLeft() + QPointF(0.5, -0.5));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawLine(r.bottomLeft() + QPointF(0.5, -0.5), r.bottomRight() + QPointF(-0.5, -0.5));
    p.drawLine(r.topRight() + QPointF(-0.5, 0.5), r.bottomRight() + QPointF(-0.5, -0.5));
}

void SaveJpeg(const QImage& image, const QString& path) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    writer.setOptimizedWrite(true);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        throw std::runtime_error(("cannot write " + path).toStdString());
}

void SavePng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    if (!writer.write(image)) throw std::runtime_error(("cannot write " + path).toStdString());
}

}  // namespace art

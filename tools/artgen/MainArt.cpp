// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainArt.h"

#include <QPainterPath>

#include "Kit.h"

namespace art {

namespace {
const QRectF Sheet(20, 42, 600, 528);
const QPointF ColumnAt(630, 48);
const QPointF HeaderAt(40, 60);
const QPointF ArrowAt(496, 454);

struct MenuButton {
    QPointF centre;
    double radius;
    Emblem emblem;
};

// Round buttons beside the column's hotspots (column coordinates).
const MenuButton MenuButtons[] = {
    {{48.5, 28.5}, 22, Emblem::GlobeQuestion}, {{51.5, 92.5}, 20, Emblem::CapitalStar},
    {{47.5, 152.5}, 18, Emblem::Puzzle},       {{47.5, 216.5}, 18, Emblem::FlagMagnifier},
    {{51.5, 276.5}, 20, Emblem::Compass},      {{53.5, 340.5}, 20, Emblem::Ship},
    {{51.5, 400.5}, 17, Emblem::Map},          {{51.5, 464.5}, 17, Emblem::Hand},
    {{56, 500.5}, 13, Emblem::Question},
};

void Ocean(QPainter& p, const QRectF& r) {
    p.fillRect(r, Vertical(r, ink::OceanTop, ink::OceanBottom));
    QRadialGradient glow(QPointF(120, 0), 520);
    glow.setColorAt(0, QColor(70, 130, 190, 90));
    glow.setColorAt(1, QColor(70, 130, 190, 0));
    p.fillRect(r, glow);
    Graticule(p, r, 40, QColor(255, 255, 255, 16));
}

void Title(QPainter& p) {
    DrawGlobe(p, QRectF(12, 1, 40, 40));
    const QFont font = Sans(26, true);
    const QColor shadow(0, 0, 0, 150);
    Letter(p, QRectF(54, 4, 300, 34), Qt::AlignLeft | Qt::AlignVCenter, "Terravika", font,
           Qt::white, shadow);
    const double gap = QFontMetricsF(font).horizontalAdvance("Terravika ");
    Letter(p, QRectF(54 + gap, 4, 300, 34), Qt::AlignLeft | Qt::AlignVCenter, "świata", font,
           ink::Gold, shadow);
}

void WindowButton(QPainter& p, const QRectF& box, const QColor& face, bool close) {
    const QPointF c = box.center();
    const double r = box.width() / 2 - 3;
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    DropShadow(p, disc, {1, 2}, 2, QColor(0, 0, 0, 160));
    p.setPen(QPen(ink::Gold, 2));
    QRadialGradient g(c - QPointF(r / 3, r / 2), r * 1.6);
    g.setColorAt(0, face.lighter(150));
    g.setColorAt(1, face);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    const double k = r * 0.38;
    if (close) {
        p.drawLine(c + QPointF(-k, -k), c + QPointF(k, k));
        p.drawLine(c + QPointF(-k, k), c + QPointF(k, -k));
    } else {
        p.drawLine(c + QPointF(-k, k * 0.6), c + QPointF(k, k * 0.6));
    }
}

const QColor Sepia(112, 80, 40);

// The atlas-style border: two thin lines with a band of alternating
// segments between them, one segment per graticule step.
void Neatline(QPainter& p, const QRectF& outer, double step) {
    const QRectF inner = outer.adjusted(5, 5, -5, -5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Sepia.red(), Sepia.green(), Sepia.blue(), 150));
    for (double x = outer.left() + step; x + step <= outer.right(); x += 2 * step) {
        p.drawRect(QRectF(x, outer.top(), step, 5));
        p.drawRect(QRectF(x, inner.bottom(), step, 5));
    }
    for (double y = outer.top() + step; y + step <= outer.bottom(); y += 2 * step) {
        p.drawRect(QRectF(outer.left(), y, 5, step));
        p.drawRect(QRectF(inner.right(), y, 5, step));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Sepia, 1.2));
    p.drawRect(outer);
    p.setPen(QPen(Sepia, 0.8));
    p.drawRect(inner);
}

void SheetFrame(QPainter& p) {
    const QPainterPath outer = Rounded(Sheet, 12);
    DropShadow(p, outer, {3, 5}, 5, QColor(0, 0, 0, 170));
    p.fillPath(outer, Vertical(Sheet, QColor(32, 72, 120), QColor(18, 44, 80)));
    const QRectF paper = Sheet.adjusted(7, 7, -7, -7);
    const QPainterPath inner = Rounded(paper, 7);
    QRadialGradient tint(paper.center(), paper.width() * 0.7);
    tint.setColorAt(0, ink::Parchment);
    tint.setColorAt(1, ink::ParchmentDark);
    p.fillPath(inner, tint);
    const QRectF border(31.5, 53.5, 577, 505);
    p.save();
    p.setClipRect(border.adjusted(5, 5, -5, -5));
    Graticule(p, border, 36, QColor(150, 120, 70, 40));
    p.restore();
    Neatline(p, border, 18);
    p.setPen(QPen(ink::Gold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Rounded(paper.adjusted(-2.5, -2.5, 2.5, 2.5), 9));
}

// A framed label in the middle of the sheet greeting the pupil; every module
// window covers it.
void Cartouche(QPainter& p) {
    const QRectF box(166, 266, 308, 76);
    const QPainterPath shape = Rounded(box, 10);
    DropShadow(p, shape, {1.5, 2.5}, 3, QColor(90, 60, 20, 90));
    p.fillPath(shape, Vertical(box, QColor(252, 248, 236), QColor(238, 228, 200)));
    p.setPen(QPen(Sepia, 1.5));
    p.drawPath(shape);
    p.setPen(QPen(ink::GoldDark, 0.8));
    p.drawPath(Rounded(box.adjusted(4, 4, -4, -4), 7));
    Letter(p, QRectF(box.left(), box.top() + 8, box.width(), 30), Qt::AlignCenter, "Witaj!",
           Sans(22, true), Sepia);
    Letter(p, QRectF(box.left(), box.top() + 38, box.width(), 24), Qt::AlignCenter,
           "Wybierz ćwiczenie z menu po prawej stronie.", Sans(13), QColor(80, 56, 26));
}

void SheetOrnament(QPainter& p) {
    p.save();
    p.setClipRect(QRectF(37, 59, 566, 494));
    DrawCompassRose(p, QPointF(320, 305), 215, 110, true);
    p.restore();
    Cartouche(p);
}
}  // namespace

QImage MainBackground() {
    QImage img = Canvas(800, 580);
    QPainter p(&img);
    Prepare(p);
    Ocean(p, img.rect());
    Title(p);
    WindowButton(p, QRectF(720, 4, 38, 38), QColor(30, 70, 130), false);
    WindowButton(p, QRectF(760, 4, 38, 38), QColor(170, 40, 40), true);
    SheetFrame(p);
    SheetOrnament(p);
    return img;
}

QImage ButtonColumn(const QImage& background) {
    QImage img = background.copy(QRectF(ColumnAt, QSizeF(167, 529)).toRect());
    QPainter p(&img);
    Prepare(p);
    const QRectF panel(3, 1, 161, 526);
    const QPainterPath shape = Rounded(panel, 14);
    DropShadow(p, shape, {2, 3}, 3, QColor(0, 0, 0, 150));
    p.fillPath(shape, Vertical(panel, QColor(26, 66, 112), QColor(12, 34, 66)));
    p.setPen(QPen(ink::Gold, 1.5));
    p.drawPath(Rounded(panel.adjusted(3, 3, -3, -3), 11));
    // Thin separators between the entries.
    p.setPen(QPen(QColor(226, 186, 84, 70), 1));
    for (double y : {63.5, 127.5, 191.5, 247.5, 311.5, 375.5, 439.5})
        p.drawLine(QPointF(20, y), QPointF(150, y));
    for (const MenuButton& b : MenuButtons) DrawRoundButton(p, b.centre, b.radius, b.emblem);
    return img;
}

QImage Header(const QImage& background, Emblem emblem, const QString& caption) {
    QImage img = background.copy(QRectF(HeaderAt, QSizeF(300, 32)).toRect());
    QPainter p(&img);
    Prepare(p);
    const QRectF bar(2, 2, 295, 27);
    const QPainterPath shape = Rounded(bar, 13.5);
    DropShadow(p, shape, {1, 1.5}, 1, QColor(0, 0, 0, 120));
    p.fillPath(shape, Vertical(bar, QColor(34, 84, 140), QColor(14, 42, 82)));
    p.setPen(QPen(ink::Gold, 1.5));
    p.drawPath(Rounded(bar.adjusted(0.75, 0.75, -0.75, -0.75), 12.75));
    DrawRoundButton(p, QPointF(16, 15.5), 12, emblem);
    Letter(p, QRectF(36, 2, 256, 27), Qt::AlignLeft | Qt::AlignVCenter, caption, Sans(17, true),
           Qt::white, QColor(0, 0, 0, 160));
    return img;
}

QImage NextArrow(const QImage& background) {
    QImage img = background.copy(QRectF(ArrowAt, QSizeF(106, 53)).toRect());
    QPainter p(&img);
    Prepare(p);
    // Kept inside 105 x 52: the program shows the picture without its last column and row.
    QPainterPath arrow;
    arrow.moveTo(3, 13);
    arrow.lineTo(70, 13);
    arrow.lineTo(70, 3);
    arrow.lineTo(102, 26);
    arrow.lineTo(70, 49);
    arrow.lineTo(70, 39);
    arrow.lineTo(3, 39);
    arrow.closeSubpath();
    DropShadow(p, arrow, {1.5, 2}, 2, QColor(0, 0, 0, 140));
    p.setPen(QPen(QColor(14, 70, 30), 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Vertical(QRectF(0, 3, 1, 46), QColor(98, 200, 104), QColor(24, 120, 48)));
    p.drawPath(arrow);
    Letter(p, QRectF(4, 13, 82, 26), Qt::AlignCenter, "Następne", Sans(13, true), Qt::white,
           QColor(0, 60, 10, 200));
    return img;
}

}  // namespace art

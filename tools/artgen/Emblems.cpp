// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Emblems.h"

#include <QPainterPath>
#include <QtMath>
#include <initializer_list>
#include <vector>

#include "Kit.h"

namespace art {

namespace {
const QColor Outline{40, 46, 60};

// Maps a 100 x 100 design space onto the box for the painter's lifetime.
struct UnitSpace {
    QPainter& p;
    UnitSpace(QPainter& painter, const QRectF& box) : p(painter) {
        p.save();
        p.translate(box.topLeft());
        p.scale(box.width() / 100.0, box.height() / 100.0);
    }
    ~UnitSpace() { p.restore(); }
};

QPainterPath Ellipse(QPointF c, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath Star(QPointF c, double outer, double inner, int points, double turn = -90) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = qDegreesToRadians(turn + i * 180.0 / points);
        const QPointF pt = c + QPointF(r * qCos(a), r * qSin(a));
        i ? path.lineTo(pt) : path.moveTo(pt);
    }
    path.closeSubpath();
    return path;
}

void Stroke(QPainter& p, const QPainterPath& path, const QBrush& fill, double width = 2.5) {
    p.setPen(QPen(Outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

// A closed smooth curve through the points (Catmull-Rom turned into cubics).
QPainterPath SmoothClosed(std::initializer_list<QPointF> list) {
    const std::vector<QPointF> pts(list);
    const size_t n = pts.size();
    QPainterPath path(pts[0]);
    for (size_t i = 0; i < n; ++i) {
        const QPointF &p0 = pts[(i + n - 1) % n], &p1 = pts[i], &p2 = pts[(i + 1) % n],
                      &p3 = pts[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    path.closeSubpath();
    return path;
}

// Land of an Atlantic-centred globe (centre (50,50), radius 34): the Americas
// on the left, Europe and Africa on the right, Greenland at the top.
QPainterPath Land() {
    QPainterPath land;
    land.addPath(SmoothClosed({{17, 34},
                               {24, 24},
                               {34, 20},
                               {44, 22},
                               {45, 28},
                               {40, 33},
                               {36, 39},
                               {33, 45},
                               {30, 46},
                               {26, 41},
                               {21, 39}}));
    land.addPath(SmoothClosed({{34, 50},
                               {41, 51},
                               {48, 56},
                               {49, 62},
                               {45, 69},
                               {41, 77},
                               {38, 82},
                               {36, 75},
                               {35, 64},
                               {32, 56}}));
    land.addPath(SmoothClosed({{46, 17}, {54, 16}, {55, 21}, {49, 24}}));
    land.addPath(
        SmoothClosed({{57, 27}, {63, 22}, {72, 23}, {75, 29}, {68, 33}, {62, 36}, {58, 34}}));
    land.addPath(SmoothClosed({{56, 41},
                               {64, 38},
                               {73, 42},
                               {79, 49},
                               {74, 57},
                               {70, 65},
                               {65, 74},
                               {61, 70},
                               {60, 61},
                               {55, 53},
                               {53, 46}}));
    return land;
}

void GlobeUnits(QPainter& p) {
    const QPointF c(50, 50);
    const double r = 34;
    QRadialGradient sea(QPointF(40, 38), 44);
    sea.setColorAt(0, QColor(136, 204, 244));
    sea.setColorAt(1, QColor(24, 96, 170));
    const QPainterPath ball = Ellipse(c, r, r);
    p.fillPath(ball, sea);
    p.save();
    p.setClipPath(ball);
    QRadialGradient green(QPointF(40, 38), 46);
    green.setColorAt(0, QColor(140, 206, 96));
    green.setColorAt(1, QColor(46, 128, 58));
    p.fillPath(Land(), green);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    p.setBrush(Qt::NoBrush);
    for (double k : {0.35, 0.75}) p.drawEllipse(c, r * k, r);
    p.drawLine(QPointF(50, 16), QPointF(50, 84));
    for (double dy : {-20.0, 0.0, 20.0}) {
        const double half = qSqrt(r * r - dy * dy);
        p.drawLine(QPointF(50 - half, 50 + dy), QPointF(50 + half, 50 + dy));
    }
    p.restore();
    p.setPen(QPen(QColor(16, 60, 110), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
}

void Badge(QPainter& p, QPointF c, double r, const QString& sign) {
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(255, 226, 130));
    g.setColorAt(1, QColor(214, 150, 30));
    Stroke(p, Ellipse(c, r, r), g, 2);
    Letter(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, sign,
           Sans(r * 1.6, true), QColor(20, 40, 80));
}

void GlobeQuestion(QPainter& p) {
    p.save();
    p.translate(-6, -4);
    p.scale(0.94, 0.94);
    GlobeUnits(p);
    p.restore();
    Badge(p, QPointF(70, 70), 15, "?");
}

// A columned capitol under a gold star.
void CapitalStar(QPainter& p) {
    const QLinearGradient stone =
        Vertical(QRectF(0, 40, 1, 42), QColor(248, 244, 232), QColor(196, 186, 160));
    QPainterPath roof;
    roof.moveTo(20, 50);
    roof.lineTo(50, 36);
    roof.lineTo(80, 50);
    roof.closeSubpath();
    Stroke(p, roof, stone, 2.2);
    Stroke(p, Rounded(QRectF(22, 50, 56, 5), 1), stone, 2);
    for (int i = 0; i < 5; ++i) Stroke(p, Rounded(QRectF(25 + 11 * i, 56, 6, 16), 1), stone, 1.8);
    Stroke(p, Rounded(QRectF(18, 72, 64, 5), 1), stone, 2);
    Stroke(p, Rounded(QRectF(14, 77, 72, 5), 1), stone, 2);
    QRadialGradient g(QPointF(46, 18), 18);
    g.setColorAt(0, QColor(255, 236, 140));
    g.setColorAt(1, QColor(230, 150, 20));
    Stroke(p, Star(QPointF(50, 21), 14, 6, 5), g, 2);
}

QPainterPath PuzzlePiece() {
    QPainterPath piece;
    piece.addRect(26, 34, 44, 44);
    piece = piece.united(Ellipse(QPointF(48, 28), 9, 9));
    piece = piece.united(Ellipse(QPointF(76, 56), 9, 9));
    piece = piece.subtracted(Ellipse(QPointF(26, 56), 8, 8));
    piece = piece.subtracted(Ellipse(QPointF(48, 78), 8, 8));
    return piece;
}

void Puzzle(QPainter& p) {
    QLinearGradient g(QPointF(26, 20), QPointF(80, 80));
    g.setColorAt(0, QColor(255, 178, 74));
    g.setColorAt(1, QColor(214, 92, 24));
    Stroke(p, PuzzlePiece(), g);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.drawLine(QPointF(33, 40), QPointF(40, 40));
}

void FlagMagnifier(QPainter& p) {
    p.fillRect(QRectF(22, 18, 3.5, 64), QColor(110, 74, 40));
    QPainterPath white, red;
    white.addRect(25.5, 20, 38, 13);
    red.addRect(25.5, 33, 38, 13);
    Stroke(p, white, QColor(250, 250, 250), 1.5);
    Stroke(p, red, QColor(220, 30, 50), 1.5);
    p.setPen(QPen(QColor(60, 60, 70), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 70), QPointF(84, 84));
    QRadialGradient glass(QPointF(54, 52), 22);
    glass.setColorAt(0, QColor(230, 246, 255, 200));
    glass.setColorAt(1, QColor(150, 200, 236, 170));
    p.setPen(QPen(QColor(190, 140, 40), 5));
    p.setBrush(glass);
    p.drawEllipse(QPointF(58, 56), 17, 17);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(47, 45, 22, 22), 100 * 16, 70 * 16);
}

void Ship(QPainter& p) {
    QPainterPath hull;
    hull.moveTo(18, 60);
    hull.lineTo(82, 60);
    hull.lineTo(72, 76);
    hull.lineTo(28, 76);
    hull.closeSubpath();
    Stroke(p, hull, Vertical(QRectF(0, 60, 1, 16), QColor(170, 104, 50), QColor(100, 56, 24)));
    p.fillRect(QRectF(48.5, 16, 3, 44), QColor(90, 56, 26));
    QPainterPath mainSail, foreSail;
    mainSail.moveTo(52, 20);
    mainSail.quadTo(74, 36, 70, 56);
    mainSail.lineTo(52, 56);
    mainSail.closeSubpath();
    foreSail.moveTo(48, 24);
    foreSail.quadTo(34, 40, 30, 56);
    foreSail.lineTo(48, 56);
    foreSail.closeSubpath();
    Stroke(p, mainSail, QColor(250, 246, 232), 2);
    Stroke(p, foreSail, QColor(240, 232, 210), 2);
    QPainterPath flag;
    flag.moveTo(51, 16);
    flag.lineTo(62, 19);
    flag.lineTo(51, 22);
    p.fillPath(flag, QColor(210, 40, 40));
    p.setPen(QPen(QColor(40, 120, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath wave;
    wave.moveTo(14, 82);
    for (int i = 0; i < 6; ++i) wave.quadTo(19 + 12 * i, 77, 26 + 12 * i, 82);
    p.drawPath(wave);
}

void Map(QPainter& p) {
    const QColor tones[3] = {QColor(246, 236, 200), QColor(226, 212, 168), QColor(246, 236, 200)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath panel;
        const double x = 18 + 22 * i;
        const double lift = i % 2 ? 6 : 0;
        panel.moveTo(x, 28 + lift);
        panel.lineTo(x + 22, 28 + (i % 2 ? 0 : 6));
        panel.lineTo(x + 22, 78 + (i % 2 ? 0 : 6));
        panel.lineTo(x, 78 + lift);
        panel.closeSubpath();
        Stroke(p, panel, tones[i], 2);
    }
    QPainterPath land;
    land.moveTo(24, 44);
    land.cubicTo(34, 36, 48, 40, 52, 50);
    land.cubicTo(56, 60, 70, 56, 76, 64);
    land.cubicTo(70, 74, 52, 72, 42, 68);
    land.cubicTo(32, 64, 22, 56, 24, 44);
    p.fillPath(land, QColor(120, 186, 96, 200));
    QPainterPath pin;
    pin.moveTo(58, 52);
    pin.cubicTo(50, 40, 48, 34, 48, 30);
    pin.arcTo(QRectF(48, 20, 20, 20), 180, -180);
    pin.cubicTo(68, 34, 66, 40, 58, 52);
    QRadialGradient red(QPointF(54, 26), 16);
    red.setColorAt(0, QColor(255, 120, 110));
    red.setColorAt(1, QColor(196, 20, 30));
    Stroke(p, pin, red, 2);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(58, 30), 4, 4);
}

void Hand(QPainter& p) {
    const QColor skin(248, 206, 160);
    p.setBrush(QColor(40, 90, 170));
    p.setPen(QPen(Outline, 2.5));
    p.drawRoundedRect(QRectF(12, 38, 14, 36), 3, 3);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(24, 40, 32, 34), 10, 10);
    hand.addRoundedRect(QRectF(44, 40, 42, 12), 6, 6);
    hand.addRoundedRect(QRectF(30, 30, 26, 12), 6, 6);
    Stroke(p, hand.simplified(), skin);
    for (int i = 0; i < 3; ++i) {
        const QRectF finger(44, 52 + 7.5 * i, 20 - 3 * i, 8);
        Stroke(p, Rounded(finger, 4), skin, 2);
    }
}

void Question(QPainter& p) {
    Letter(p, QRectF(0, 0, 100, 100), Qt::AlignCenter, "?", Sans(74, true), QColor(30, 80, 160),
           QColor(0, 0, 0, 0));
    Letter(p, QRectF(-2, -3, 100, 100), Qt::AlignCenter, "?", Sans(74, true), QColor(60, 130, 220));
}

void Clock(QPainter& p) {
    Stroke(p, Ellipse(QPointF(50, 50), 36, 36), QColor(250, 250, 245), 5);
    p.setPen(QPen(Outline, 4, Qt::SolidLine, Qt::RoundCap));
    for (int h = 0; h < 12; h += 3) {
        const double a = qDegreesToRadians(h * 30.0);
        p.drawLine(QPointF(50 + 26 * qSin(a), 50 - 26 * qCos(a)),
                   QPointF(50 + 31 * qSin(a), 50 - 31 * qCos(a)));
    }
    p.setPen(QPen(Outline, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 50), QPointF(50, 28));
    p.drawLine(QPointF(50, 50), QPointF(66, 58));
}

void Rose(QPainter& p) {
    DrawCompassRose(p, QPointF(50, 50), 36);
}
}  // namespace

void DrawGlobe(QPainter& p, const QRectF& box) {
    UnitSpace u(p, box);
    GlobeUnits(p);
}

void DrawCompassRose(QPainter& p, QPointF c, double r, int alpha, bool sepia) {
    const QColor line = sepia ? QColor(120, 90, 50) : QColor(50, 40, 30);
    const QColor dark = sepia ? QColor(168, 136, 90) : QColor(40, 60, 100);
    const QColor light = sepia ? QColor(240, 230, 204) : QColor(236, 230, 214);
    const QColor red = sepia ? dark : QColor(200, 30, 40);
    const QColor pink = sepia ? light : QColor(240, 110, 100);
    p.save();
    p.setOpacity(alpha / 255.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, r * (sepia ? 0.015 : 0.05)));
    p.drawEllipse(c, r * 0.78, r * 0.78);
    p.setPen(QPen(line, r * (sepia ? 0.008 : 0.025)));
    p.drawEllipse(c, r * 0.68, r * 0.68);
    // Diagonal points first, the four cardinal points over them.
    for (int pass = 0; pass < 2; ++pass) {
        const double len = pass ? r : r * 0.62;
        for (int i = 0; i < 4; ++i) {
            const double a = qDegreesToRadians(-90.0 + 90 * i + (pass ? 0 : 45));
            const QPointF tip = c + QPointF(len * qCos(a), len * qSin(a));
            const double side = r * (pass ? 0.16 : 0.12);
            const QPointF l = c + QPointF(side * qCos(a - M_PI / 2), side * qSin(a - M_PI / 2));
            const QPointF rr = c + QPointF(side * qCos(a + M_PI / 2), side * qSin(a + M_PI / 2));
            const bool north = pass && i == 0;
            QPainterPath shade, lit;
            shade.moveTo(c);
            shade.lineTo(tip);
            shade.lineTo(l);
            shade.closeSubpath();
            lit.moveTo(c);
            lit.lineTo(tip);
            lit.lineTo(rr);
            lit.closeSubpath();
            p.setPen(QPen(line, r * (sepia ? 0.006 : 0.02)));
            p.setBrush(north ? red : dark);
            p.drawPath(shade);
            p.setBrush(north ? pink : light);
            p.drawPath(lit);
        }
    }
    p.setBrush(QColor(226, 186, 84));
    p.drawEllipse(c, r * 0.07, r * 0.07);
    p.restore();
}

void DrawEmblem(QPainter& p, Emblem emblem, const QRectF& box) {
    UnitSpace u(p, box);
    switch (emblem) {
        case Emblem::GlobeQuestion:
            return GlobeQuestion(p);
        case Emblem::CapitalStar:
            return CapitalStar(p);
        case Emblem::Puzzle:
            return Puzzle(p);
        case Emblem::FlagMagnifier:
            return FlagMagnifier(p);
        case Emblem::Compass:
            return Rose(p);
        case Emblem::Ship:
            return Ship(p);
        case Emblem::Map:
            return Map(p);
        case Emblem::Hand:
            return Hand(p);
        case Emblem::Question:
            return Question(p);
        case Emblem::Clock:
            return Clock(p);
    }
}

void DrawRoundButton(QPainter& p, QPointF c, double r, Emblem emblem) {
    DropShadow(p, Ellipse(c, r, r), {1.5, 2.5}, 2, QColor(0, 0, 0, 150));
    QLinearGradient ring(c - QPointF(r, r), c + QPointF(r, r));
    ring.setColorAt(0, QColor(255, 230, 150));
    ring.setColorAt(0.5, ink::Gold);
    ring.setColorAt(1, ink::GoldDark);
    p.fillPath(Ellipse(c, r, r), ring);
    const double inner = r - qMax(2.5, r * 0.11);
    QRadialGradient face(c - QPointF(inner * 0.35, inner * 0.45), inner * 1.5);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(196, 216, 232));
    p.fillPath(Ellipse(c, inner, inner), face);
    const double e = inner * 2.15;
    DrawEmblem(p, emblem, QRectF(c.x() - e / 2, c.y() - e / 2, e, e));
    // Gloss over the upper half of the disc.
    QLinearGradient gloss(c - QPointF(0, inner), c);
    gloss.setColorAt(0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(Ellipse(c - QPointF(0, inner * 0.45), inner * 0.78, inner * 0.5), gloss);
    p.setPen(QPen(QColor(90, 64, 20), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 0.5, r - 0.5);
}

}  // namespace art

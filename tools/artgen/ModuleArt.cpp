// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModuleArt.h"

#include <QPainterPath>

#include "Emblems.h"
#include "Kit.h"

namespace art {

namespace {
// A light frame around a picture area that the window fills itself.
void PictureFrame(QPainter& p, const QRectF& r) {
    const QPainterPath shape = Rounded(r, 4);
    DropShadow(p, shape, {2, 2}, 3, QColor(0, 0, 0, 140));
    p.fillPath(shape, Vertical(r, QColor(244, 236, 210), QColor(206, 190, 150)));
    p.setPen(QPen(QColor(120, 96, 50), 1));
    p.drawPath(Rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), 4));
}

QImage Start(int w, int h) {
    QImage img = Canvas(w, h);
    QPainter p(&img);
    Prepare(p);
    SlateBackdrop(p, img.rect());
    return img;
}

// A numbered disc marking an answer row.
void RowMark(QPainter& p, QPointF c, int number) {
    QPainterPath disc;
    disc.addEllipse(c, 11, 11);
    DropShadow(p, disc, {1, 1.5}, 1, QColor(0, 0, 0, 130));
    QRadialGradient g(c - QPointF(4, 4), 16);
    g.setColorAt(0, QColor(255, 226, 130));
    g.setColorAt(1, QColor(200, 140, 30));
    p.fillPath(disc, g);
    Letter(p, QRectF(c.x() - 11, c.y() - 11, 22, 22), Qt::AlignCenter, QString::number(number),
           Sans(13, true), QColor(20, 36, 70));
}
}  // namespace

QImage QuizBackground() {
    QImage img = Start(404, 308);
    QPainter p(&img);
    Prepare(p);
    DarkField(p, QRectF(28, 28, 52, 52), 8);    // countdown digit
    DarkField(p, QRectF(96, 16, 290, 28), 6);   // question number
    LightField(p, QRectF(92, 50, 272, 62), 6);  // question and grade
    const double rows[3][2] = {{142, 30}, {193, 28}, {253, 30}};
    for (int i = 0; i < 3; ++i) {
        LightField(p, QRectF(40, rows[i][0], 282, rows[i][1]), rows[i][1] / 2);
        RowMark(p, QPointF(22, rows[i][0] + rows[i][1] / 2), i + 1);
    }
    DrawEmblem(p, Emblem::GlobeQuestion, QRectF(324, 200, 84, 84));
    return img;
}

QImage MapsBackground() {
    QImage img = Start(513, 417);
    QPainter p(&img);
    Prepare(p);
    DarkField(p, QRectF(6, 8, 354, 30), 6);     // message line and effectiveness
    LightField(p, QRectF(364, 6, 145, 33), 5);  // continent and country lists
    DarkField(p, QRectF(370, 42, 133, 18), 5);  // the options label
    const QRectF field(4, 62, 505, 351);
    const QPainterPath shape = Rounded(field, 6);
    DropShadow(p, shape, {2, 2}, 3, QColor(0, 0, 0, 140));
    p.fillPath(shape, Vertical(field, QColor(232, 242, 250), QColor(204, 222, 238)));
    p.save();
    p.setClipPath(shape);
    Graticule(p, field, 30, QColor(70, 110, 160, 40));
    p.restore();
    p.setPen(QPen(QColor(110, 140, 175), 1));
    p.drawPath(Rounded(field.adjusted(0.5, 0.5, -0.5, -0.5), 6));
    return img;
}

QImage PuzzleBackground() {
    QImage img = Start(515, 407);
    QPainter p(&img);
    Prepare(p);
    DrawEmblem(p, Emblem::Clock, QRectF(43, 4, 32, 32));
    DarkField(p, QRectF(30, 38, 58, 26), 6);    // seconds left
    DarkField(p, QRectF(96, 50, 248, 40), 6);   // name and description
    PictureFrame(p, QRectF(352, 5, 125, 85));   // thumbnail
    PictureFrame(p, QRectF(6, 96, 405, 277));   // board
    DarkField(p, QRectF(414, 280, 92, 88), 8);  // picture number and buttons
    DrawEmblem(p, Emblem::Puzzle, QRectF(424, 150, 72, 72));
    return img;
}

QImage CountryBackground() {
    QImage img = Start(411, 329);
    QPainter p(&img);
    Prepare(p);
    PictureFrame(p, QRectF(1, 2, 392, 264));    // covered photograph
    DarkField(p, QRectF(397, 3, 11, 264), 4);   // gauge slot
    DarkField(p, QRectF(8, 272, 185, 52), 6);   // result line and answer field
    DarkField(p, QRectF(262, 272, 62, 28), 5);  // picture number
    return img;
}

QImage CoordsBackground() {
    QImage img = Start(386, 261);
    QPainter p(&img);
    Prepare(p);
    // Light grid field with a line for every degree between the two meridians and parallels.
    const QRectF field(44, 19, 140, 139);
    LightField(p, field, 4);
    p.setPen(QPen(QColor(120, 150, 190, 110), 1));
    for (int k = 1; k < 10; ++k) {
        p.drawLine(QPointF(62.5 + 10 * k, 20), QPointF(62.5 + 10 * k, 156));
        p.drawLine(QPointF(45, 38.5 + 10 * k), QPointF(182, 38.5 + 10 * k));
    }
    DarkField(p, QRectF(232, 8, 138, 82), 6);  // right and given answers
    DrawCompassRose(p, QPointF(305.5, 157.5), 46, 255);
    DarkField(p, QRectF(24, 198, 202, 20), 5);  // prompt and verdict
    return img;
}

QImage ExplorersBackground() {
    QImage img = Start(489, 366);
    QPainter p(&img);
    Prepare(p);
    PictureFrame(p, QRectF(3, 3, 108, 129));      // portrait
    DarkField(p, QRectF(280, 0, 152, 38), 6);     // list and its caption
    LightField(p, QRectF(119, 46, 357, 303), 5);  // text
    DrawEmblem(p, Emblem::Ship, QRectF(6, 150, 104, 104));
    DrawCompassRose(p, QPointF(58, 300), 40, 200);
    return img;
}

QImage AboutBackground(const QImage& mainBackground) {
    QImage img = mainBackground.copy(160, 140, 316, 290);
    QPainter p(&img);
    Prepare(p);
    const QRectF sheet(0, 0, 309, 283);
    QPainterPath shape;
    shape.addRect(sheet);
    DropShadow(p, shape, {6, 6}, 3, QColor(0, 0, 0, 150));
    SlateBackdrop(p, sheet);
    return img;
}

}  // namespace art

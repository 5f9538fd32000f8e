// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture with the cut drawn over it as a frame; dragging the picture with
// the mouse (or the arrow keys) moves the cut, the wheel (or + and -) zooms it.
#include <QImage>
#include <QWidget>

class CropView : public QWidget {
    Q_OBJECT
public:
    explicit CropView(QWidget* parent);

    // The cover picture and the cut in it.
    void setPicture(const QImage& cover, QRect crop);

signals:
    // The cut is to move by delta pixels of the cover picture.
    void cropMoved(QPoint delta);
    // The cut is to be zoomed in by steps (out when negative).
    void cropZoomed(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    double Scale() const;       // view pixels per cover pixel
    QRect PictureRect() const;  // where the cover picture is drawn

    QImage cover;
    QRect crop;
    int wheelRest = 0;  // wheel turns short of a whole step
    QPointF dragFrom;
    QPointF dragRest;  // the part of a drag smaller than a cover pixel
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/PictureButton.h"

#include <QPainter>

PictureButton::PictureButton(QWidget* parent, const char* name, const QRect& geometry,
                             const QString& caption)
    : QAbstractButton(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setAccessibleName(caption);
    setCursor(Qt::PointingHandCursor);
    // The keys that stand for a click belong to the module that shows the
    // button, so the button itself is no stop of the Tab key.
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setPicture(const QImage& image) {
    picture = image;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), picture);
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ImageView.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/Accessibility.h"
#include "widgets/FocusVisible.h"

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FocusVisible::PaintsOwnFocus(this);
}

void ImageView::setImage(const QImage& picture) {
    image = picture;
    update();
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Scaled programs resample the picture smoothly.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawImage(0, 0, image);
    if (!overlay.isNull()) p.drawImage(0, 0, overlay);
    if (hasFocus() && FocusVisible::shown())
        PaintFocusRing(p, cursorRect.isNull() ? rect() : cursorRect, false, ringColour);
}

void ImageView::setOverlay(const QImage& picture) {
    overlay = picture;
    update();
}

void ImageView::setCursorRect(const QRect& cell) {
    cursorRect = cell;
    update();
}

void ImageView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ImageView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ImageView::mousePressEvent(QMouseEvent* event) {
    secondPress = false;
    emit pressed(event->position().toPoint(), event->button());
}

void ImageView::mouseDoubleClickEvent(QMouseEvent* event) {
    secondPress = true;
    emit pressed(event->position().toPoint(), event->button());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(pos) && !secondPress)
        emit clicked(pos);
    secondPress = false;
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CropView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <cmath>

namespace {
constexpr int kKeyStep = 8;  // cover pixels per arrow key
}

CropView::CropView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::SizeAllCursor);
    setMinimumSize(384, 256);
}

void CropView::setPicture(const QImage& picture, QRect at) {
    cover = picture;
    crop = at;
    update();
}

double CropView::Scale() const {
    if (cover.isNull()) return 1.0;
    return std::min(double(width()) / cover.width(), double(height()) / cover.height());
}

QRect CropView::PictureRect() const {
    const QSize size(int(cover.width() * Scale()), int(cover.height() * Scale()));
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void CropView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    if (cover.isNull()) {
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Brak obrazka"));
        return;
    }
    const QRect target = PictureRect();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, cover);
    const double scale = Scale();
    const QRectF frame(target.topLeft() + QPointF(crop.topLeft()) * scale,
                       QSizeF(crop.size()) * scale);
    // What the cut leaves out is dimmed; the frame is drawn on its edge.
    QPainterPath outside;
    outside.addRect(target);
    outside.addRect(frame);
    painter.fillPath(outside, QColor(0, 0, 0, 150));
    painter.setPen(QPen(Qt::yellow, 2));
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void CropView::mousePressEvent(QMouseEvent* event) {
    dragFrom = event->position();
    dragRest = {};
}

void CropView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || cover.isNull()) return;
    const QPointF moved = (event->position() - dragFrom) / Scale() + dragRest;
    dragFrom = event->position();
    const QPoint whole(int(std::trunc(moved.x())), int(std::trunc(moved.y())));
    dragRest = moved - QPointF(whole);
    if (!whole.isNull()) emit cropMoved(whole);
}

void CropView::keyPressEvent(QKeyEvent* event) {
    QPoint delta;
    switch (event->key()) {
        case Qt::Key_Left:
            delta = {-kKeyStep, 0};
            break;
        case Qt::Key_Right:
            delta = {kKeyStep, 0};
            break;
        case Qt::Key_Up:
            delta = {0, -kKeyStep};
            break;
        case Qt::Key_Down:
            delta = {0, kKeyStep};
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:  // + without Shift on most keyboards
            emit cropZoomed(1);
            return;
        case Qt::Key_Minus:
            emit cropZoomed(-1);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    emit cropMoved(delta);
}

void CropView::wheelEvent(QWheelEvent* event) {
    // A notch is 120; touchpads send smaller turns, gathered into whole steps.
    wheelRest += event->angleDelta().y();
    const int steps = wheelRest / QWheelEvent::DefaultDeltasPerStep;
    wheelRest -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0 && !cover.isNull()) emit cropZoomed(steps);
    event->accept();
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/FaceButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "widgets/Accessibility.h"
#include "widgets/FocusVisible.h"

namespace {

QColor Shift(const QColor& c, int delta) {
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    return QColor(clamp(c.red() + delta), clamp(c.green() + delta), clamp(c.blue() + delta));
}

}  // namespace

FaceButton::FaceButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    FocusVisible::PaintsOwnFocus(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, Qt::white);
    setPalette(pal);
    resize(75, 25);
}

QColor FaceButton::Lighter(const QColor& c) {
    return Shift(c, 64);
}
QColor FaceButton::Darker(const QColor& c) {
    return Shift(c, -64);
}

void FaceButton::setColor(const QColor& color) {
    face = color;
    update();
}

void FaceButton::setGlyph(const QImage& image) {
    glyph = image;
    update();
}

void FaceButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        enterHeld = true;
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void FaceButton::keyReleaseEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        const bool wasHeld = enterHeld;
        enterHeld = false;
        if (wasHeld && isEnabled()) click();
        event->accept();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

void FaceButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect r = rect();
    p.fillRect(r, face);
    const bool down = isDown();
    const QColor topLeft = down ? Darker(face) : Lighter(face);
    const QColor bottomRight = down ? Lighter(face) : Darker(face);
    for (int i = 0; i < 2; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left() + i, r.top() + i, r.right() - i, r.top() + i);
        p.drawLine(r.left() + i, r.top() + i, r.left() + i, r.bottom() - i);
        p.setPen(bottomRight);
        p.drawLine(r.left() + i, r.bottom() - i, r.right() - i, r.bottom() - i);
        p.drawLine(r.right() - i, r.top() + i, r.right() - i, r.bottom() - i);
    }
    const QRect inner = r.adjusted(4, 4, -4, -4).translated(down ? 1 : 0, down ? 1 : 0);
    if (!glyph.isNull()) {
        const QPoint at = inner.center() - QPoint(glyph.width() / 2, glyph.height() / 2);
        p.drawImage(at, glyph);
    }
    if (!text().isEmpty()) {
        p.setFont(font());
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (isEnabled()) {
            p.setPen(palette().color(QPalette::ButtonText));
            p.drawText(inner, flags, text());
        } else {
            p.setPen(Lighter(face));
            p.drawText(inner.translated(1, 1), flags, text());
            p.setPen(Darker(face));
            p.drawText(inner, flags, text());
        }
    }
    if (hasFocus() && FocusVisible::shown()) {
        QPen pen(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(2, 2, -3, -3));
        PaintFocusRing(p, r);
    }
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "maps/KeyboardFocus.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>

InputOrigin::InputOrigin(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool InputOrigin::eventFilter(QObject*, QEvent* event) {
    bool keys = fromKeys;
    switch (event->type()) {
        case QEvent::KeyPress:
            keys = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::Wheel:
            keys = false;
            break;
        default:
            return false;
    }
    if (keys != fromKeys) {
        fromKeys = keys;
        emit Changed();
    }
    return false;
}

KeyFocusRing::KeyFocusRing(QWidget* target, const InputOrigin& origin, std::function<QRect()> area)
    : QWidget(target), target(target), origin(origin), area(std::move(area)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    target->installEventFilter(this);
    connect(&origin, &InputOrigin::Changed, this, &KeyFocusRing::Refresh);
    hide();
}

void KeyFocusRing::Refresh() {
    const bool shown = target->hasFocus() && origin.FromKeys();
    if (shown) {
        resize(target->size());
        raise();
    }
    setVisible(shown);
    update();
}

bool KeyFocusRing::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut || type == QEvent::Resize) Refresh();
    return false;
}

void KeyFocusRing::paintEvent(QPaintEvent*) {
    QRect r = area ? area() : QRect();
    const bool round = !r.isEmpty();
    if (!round) r = rect();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, round);
    p.setBrush(Qt::NoBrush);
    // Dark outside, yellow inside, each two pixels wide.
    const QRectF outer = QRectF(r).adjusted(1, 1, -1, -1), inner = outer.adjusted(2, 2, -2, -2);
    for (const auto& [ring, colour] :
         {std::pair{outer, QColor(0x00, 0x00, 0x4A)}, std::pair{inner, QColor(0xFF, 0xD7, 0x00)}}) {
        p.setPen(QPen(colour, 2));
        if (round)
            p.drawEllipse(ring);
        else
            p.drawRect(ring);
    }
}

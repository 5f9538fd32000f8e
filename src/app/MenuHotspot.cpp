// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MenuHotspot.h"

#include <QKeyEvent>
#include <QPainter>

#include "widgets/Accessibility.h"
#include "widgets/FocusVisible.h"

MenuHotspot::MenuHotspot(QWidget* parent, const char* name, const QRect& geometry,
                         const QString& caption)
    : QAbstractButton(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setAccessibleName(caption);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab and the arrows; a mouse click leaves the focus where it is.
    setFocusPolicy(Qt::TabFocus);
    FocusVisible::PaintsOwnFocus(this);
}

void MenuHotspot::paintEvent(QPaintEvent*) {
    if (!hasFocus() || !FocusVisible::shown()) return;
    QPainter p(this);
    PaintFocusRing(p, rect(), true);
}

void MenuHotspot::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

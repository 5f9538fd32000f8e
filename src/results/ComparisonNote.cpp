// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ComparisonNote.h"

#include <QApplication>
#include <QEvent>

#include "widgets/Accessibility.h"

ComparisonNote::ComparisonNote(QWidget* window, QRect geometry) : QLabel(window) {
    setObjectName("ComparisonNote");
    setGeometry(geometry);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0xFF, 0xE6, 0x8C));
    setPalette(pal);
    hide();
    window->installEventFilter(this);
}

void ComparisonNote::Show(const QString& text) {
    if (text.isEmpty()) return;
    setText(text);
    show();
    raise();
    Announce(this);
    qApp->installEventFilter(this);
}

void ComparisonNote::Dismiss() {
    hide();
    qApp->removeEventFilter(this);
}

bool ComparisonNote::eventFilter(QObject* watched, QEvent* event) {
    if (!isVisible()) return false;
    const QEvent::Type type = event->type();
    if ((watched == parent() && type == QEvent::Hide) || type == QEvent::MouseButtonPress ||
        type == QEvent::KeyPress)
        Dismiss();
    return false;
}

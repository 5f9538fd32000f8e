// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Gauge.h"

#include <QAccessible>
#include <QPainter>
#include <algorithm>

#include "widgets/Accessibility.h"

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
    InstallAccessibleObjects();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Gauge::setRange(int minValue, int maxValue) {
    low = minValue;
    high = std::max(minValue, maxValue);
    SetValue(value);
}

void Gauge::setProgress(int v) {
    SetValue(v);
}

void Gauge::SetValue(int v) {
    const int before = percent();
    value = std::clamp(v, low, high);
    QAccessibleValueChangeEvent changed(this, value);
    QAccessible::updateAccessibility(&changed);
    if (percent() != before) update();
}

int Gauge::percent() const {
    if (high == low) return 0;
    const qint64 span = qint64(high) - low;
    return int(((qint64(value) - low) * 200 + span) / (2 * span));  // rounded half up
}

void Gauge::setKind(Kind k) {
    kind = k;
    update();
}

void Gauge::setBorder(bool on) {
    border = on;
    update();
}

void Gauge::setColors(const QColor& f, const QColor& b) {
    fore = f;
    back = b;
    update();
}

int Gauge::FilledLength(int length) const {
    return length * percent() / 100;
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect bar = rect();
    if (border) {
        p.fillRect(bar, Qt::black);
        bar.adjust(1, 1, -1, -1);
    }
    p.fillRect(bar, back);
    if (kind == Kind::Horizontal) {
        p.fillRect(QRect(bar.left(), bar.top(), FilledLength(bar.width()), bar.height()), fore);
    } else {
        const int filled = FilledLength(bar.height());
        p.fillRect(QRect(bar.left(), bar.bottom() + 1 - filled, bar.width(), filled), fore);
    }
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Gauge.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace {

// A gauge reads as a progress bar with its value and range.
class GaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(Gauge* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return gauge()->progress(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return gauge()->maxValue(); }
    QVariant minimumValue() const override { return gauge()->minValue(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    Gauge* gauge() const { return static_cast<Gauge*>(widget()); }
};

QAccessibleInterface* GaugeFactory(const QString&, QObject* object) {
    auto* gauge = qobject_cast<Gauge*>(object);
    return gauge ? new GaugeAccessible(gauge) : nullptr;
}

}  // namespace

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(GaugeFactory);
        return true;
    }();
    Q_UNUSED(installed);
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

#include "widgets/TGauge.h"

#include <QPainter>
#include <algorithm>

TGauge::TGauge(QWidget* parent) : QWidget(parent) {}

void TGauge::setRange(int minValue, int maxValue) {
    low = minValue;
    high = std::max(minValue, maxValue);
    setProgress(value);
}

void TGauge::setProgress(int v) {
    value = std::clamp(v, low, high);
    update();
}

void TGauge::setColors(const QColor& f, const QColor& b) {
    fore = f;
    back = b;
    update();
}

int TGauge::FilledWidth(int innerWidth) const {
    if (high == low) return 0;
    return int(qint64(innerWidth) * (value - low) / (high - low));
}

void TGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    p.fillRect(rect(), Qt::black);
    p.fillRect(inner, back);
    p.fillRect(QRect(inner.topLeft(), QSize(FilledWidth(inner.width()), inner.height())), fore);
}

#pragma once
// A horizontal bar gauge: the part of the width that Progress takes between
// MinValue and MaxValue is filled with ForeColor, the rest with BackColor.
#include <QColor>
#include <QWidget>

class TGauge : public QWidget {
    Q_OBJECT
public:
    explicit TGauge(QWidget* parent = nullptr);

    void setRange(int minValue, int maxValue);
    void setProgress(int value);  // clamped into the range
    int progress() const { return value; }
    int minValue() const { return low; }
    int maxValue() const { return high; }
    void setColors(const QColor& fore, const QColor& back);
    // Width in pixels of the filled part, for a given inner width.
    int FilledWidth(int innerWidth) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int low = 0, high = 100, value = 0;
    QColor fore{Qt::black}, back{Qt::white};
};

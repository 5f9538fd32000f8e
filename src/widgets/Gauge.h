// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A bar gauge: Progress is kept between MinValue and MaxValue, and the share
// of that range it takes, as a whole percentage, is filled with ForeColor on
// a BackColor bar; a horizontal bar fills from the left, a vertical one rises
// from the bottom. The gauge repaints only when the percentage changes.
#include <QColor>
#include <QWidget>

class Gauge : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Horizontal, Vertical };

    explicit Gauge(QWidget* parent = nullptr);

    void setRange(int minValue, int maxValue);
    void setProgress(int value);  // clamped into the range
    int progress() const { return value; }
    int minValue() const { return low; }
    int maxValue() const { return high; }
    // The value's share of the range, rounded to a whole percentage.
    int percent() const;

    void setKind(Kind kind);
    void setBorder(bool on);  // a one-pixel black border around the bar
    void setColors(const QColor& fore, const QColor& back);
    // Length in pixels of the filled part of a bar this long.
    int FilledLength(int length) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void SetValue(int v);

    int low = 0, high = 100, value = 0;
    Kind kind = Kind::Horizontal;
    bool border = true;
    QColor fore{Qt::black}, back{Qt::white};
};

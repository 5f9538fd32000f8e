// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The bar gauge: the value kept in its range, the rounded percentage, the
// vertical bar rising from the bottom, and repaints only on a new percentage.
#include <gtest/gtest.h>

#include <QApplication>

#include "widgets/Gauge.h"

namespace {
class CountingGauge : public Gauge {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        Gauge::paintEvent(event);
    }
};
}  // namespace

TEST(Gauge, ValueStaysInRangeAndPercentIsRounded) {
    Gauge gauge;
    gauge.setRange(0, 100);
    gauge.setProgress(-5);
    EXPECT_EQ(gauge.progress(), 0);
    gauge.setProgress(140);
    EXPECT_EQ(gauge.progress(), 100);
    EXPECT_EQ(gauge.percent(), 100);
    gauge.setRange(0, 3);
    EXPECT_EQ(gauge.progress(), 3);
    gauge.setProgress(1);
    EXPECT_EQ(gauge.percent(), 33);
    gauge.setProgress(2);
    EXPECT_EQ(gauge.percent(), 67);
    gauge.setRange(0, 200);
    gauge.setProgress(1);
    EXPECT_EQ(gauge.percent(), 1);  // 0.5 rounds up
}

TEST(Gauge, VerticalBarFillsFromTheBottom) {
    Gauge gauge;
    gauge.resize(5, 258);
    gauge.setKind(Gauge::Kind::Vertical);
    gauge.setBorder(false);
    gauge.setColors(QColor(0x00, 0x00, 0x4A), Qt::white);
    gauge.setProgress(40);
    QImage shot = gauge.grab().toImage();
    const int filled = 258 * 40 / 100;
    EXPECT_EQ(shot.pixelColor(2, 257), QColor(0x00, 0x00, 0x4A));
    EXPECT_EQ(shot.pixelColor(2, 258 - filled), QColor(0x00, 0x00, 0x4A));
    EXPECT_EQ(shot.pixelColor(2, 257 - filled), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::white));

    gauge.setProgress(0);
    shot = gauge.grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 257), QColor(Qt::white));
}

TEST(Gauge, RepaintsOnlyWhenThePercentChanges) {
    CountingGauge gauge;
    gauge.resize(20, 100);
    gauge.setRange(0, 1000);
    gauge.setProgress(500);
    gauge.show();
    QApplication::processEvents();
    const int before = gauge.paints;
    gauge.setProgress(502);  // still 50 %
    QApplication::processEvents();
    EXPECT_EQ(gauge.paints, before);
    gauge.setProgress(510);
    QApplication::processEvents();
    EXPECT_GT(gauge.paints, before);
}

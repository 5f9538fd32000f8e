// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A small bar chart of ratings between 0 and 1, oldest on the left.
#include <QWidget>
#include <vector>

class RatingChart : public QWidget {
public:
    RatingChart(std::vector<double> ratings, QWidget* parent);
    QSize sizeHint() const override { return {180, 36}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> ratings;
};

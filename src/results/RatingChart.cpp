// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/RatingChart.h"

#include <QPainter>
#include <algorithm>

#include "platform/Theme.h"

RatingChart::RatingChart(std::vector<double> ratings, QWidget* parent)
    : QWidget(parent), ratings(std::move(ratings)) {
    setFixedSize(sizeHint());
}

void RatingChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Theme::kDialogButton);
    if (ratings.empty()) return;
    const int slot = width() / int(std::max<size_t>(ratings.size(), 10));
    const int room = height() - 4;
    for (size_t i = 0; i < ratings.size(); ++i) {
        const double r = std::clamp(ratings[i], 0.0, 1.0);
        const int h = std::max(2, int(r * room));
        // Green for a good result, yellow for a middling one, red for a poor one.
        const QColor colour = r >= 0.75  ? QColor(0x6C, 0xD0, 0x6C)
                              : r >= 0.5 ? QColor(0xF0, 0xD0, 0x50)
                                         : QColor(0xE0, 0x60, 0x50);
        p.fillRect(int(i) * slot + 1, height() - 2 - h, slot - 2, h, colour);
    }
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/GridCursor.h"

#include <Qt>
#include <algorithm>

bool GridCursor::Move(int key) {
    QPoint step;
    switch (key) {
        case Qt::Key_Left:
            step = {-1, 0};
            break;
        case Qt::Key_Right:
            step = {1, 0};
            break;
        case Qt::Key_Up:
            step = {0, -1};
            break;
        case Qt::Key_Down:
            step = {0, 1};
            break;
        default:
            return false;
    }
    cell = {std::clamp(cell.x() + step.x(), 0, columns - 1),
            std::clamp(cell.y() + step.y(), 0, rows - 1)};
    return true;
}

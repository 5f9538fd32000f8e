// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A keyboard cursor over a grid of cells (puzzle pieces, picture tiles): the
// arrow keys move it one cell and stop at the edges.
#include <QPoint>

class GridCursor {
public:
    GridCursor(int columns, int rows) : columns(columns), rows(rows) {}

    // Moves by an arrow key; false for any other key.
    bool Move(int key);
    void Reset() { cell = {0, 0}; }

    int Column() const { return cell.x(); }
    int Row() const { return cell.y(); }
    // The cell numbered row by row from `first`.
    int Index(int first = 0) const { return first + cell.y() * columns + cell.x(); }

private:
    int columns, rows;
    QPoint cell{0, 0};
};

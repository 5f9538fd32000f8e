// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The puzzle's rules without a window: 24 pieces of 64 x 64 pixels on a board
// of 6 columns by 4 rows, a pair of clicks swaps two pieces, and a countdown.
// Cells and pieces share one numbering: k (1..24) is column (k - 1) mod 6 and
// row (k - 1) div 6, counted from the top left.
#include <QPoint>
#include <QRect>
#include <array>

class Random;

class PuzzleBoard {
public:
    static constexpr int kColumns = 6;
    static constexpr int kRows = 4;
    static constexpr int kPieces = kColumns * kRows;
    static constexpr int kSide = 64;
    static constexpr int kMargin = 4;  // the board is drawn from (4, 4)

    enum class Click { Ignored, First, Swapped };

    // The square of the picture that piece k shows.
    static QRect PieceRect(int k);
    // The square of the board image where cell k is drawn.
    static QRect CellRect(int k);
    // The cell a click at board point p chooses, or 0 when the click misses.
    // The drawing margin is not subtracted, so each cell is hit from 4 pixels
    // before its drawn square.
    static int CellAt(QPoint p);

    // Puts every piece in its own cell, then makes 30 exchanges of two cells
    // drawn from 1..23: piece 24 never moves, and the result can be solved.
    // The new board awaits the first click of a pair.
    void Shuffle(Random& random);
    // A click at board point p: remembers the first cell of a pair, or swaps
    // the pieces of the remembered cell and this one. Ignored when locked.
    Click ClickAt(QPoint p);
    bool IsSolved() const;

    // Starts a game's countdown from the given seconds and unlocks the board.
    void Start(int seconds);
    // One second of the countdown; true when the time has just run out.
    bool Tick();

    int PieceIn(int cell) const { return order[cell]; }
    int FirstCell() const { return firstCell; }
    int LastCell() const { return lastCell; }
    bool AwaitingFirstClick() const { return awaitingFirst; }

    int timeLeft = 0;
    int swaps = 0;      // in this game
    int timeLimit = 0;  // seconds given to this game
    bool locked = false;

private:
    std::array<quint8, kPieces + 1> order{};  // entry 0 unused
    bool awaitingFirst = true;
    int firstCell = 1;
    int lastCell = 1;
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "puzzle/PuzzleBoard.h"

#include <utility>

#include "platform/Platform.h"

namespace {
constexpr int kShuffleSwaps = 30;
constexpr int kRightLimit = 380;   // clicks right of this miss the board
constexpr int kBottomLimit = 252;  // clicks below this miss the board

QPoint ColumnRow(int k) {
    return {(k - 1) % PuzzleBoard::kColumns, (k - 1) / PuzzleBoard::kColumns};
}
}  // namespace

QRect PuzzleBoard::PieceRect(int k) {
    const QPoint cr = ColumnRow(k);
    return {kSide * cr.x(), kSide * cr.y(), kSide, kSide};
}

QRect PuzzleBoard::CellRect(int k) {
    return PieceRect(k).translated(kMargin, kMargin);
}

int PuzzleBoard::CellAt(QPoint p) {
    if (p.x() <= 0 || p.y() <= 0 || p.x() > kRightLimit || p.y() > kBottomLimit) return 0;
    return kColumns * (p.y() / kSide) + p.x() / kSide + 1;
}

void PuzzleBoard::Shuffle(Random& random) {
    for (int i = 1; i <= kPieces; ++i) order[i] = quint8(i);
    awaitingFirst = true;
    random.seedFromClock();
    for (int n = 0; n < kShuffleSwaps; ++n) {
        const int x = random.uniform(1, kPieces - 1);
        const int y = random.uniform(1, kPieces - 1);
        std::swap(order[x], order[y]);
    }
}

PuzzleBoard::Click PuzzleBoard::ClickAt(QPoint p) {
    const int cell = locked ? 0 : CellAt(p);
    if (cell == 0) return Click::Ignored;
    lastCell = cell;
    if (awaitingFirst) {
        firstCell = cell;
        awaitingFirst = false;
        return Click::First;
    }
    awaitingFirst = true;
    std::swap(order[firstCell], order[cell]);
    ++swaps;
    return Click::Swapped;
}

bool PuzzleBoard::IsSolved() const {
    for (int i = 1; i <= kPieces; ++i)
        if (order[i] != i) return false;
    return true;
}

void PuzzleBoard::Start(int seconds) {
    timeLeft = seconds;
    timeLimit = seconds;
    swaps = 0;
    locked = false;
}

bool PuzzleBoard::Tick() {
    --timeLeft;
    return timeLeft <= 0;
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The puzzle board: hit test with its margins, the shuffle that never moves
// the last piece, pairs of clicks, the win test and the countdown.
#include <gtest/gtest.h>

#include <set>

#include "puzzle/PuzzleBoard.h"
#include "support/FakePlatform.h"

namespace {
// Records the ranges asked for; returns lo so that every exchange is empty.
class RangeRandom : public Random {
public:
    int uniform(int lo, int hi) override {
        ranges.insert({lo, hi});
        return lo;
    }
    void seedFromClock() override {}
    std::set<std::pair<int, int>> ranges;
};

PuzzleBoard SolvedBoard() {
    RangeRandom random;
    PuzzleBoard board;
    board.Shuffle(random);
    board.Start(60);
    return board;
}
}  // namespace

TEST(PuzzleBoard, ClickChoosesTheCellWithoutSubtractingTheMargin) {
    EXPECT_EQ(PuzzleBoard::CellAt({70, 130}), 14);
    EXPECT_EQ(PuzzleBoard::CellRect(14), QRect(68, 132, 64, 64));
    EXPECT_EQ(PuzzleBoard::PieceRect(14), QRect(64, 128, 64, 64));
    EXPECT_EQ(PuzzleBoard::CellAt({1, 1}), 1);
    EXPECT_EQ(PuzzleBoard::CellAt({63, 1}), 1);
    for (int x = 64; x <= 67; ++x) EXPECT_EQ(PuzzleBoard::CellAt({x, 1}), 2);
    EXPECT_EQ(PuzzleBoard::CellAt({1, 64}), 7);
    EXPECT_EQ(PuzzleBoard::CellAt({320, 192}), 24);
    EXPECT_EQ(PuzzleBoard::CellAt({380, 252}), 24);
}

TEST(PuzzleBoard, ClicksOnTheEdgesAreIgnored) {
    EXPECT_EQ(PuzzleBoard::CellAt({0, 100}), 0);
    EXPECT_EQ(PuzzleBoard::CellAt({100, 0}), 0);
    for (int x = 381; x <= 392; ++x) EXPECT_EQ(PuzzleBoard::CellAt({x, 100}), 0);
    for (int y = 253; y <= 264; ++y) EXPECT_EQ(PuzzleBoard::CellAt({100, y}), 0);
}

TEST(PuzzleBoard, ShuffleNeverMovesTheLastPiece) {
    RangeRandom ranges;
    PuzzleBoard board;
    board.Shuffle(ranges);
    EXPECT_EQ(ranges.ranges, (std::set<std::pair<int, int>>{{1, 23}}));

    FakeRandom random;
    for (int game = 0; game < 200; ++game) {
        board.Shuffle(random);
        EXPECT_EQ(board.PieceIn(24), 24);
        std::set<int> pieces;
        for (int cell = 1; cell <= 24; ++cell) pieces.insert(board.PieceIn(cell));
        EXPECT_EQ(pieces.size(), 24u);
    }
    EXPECT_EQ(random.seeds, 200);
}

TEST(PuzzleBoard, PairsOfClicksSwapAndTheSameCellTwiceChangesNothing) {
    PuzzleBoard board = SolvedBoard();
    EXPECT_EQ(board.ClickAt({70, 130}), PuzzleBoard::Click::First);
    EXPECT_EQ(board.ClickAt({70, 130}), PuzzleBoard::Click::Swapped);
    EXPECT_TRUE(board.IsSolved());
    EXPECT_TRUE(board.AwaitingFirstClick());

    EXPECT_EQ(board.ClickAt({10, 10}), PuzzleBoard::Click::First);
    EXPECT_EQ(board.ClickAt({0, 10}), PuzzleBoard::Click::Ignored);
    EXPECT_EQ(board.ClickAt({330, 200}), PuzzleBoard::Click::Swapped);
    EXPECT_EQ(board.PieceIn(1), 24);
    EXPECT_EQ(board.PieceIn(24), 1);
    EXPECT_FALSE(board.IsSolved());

    board.locked = true;
    EXPECT_EQ(board.ClickAt({10, 10}), PuzzleBoard::Click::Ignored);
}

TEST(PuzzleBoard, CountdownEndsAtZero) {
    PuzzleBoard board = SolvedBoard();
    board.Start(60);
    for (int i = 0; i < 59; ++i) EXPECT_FALSE(board.Tick());
    EXPECT_EQ(board.timeLeft, 1);
    EXPECT_TRUE(board.Tick());
    EXPECT_EQ(board.timeLeft, 0);
}

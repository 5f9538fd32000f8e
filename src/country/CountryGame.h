// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rules of country recognition without a window: a picture divided into
// 8 x 8 tiles of 48 x 32 pixels, six of them uncovered at the start, 50
// points of which every uncovered tile and every wrong answer costs one, and
// the verdict from the points left.
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>

class Random;

class CountryGame {
public:
    static constexpr int kColumns = 8;
    static constexpr int kTileWidth = 48;
    static constexpr int kTileHeight = 32;
    static constexpr int kStartTileCount = 6;
    static constexpr int kStartPoints = 50;
    static constexpr int kLeastPoints = 30;  // fewer points lose the game

    // The region of the picture that tile t (0..63, row by row) covers.
    static QRect TileRect(int t);
    // Where tile t is drawn on the picture control: one pixel right and down.
    static QPoint TileDrawPos(int t);
    // A screen point in the coordinates of a window whose top left lies at
    // origin, as 16-bit unsigned values: a point left of or above the window
    // wraps to a large value.
    static QPoint WindowPoint(QPoint screen, QPoint origin);
    // The tile a click at window point p uncovers, or -1 when the click is
    // ignored. The window point is used as it is, so the tile is the one
    // under the picture point 4 pixels right of and 5 below the pointer.
    static int TileAt(QPoint p);

    // Refills the six start-tile slots one by one with tiles from 0..62, each
    // differing from every value the slots hold at that moment (including
    // the previous game's tiles not yet replaced).
    void ChooseStartTiles(Random& random);
    const std::array<int, kStartTileCount>& StartTiles() const { return startTiles; }

    // A new game: 50 points, no attempts, unlocked.
    void Start();
    // One uncovered tile or one wrong answer.
    void Penalty();
    bool IsLost() const { return points < kLeastPoints; }
    // Exact and case-sensitive, except that spaces at the ends and repeated
    // spaces between words do not count.
    bool Matches(const QString& typed) const { return typed.simplified() == answer.simplified(); }
    // The verdict shown when the game is decided.
    QString ResultText() const;

    QString answer;
    int points = kStartPoints;
    int attempts = 0;
    bool locked = false;

private:
    std::array<int, kStartTileCount> startTiles{};
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "country/CountryGame.h"

#include <algorithm>

#include "platform/Platform.h"

namespace {
constexpr int kLastStartTile = 62;  // the bottom-right tile is never uncovered at the start
constexpr int kRightLimit = 380;
constexpr int kBottomLimit = 252;
constexpr int kLeftLimit = 5;
constexpr int kTopLimit = 7;
}  // namespace

QRect CountryGame::TileRect(int t) {
    return {kTileWidth * (t % kColumns), kTileHeight * (t / kColumns), kTileWidth, kTileHeight};
}

QPoint CountryGame::TileDrawPos(int t) {
    return TileRect(t).topLeft() + QPoint(1, 1);
}

QPoint CountryGame::WindowPoint(QPoint screen, QPoint origin) {
    return {quint16(screen.x() - origin.x()), quint16(screen.y() - origin.y())};
}

int CountryGame::TileAt(QPoint p) {
    if (p.x() > kRightLimit || p.y() > kBottomLimit || p.x() < kLeftLimit || p.y() < kTopLimit)
        return -1;
    return kColumns * (p.y() / kTileHeight) + p.x() / kTileWidth;
}

void CountryGame::ChooseStartTiles(Random& random) {
    random.seedFromClock();
    for (int& slot : startTiles) {
        int tile;
        do {
            tile = random.uniform(0, kLastStartTile);
        } while (std::find(startTiles.begin(), startTiles.end(), tile) != startTiles.end());
        slot = tile;
    }
}

void CountryGame::Start() {
    points = kStartPoints;
    attempts = 0;
    locked = false;
}

void CountryGame::Penalty() {
    --points;
    ++attempts;
}

QString CountryGame::ResultText() const {
    if (IsLost()) return QStringLiteral("Niestety - nie udało się");
    const QString tries = QStringLiteral("Prób %1 - ").arg(attempts);
    if (points >= 46) return tries + QStringLiteral("Fantastycznie");
    if (points >= 41) return tries + QStringLiteral("Nieźle");
    if (points >= 36) return tries + QStringLiteral("Pracuj");
    return tries + QStringLiteral("Bardzo słabo");
}

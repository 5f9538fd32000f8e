// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Country recognition without a window: tiles under a click, the 16-bit
// wrap, the start tiles, points and verdicts, and the answer comparison.
#include <gtest/gtest.h>

#include <set>

#include "country/CountryGame.h"
#include "support/FakePlatform.h"

TEST(CountryGame, ClickAtWindowPointUncoversTheTileAsIs) {
    EXPECT_EQ(CountryGame::TileAt({100, 50}), 10);
    EXPECT_EQ(CountryGame::TileRect(10), QRect(96, 32, 48, 32));
    EXPECT_EQ(CountryGame::TileDrawPos(10), QPoint(97, 33));
    EXPECT_EQ(CountryGame::TileAt({5, 7}), 0);
    EXPECT_EQ(CountryGame::TileAt({380, 252}), 63);
}

TEST(CountryGame, ClicksNearTheEdgesAreIgnoredButEveryTileCanBeReached) {
    EXPECT_EQ(CountryGame::TileAt({381, 100}), -1);
    EXPECT_EQ(CountryGame::TileAt({100, 253}), -1);
    EXPECT_EQ(CountryGame::TileAt({4, 100}), -1);
    EXPECT_EQ(CountryGame::TileAt({100, 6}), -1);
    std::set<int> reached;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            if (int t = CountryGame::TileAt({x, y}); t >= 0) reached.insert(t);
    EXPECT_EQ(reached.size(), 64u);
}

TEST(CountryGame, PointsLeftOfOrAboveTheWindowWrapToLargeValues) {
    const QPoint origin(300, 200);
    EXPECT_EQ(CountryGame::WindowPoint({400, 250}, origin), QPoint(100, 50));
    const QPoint left = CountryGame::WindowPoint({290, 250}, origin);
    EXPECT_EQ(left, QPoint(65526, 50));
    EXPECT_EQ(CountryGame::TileAt(left), -1);
    EXPECT_EQ(CountryGame::TileAt(CountryGame::WindowPoint({400, 199}, origin)), -1);
}

TEST(CountryGame, StartTilesDifferFromEveryValueTheSlotsHold) {
    CountryGame game;
    FakeRandom random;
    // First game: every slot holds 0, so 0 is refused.
    random.script = {0, 3, 3, 9, 1, 2, 62, 4};
    game.ChooseStartTiles(random);
    EXPECT_EQ(game.StartTiles(), (std::array<int, 6>{3, 9, 1, 2, 62, 4}));
    // Next game: the first tile cannot be one of the previous six.
    random.script = {4, 62, 3, 5, 3, 9, 6, 7, 8, 5};
    game.ChooseStartTiles(random);
    EXPECT_EQ(game.StartTiles(), (std::array<int, 6>{5, 3, 9, 6, 7, 8}));
    EXPECT_EQ(random.seeds, 2);

    for (int i = 0; i < 300; ++i) {
        game.ChooseStartTiles(random);
        const auto& tiles = game.StartTiles();
        EXPECT_EQ(std::set<int>(tiles.begin(), tiles.end()).size(), 6u);
        for (int t : tiles) EXPECT_LE(t, 62);
    }
}

TEST(CountryGame, VerdictFollowsThePointsLeft) {
    const std::pair<int, const char*> expected[] = {
        {0, "Prób 0 - Fantastycznie"},    {4, "Prób 4 - Fantastycznie"},
        {5, "Prób 5 - Nieźle"},           {9, "Prób 9 - Nieźle"},
        {10, "Prób 10 - Pracuj"},         {14, "Prób 14 - Pracuj"},
        {15, "Prób 15 - Bardzo słabo"},   {20, "Prób 20 - Bardzo słabo"},
        {21, "Niestety - nie udało się"},
    };
    for (const auto& [penalties, text] : expected) {
        CountryGame game;
        game.Start();
        for (int i = 0; i < penalties; ++i) game.Penalty();
        EXPECT_EQ(game.points, 50 - penalties);
        EXPECT_EQ(game.IsLost(), penalties > 20);
        EXPECT_EQ(game.ResultText(), QString::fromUtf8(text));
    }
}

TEST(CountryGame, AnswerMustMatchExactlyButForSpaces) {
    CountryGame game;
    game.answer = QStringLiteral("KOREA POŁUDNIOWA");
    for (const char* typed : {"KOREA POŁUDNIOWA", "KOREA POŁUDNIOWA ", "  KOREA   POŁUDNIOWA"})
        EXPECT_TRUE(game.Matches(QString::fromUtf8(typed))) << typed;
    for (const char* typed : {"KOREAPOŁUDNIOWA", "KOREA POLUDNIOWA", "Korea Południowa", ""})
        EXPECT_FALSE(game.Matches(QString::fromUtf8(typed))) << typed;
}

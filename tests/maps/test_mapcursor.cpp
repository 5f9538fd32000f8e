// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard cursor of the maps: which country the arrows lead to, and
// where it stands on a country found on another continent.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <utility>

#include "maps/MapCursor.h"
#include "maps/MapTables.h"

namespace {

// A plus of five places round the centre, and one far off to the right and
// a little down.
MapCursor Plus() {
    MapCursor cursor;
    cursor.SetPlaces({{50, 50}, {50, 20}, {50, 80}, {20, 50}, {80, 50}, {200, 70}}, {100, 100});
    return cursor;
}

}  // namespace

TEST(MapCursor, StartsNearTheCentreAndFollowsTheArrows) {
    MapCursor cursor = Plus();
    EXPECT_EQ(cursor.Point(), QPoint(50, 50));
    const struct {
        int key;
        QPoint to;
    } steps[] = {
        {Qt::Key_Up, {50, 20}},
        {Qt::Key_Up, {50, 20}},  // nothing above: it stays
        {Qt::Key_Down, {50, 50}},
        {Qt::Key_Right, {80, 50}},
        {Qt::Key_Right, {200, 70}},  // off the axis, but within the cone
        {Qt::Key_Left, {80, 50}},
        {Qt::Key_Left, {50, 50}},
        {Qt::Key_Left, {20, 50}},
        {Qt::Key_Down, {50, 80}},  // diagonal down-right is still "down"
    };
    for (const auto& step : steps) {
        EXPECT_TRUE(cursor.Move(step.key));
        EXPECT_EQ(cursor.Point(), step.to) << step.key;
    }
    EXPECT_FALSE(cursor.Move(Qt::Key_Return));
}

TEST(MapCursor, PrefersThePlaceInLineOverANearerOneAside) {
    MapCursor cursor;
    cursor.SetPlaces({{0, 0}, {30, 0}, {12, 15}}, {0, 0});
    EXPECT_TRUE(cursor.Move(Qt::Key_Right));
    EXPECT_EQ(cursor.Point(), QPoint(30, 0));
}

TEST(MapCursor, WithoutPlacesItHasNoPointAndArrowsDoNothing) {
    MapCursor cursor;
    cursor.SetPlaces({}, {100, 100});
    EXPECT_FALSE(cursor.HasPlace());
    EXPECT_TRUE(cursor.Move(Qt::Key_Left));
    EXPECT_FALSE(cursor.HasPlace());
}

TEST(MapCursor, PlacesAreFindPointsOrTheMiddleOfACountryFoundElsewhere) {
    const int asia = 7;
    QImage key(500, 400, QImage::Format_RGB32);
    key.fill(Qt::white);
    // Russia (found on the map of Europe) as an L-shaped area: its mean lies
    // outside it, the place must not.
    QString russia;
    ASSERT_TRUE(CountryByNumber(asia, 1, russia));
    const QRgb colour = 0xFF000000 | CountryColour(asia, 1);
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 10; ++y) key.setPixel(x, y, colour);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 10; ++x) key.setPixel(x, y, colour);
    const std::vector<QPoint> places = MapCursor::CountryPlaces(asia, key);
    ASSERT_EQ(int(places.size()), ContinentInfo(asia).countries);
    EXPECT_EQ(key.pixel(places[0]), colour);
    for (int p = 1; p <= kFindCount; ++p)
        if (FindEntry(p)->name == "Afganistan") {
            EXPECT_NE(std::find(places.begin(), places.end(), FindEntry(p)->point), places.end());
        }
}

// On every layer of Poland the arrows, from where the cursor starts, lead to
// every item.
TEST(MapCursor, ArrowsReachEveryItemOfEveryLayerOfPoland) {
    const QSize area(400, 351);
    const int arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    for (int c = kWorldRegionCount + 1; c <= kContinentCount; ++c) {
        SCOPED_TRACE(ContinentName(c).toStdString());
        const std::vector<QPoint> places =
            MapCursor::CountryPlaces(c, QImage(area, QImage::Format_RGB32));
        ASSERT_EQ(int(places.size()), ContinentInfo(c).countries);
        auto after = [&](const QList<int>& keys) {
            MapCursor cursor;
            cursor.SetPlaces(places, area);
            for (int key : keys) cursor.Move(key);
            return cursor.Point();
        };
        QList<QList<int>> paths{{}};
        QSet<std::pair<int, int>> reached{{after({}).x(), after({}).y()}};
        for (int i = 0; i < paths.size(); ++i)
            for (int key : arrows) {
                const QList<int> path = paths[i] + QList<int>{key};
                const QPoint p = after(path);
                if (reached.contains({p.x(), p.y()})) continue;
                reached.insert({p.x(), p.y()});
                paths.append(path);
            }
        EXPECT_EQ(reached.size(), places.size());
    }
}

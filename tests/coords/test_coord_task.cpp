// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "coords/CoordAnswer.h"
#include "coords/CoordTask.h"
#include "support/FakePlatform.h"

namespace {

CoordTask Task(int lonBase, bool east, int latBase, bool north, int column, int row) {
    CoordTask t{lonBase, east, latBase, north, column, row};
    t.Solve();
    return t;
}

constexpr auto E = CoordAnswer::LonSide::East;
constexpr auto W = CoordAnswer::LonSide::West;
constexpr auto N = CoordAnswer::LatSide::North;
constexpr auto S = CoordAnswer::LatSide::South;

CoordAnswer Answer(int lon, CoordAnswer::LonSide lonSide, int lat, CoordAnswer::LatSide latSide) {
    return CoordAnswer{lonSide, latSide, lon, lat};
}

}  // namespace

TEST(CoordTask, EasternNorthernExample) {
    const CoordTask t = Task(20, true, 40, true, 3, 7);
    EXPECT_EQ(t.LeftMeridian(), 20);
    EXPECT_EQ(t.RightMeridian(), 30);
    EXPECT_EQ(t.TopParallel(), 50);
    EXPECT_EQ(t.BottomParallel(), 40);
    EXPECT_EQ(t.PointCorner(), QPoint(89, 105));
    EXPECT_EQ(t.longitude, 23);
    EXPECT_EQ(t.latitude, 43);
    EXPECT_EQ(t.RightAnswer(), QString("23°E 43°N"));
}

TEST(CoordTask, WesternSouthernExample) {
    const CoordTask t = Task(100, false, 30, false, 3, 7);
    EXPECT_EQ(t.LeftMeridian(), 110);
    EXPECT_EQ(t.RightMeridian(), 100);
    EXPECT_EQ(t.TopParallel(), 30);
    EXPECT_EQ(t.BottomParallel(), 40);
    EXPECT_EQ(t.longitude, 107);
    EXPECT_EQ(t.latitude, 37);
    EXPECT_EQ(t.RightAnswer(), QString("107°W 37°S"));
}

TEST(CoordTask, EdgesOfTheSquareGiveTheBase) {
    EXPECT_EQ(Task(160, false, 0, true, 10, 10).longitude, 160);  // right meridian, west
    EXPECT_EQ(Task(160, false, 0, true, 10, 10).latitude, 0);     // bottom parallel, north
    EXPECT_EQ(Task(160, false, 0, true, 0, 0).LeftMeridian(), 170);
    EXPECT_EQ(Task(160, false, 0, true, 0, 0).longitude, 170);
    EXPECT_EQ(Task(0, true, 80, true, 0, 0).latitude, 90);
}

TEST(CoordTask, DrawUsesTheScriptedNumbersAndReseeds) {
    FakeRandom random;
    // base 2, even -> east; 13 % 9 = 4, odd -> north; column 25 % 11, row 40 % 11.
    random.script = {2, 10, 13, 7, 25, 40};
    const CoordTask t = DrawCoordTask(random);
    EXPECT_EQ(random.seeds, 2);
    EXPECT_EQ(t.lonBase, 20);
    EXPECT_TRUE(t.east);
    EXPECT_EQ(t.latBase, 40);
    EXPECT_TRUE(t.north);
    EXPECT_EQ(t.column, 3);
    EXPECT_EQ(t.row, 7);
    EXPECT_EQ(t.longitude, 23);
    EXPECT_EQ(t.latitude, 43);
}

TEST(CoordTask, DrawnTasksStayInRange) {
    FakeRandom random;
    for (int i = 0; i < 2000; ++i) {
        const CoordTask t = DrawCoordTask(random);
        ASSERT_GE(t.longitude, 0);
        ASSERT_LE(t.longitude, 170);
        ASSERT_GE(t.latitude, 0);
        ASSERT_LE(t.latitude, 90);
        ASSERT_EQ(t.lonBase % 10, 0);
        ASSERT_LE(t.lonBase, 160);
        ASSERT_LE(t.latBase, 80);
    }
}

TEST(CoordAnswer, ToleranceIsOneDegree) {
    const CoordTask t = Task(20, true, 40, true, 3, 7);  // 23°E 43°N
    EXPECT_TRUE(Answer(23, E, 43, N).IsRight(t));
    EXPECT_TRUE(Answer(22, E, 44, N).IsRight(t));
    EXPECT_TRUE(Answer(24, E, 42, N).IsRight(t));
    EXPECT_FALSE(Answer(25, E, 43, N).IsRight(t));
    EXPECT_FALSE(Answer(23, E, 41, N).IsRight(t));
}

TEST(CoordAnswer, WrongHemisphereIsWrong) {
    const CoordTask t = Task(100, false, 30, false, 3, 7);  // 107°W 37°S
    EXPECT_TRUE(Answer(107, W, 37, S).IsRight(t));
    EXPECT_FALSE(Answer(107, E, 37, S).IsRight(t));
    EXPECT_FALSE(Answer(107, W, 37, N).IsRight(t));
}

TEST(CoordAnswer, ZeroMeridianAndEquatorBelongToBothHemispheres) {
    // A point on the left meridian of an eastern task with base 0 lies on 0°.
    const CoordTask t = Task(0, true, 0, false, 0, 0);  // 0°E 0°S
    EXPECT_EQ(t.longitude, 0);
    EXPECT_EQ(t.latitude, 0);
    EXPECT_TRUE(Answer(0, E, 0, S).IsRight(t));
    EXPECT_TRUE(Answer(0, W, 0, N).IsRight(t));
    EXPECT_TRUE(Answer(1, W, 1, N).IsRight(t));  // one degree across the line
    EXPECT_FALSE(Answer(2, W, 0, S).IsRight(t));
    // Away from the lines the hemisphere must match: 1°E is two degrees from 1°W.
    const CoordTask near = Task(0, true, 0, true, 1, 9);  // 1°E 1°N
    EXPECT_FALSE(Answer(1, W, 1, N).IsRight(near));
    EXPECT_TRUE(Answer(0, W, 0, S).IsRight(near));
}

TEST(CoordAnswer, TextsAndField) {
    EXPECT_EQ(Answer(23, E, 43, N).Text(), QString("23°E 43°N"));
    EXPECT_EQ(Answer(5, W, 0, S).Text(), QString("5°W 0°S"));
    EXPECT_EQ(CoordAnswer::ReadField(""), 0);
    EXPECT_EQ(CoordAnswer::ReadField("007"), 7);
    EXPECT_EQ(CoordAnswer::ReadField("999"), 999);
    EXPECT_EQ(CoordAnswer::ReadField(" 4°5"), 45);
}

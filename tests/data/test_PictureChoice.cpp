// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing a photo-set picture: the random rule, the typed number's
// fallbacks and the split of a list line.
#include <gtest/gtest.h>

#include "data/PictureChoice.h"
#include "support/FakePlatform.h"

namespace {
int Draw(int r, int count) {
    FakeRandom random;
    random.script = {r};
    return RandomPictureNumber(random, count);
}
}  // namespace

TEST(PictureChoice, RandomNumberIsTheDrawModuloTheCountWithSeventeenForZero) {
    EXPECT_EQ(Draw(45, 30), 15);
    EXPECT_EQ(Draw(30, 30), 17);
    EXPECT_EQ(Draw(500, 30), 20);
    EXPECT_EQ(Draw(29, 30), 29);
    // Only a set of exactly 17 gets its own count.
    EXPECT_EQ(Draw(17, 17), 17);
    FakeRandom random;
    RandomPictureNumber(random, 30);
    EXPECT_EQ(random.seeds, 1);
}

TEST(PictureChoice, RandomNumberStaysInsideSmallAndEmptySets) {
    EXPECT_EQ(Draw(10, 10), 10);  // 17 would lie outside the set
    EXPECT_EQ(Draw(7, 10), 7);
    for (int r : {1, 2, 250, 500}) EXPECT_EQ(Draw(r, 1), 1);
    EXPECT_EQ(Draw(5, 0), 0);
    FakeRandom random;
    for (int i = 0; i < 2000; ++i) {
        const int n = RandomPictureNumber(random, 1 + i % 40);
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 1 + i % 40);
    }
}

TEST(PictureChoice, TypedNumberFallsBackToARandomPicture) {
    FakeRandom random;
    random.script = {45, 45, 45, 45};
    EXPECT_EQ(TypedPictureNumber("7", random, 30).number, 7);
    EXPECT_FALSE(TypedPictureNumber("30", random, 30).showNumber);

    const TypedPicture tooLarge = TypedPictureNumber("45", random, 30);
    EXPECT_EQ(tooLarge.number, 15);
    EXPECT_TRUE(tooLarge.showNumber);

    const TypedPicture zero = TypedPictureNumber("0", random, 30);
    EXPECT_EQ(zero.number, 15);
    EXPECT_TRUE(zero.showNumber);

    const TypedPicture empty = TypedPictureNumber("", random, 30);
    EXPECT_EQ(empty.number, 15);
    EXPECT_FALSE(empty.showNumber);
}

TEST(PictureChoice, LineSplitsAtTheFirstStarWithTheDescriptionCut) {
    const QString longText(150, u'x');
    const QStringList list{"Nagłówek", "ZERO*zero", "WŁOCHY*Rzym*stolica", "CHINY*" + longText,
                           "BEZ GWIAZDKI"};
    EXPECT_EQ(SplitPictureLine(list, 1).name, "WŁOCHY");
    EXPECT_EQ(SplitPictureLine(list, 1).description, "Rzym*stolica");
    EXPECT_EQ(SplitPictureLine(list, 2).description, QString(100, u'x'));
    EXPECT_EQ(SplitPictureLine(list, 0).name, "ZERO");
    EXPECT_EQ(SplitPictureLine(list, 3).name, "BEZ GWIAZDKI");
    EXPECT_EQ(SplitPictureLine(list, 3).description, "");
    EXPECT_EQ(SplitPictureLine(list, 9).name, "");
}

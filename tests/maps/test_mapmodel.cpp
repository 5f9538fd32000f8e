// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The map module's rules without the window: question order, judging,
// effectiveness and the key-bitmap lookup.
#include <gtest/gtest.h>

#include <QSet>

#include "maps/MapModel.h"
#include "maps/MapTables.h"
#include "support/FakePlatform.h"

namespace {

int FindPosition(const QString& name) {
    for (int p = 1; p <= kFindCount; ++p)
        if (FindEntry(p)->name == name) return p;
    return 0;
}

QString Asked(const QString& prompt) {
    return prompt.startsWith("Wskaż: ") ? prompt.mid(7) : QStringLiteral("<%1>").arg(prompt);
}

QRgb ColourOf(int continent, const QString& country) {
    for (int k = 1; k <= ContinentInfo(continent).countries; ++k) {
        QString name;
        CountryByNumber(continent, k, name);
        if (name == country) return CountryColour(continent, k);
    }
    return kKeyWhite;
}

}  // namespace

TEST(MapModel, LastCountryIsAskedLastInEveryPass) {
    FakeRandom random;
    for (int c = 1; c <= kContinentCount; ++c) {
        SCOPED_TRACE(c);
        const int n = ContinentInfo(c).countries;
        QString last;
        CountryByNumber(c, n, last);
        for (int run = 0; run < 25; ++run) {
            MapModel model;
            model.continent = c;
            QStringList pass{Asked(model.StartTest(random))};
            for (int i = 1; i < n; ++i) pass.append(Asked(model.NextQuestion()));
            EXPECT_EQ(pass.last(), last);
            EXPECT_EQ(QSet<QString>(pass.begin(), pass.end()).size(), n);  // each country once
            EXPECT_EQ(Asked(model.NextQuestion()), pass.first());          // the pass repeats
        }
    }
}

TEST(MapModel, NorthAmericaShufflesOnlyTheFirstThree) {
    FakeRandom random;
    QSet<QString> firsts;
    for (int run = 0; run < 40; ++run) {
        MapModel model;
        model.continent = 2;
        QStringList asked{Asked(model.StartTest(random))};
        for (int i = 0; i < 4; ++i) asked.append(Asked(model.NextQuestion()));
        EXPECT_EQ(asked[3], "Grenlandia (terytorium Danii)");
        EXPECT_EQ(QSet<QString>(asked.begin(), asked.begin() + 3),
                  QSet<QString>({"Kanada", "Stany Zjednoczone", "Meksyk"}));
        EXPECT_EQ(asked[4], asked[0]);
        firsts.insert(asked[0]);
    }
    EXPECT_EQ(firsts.size(), 3);  // the order really is random
    EXPECT_EQ(random.seeds, 40);  // reseeded at every start
}

TEST(MapModel, ShuffleSwapsTwentyTimesBelowN) {
    FakeRandom random;
    // Each swap takes two draws, both from 1..N-1: ask for N and get N-1.
    for (int i = 0; i < 40; ++i) random.script.push_back(99);
    MapModel model;
    model.continent = 2;
    model.ShuffleQuestions(random);
    EXPECT_TRUE(random.script.empty());
    for (int p = 1; p <= 50; ++p) EXPECT_EQ(model.order[p], p);
    EXPECT_EQ(model.questionCount, 4);
}

TEST(MapModel, EffectivenessRoundsHalvesToEven) {
    struct Case {
        int correct, answers, percent;
    } cases[] = {{1, 8, 12}, {3, 8, 38}, {2, 3, 67}, {1, 2, 50}, {1, 1, 100}, {0, 0, 0}};
    for (const Case& c : cases) {
        MapModel model;
        model.correctAnswers = c.correct;
        model.answers = c.answers;
        EXPECT_EQ(model.Effectiveness(), c.percent) << c.correct << "/" << c.answers;
    }
}

TEST(MapModel, JudgingCountsAndNamesTheClickedCountry) {
    FakeRandom random;
    MapModel model;
    model.continent = 2;
    const QString first = Asked(model.StartTest(random));

    MapModel::Verdict v = model.Judge(ColourOf(2, first));
    EXPECT_TRUE(v.correct);
    EXPECT_EQ(v.message, "Poprawnie");
    EXPECT_EQ(v.effectiveness, "Skuteczność: 100%");

    model.NextQuestion();
    v = model.Judge(kKeyWhite);  // the sea
    EXPECT_FALSE(v.correct);
    EXPECT_EQ(v.message, "Źle. Wskazane to: ");
    EXPECT_EQ(v.effectiveness, "Skuteczność: 50%");

    const QString asked = model.NextQuestion();
    v = model.Judge(kKeyGrey);  // land of no state: no answer at all
    EXPECT_FALSE(v.counted);
    EXPECT_EQ(v.message, "To nie jest państwo.");
    EXPECT_EQ(v.effectiveness, "Skuteczność: 50%");
    EXPECT_EQ(model.answers, 2);
    EXPECT_FALSE(v.roundOver);
    EXPECT_EQ("Wskaż: " + model.questionText, asked);

    v = model.Judge(0x123456);  // a colour in no table names nothing, never "???"
    EXPECT_TRUE(v.counted);
    EXPECT_EQ(v.message, "Źle. Wskazane to: ");
    EXPECT_EQ(v.effectiveness, "Skuteczność: 33%");

    // Another continent keeps counting; ResetScore starts over.
    model.continent = 4;
    model.StartTest(random);
    EXPECT_EQ(model.answers, 3);
    model.ResetScore();
    EXPECT_EQ(model.answers, 0);
    EXPECT_EQ(model.correctAnswers, 0);
}

TEST(MapModel, KeyLookupIsClampedToTheBitmap) {
    QImage key(4, 3, QImage::Format_RGB32);
    key.fill(0xFFFFFFFF);
    key.setPixel(0, 0, 0xFFFF0000);
    key.setPixel(3, 2, 0xFF00FF00);
    EXPECT_EQ(MapModel::KeyColourAt(key, {0, 0}), 0xFF0000u);
    EXPECT_EQ(MapModel::KeyColourAt(key, {-7, -1}), 0xFF0000u);
    EXPECT_EQ(MapModel::KeyColourAt(key, {4, 3}), 0x00FF00u);
    EXPECT_EQ(MapModel::KeyColourAt(key, {500, 900}), 0x00FF00u);
    EXPECT_EQ(MapModel::KeyColourAt(QImage(), {1, 1}), kKeyWhite);
}

TEST(MapModel, FindChoiceLoadsOnlyAnotherContinent) {
    MapModel model;
    model.continent = 7;
    MapModel::FindTarget rosja = model.FindChoice(FindPosition("Rosja"));
    EXPECT_EQ(rosja.name, "Rosja");
    EXPECT_EQ(rosja.continent, 4);
    EXPECT_EQ(rosja.point, QPoint(416, 130));
    EXPECT_TRUE(rosja.needsLoad);
    EXPECT_EQ(model.countryText, "Rosja");
    model.continent = 4;
    EXPECT_FALSE(model.FindChoice(FindPosition("Polska")).needsLoad);
    EXPECT_EQ(model.countryText, "Polska");
}

TEST(MapModel, ARoundEndsWithTheCountriesMissedInIt) {
    FakeRandom random;
    MapModel model;
    model.continent = 2;  // four countries
    QStringList asked{Asked(model.StartTest(random))};
    std::vector<MapModel::Verdict> verdicts;
    for (int q = 1; q <= 4; ++q) {
        const bool right = q == 2 || q == 4;
        verdicts.push_back(model.Judge(right ? ColourOf(2, asked.last()) : kKeyWhite));
        asked.append(Asked(model.NextQuestion()));
    }
    for (int q = 0; q < 3; ++q) EXPECT_FALSE(verdicts[q].roundOver);
    EXPECT_TRUE(verdicts[3].roundOver);
    EXPECT_EQ(verdicts[3].missed, QStringList({asked[0], asked[2]}));
    EXPECT_TRUE(model.roundMisses.isEmpty());  // the next round starts clean
}

TEST(MapModel, OutlineRingsTheRegionInYellowThenBlack) {
    QImage key(20, 20, QImage::Format_RGB32);
    key.fill(Qt::white);
    for (int y = 8; y <= 10; ++y)
        for (int x = 8; x <= 10; ++x) key.setPixel(x, y, 0xFF123456);
    const QImage outline = MapModel::Outline(key, 0x123456);
    EXPECT_EQ(qAlpha(outline.pixel(9, 9)), 0);            // the country stays visible
    EXPECT_EQ(outline.pixel(11, 9), qRgb(255, 255, 0));   // next to it
    EXPECT_EQ(outline.pixel(12, 12), qRgb(255, 255, 0));  // two away, diagonally
    EXPECT_EQ(outline.pixel(13, 9), qRgb(0, 0, 0));       // three away
    EXPECT_EQ(qAlpha(outline.pixel(14, 9)), 0);           // beyond
    EXPECT_EQ(qAlpha(MapModel::PointMark({20, 20}, {10, 10}).pixel(10, 2)), 255);
}

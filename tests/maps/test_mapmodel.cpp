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

// The Capitals and Flags tests ask every state of the continent once a round
// and no territory; the round ends with the last state asked.
class StateQuiz : public ::testing::TestWithParam<MapModel::Mode> {};

TEST_P(StateQuiz, ARoundAsksEveryStateOnceAndNoTerritory) {
    FakeRandom random;
    for (int c = 1; c <= kContinentCount; ++c) {
        SCOPED_TRACE(c);
        QSet<QString> states;
        for (int k = 1; k <= ContinentInfo(c).countries; ++k)
            if (const StateFacts facts = FactsByNumber(c, k); !facts.name.isEmpty())
                states.insert(facts.name);
        MapModel model;
        model.mode = GetParam();
        model.continent = c;
        model.StartTest(random);
        ASSERT_EQ(model.RoundSize(), states.size());
        QSet<QString> asked;
        for (int i = 0; i < model.RoundSize(); ++i) {
            asked.insert(model.questionText);
            const MapModel::Verdict verdict = model.Judge(model.QuestionColour());
            EXPECT_TRUE(verdict.correct);
            EXPECT_EQ(verdict.roundOver, i == model.RoundSize() - 1);
            model.NextQuestion();
        }
        EXPECT_EQ(asked, states);
    }
}

INSTANTIATE_TEST_SUITE_P(MapModel, StateQuiz,
                         ::testing::Values(MapModel::Capitals, MapModel::Flags));

TEST(MapModel, CapitalsAskTheFirstCapitalAndAMissNamesTheCapitalPointedAt) {
    FakeRandom random;
    MapModel model;
    model.mode = MapModel::Capitals;
    model.continent = 1;
    QString prompt = model.StartTest(random);
    while (model.questionText != "Boliwia") prompt = model.NextQuestion();
    EXPECT_EQ(prompt, "Wskaż państwo, którego stolicą jest Sucre");
    EXPECT_EQ(model.Judge(ColourOf(1, "Peru")).message, "Źle. Wskazane to: Peru – Lima");
    // A territory pointed at has no capital to name.
    EXPECT_EQ(model.Judge(ColourOf(1, "Gujana Francuska (terytorium Francji)")).message,
              "Źle. Wskazane to: Gujana Francuska (terytorium Francji)");
    model.mode = MapModel::Flags;
    EXPECT_EQ(model.QuestionPrompt(), "Wskaż państwo o tej fladze:");
    EXPECT_EQ(model.QuestionFacts().flag, "bo");
}

TEST(MapTables, CapitalsAndFlagsOfStatesNotOfTerritories) {
    struct Case {
        const char* name;
        const char* capital;
        const char* question;
        const char* flag;
    };
    for (const Case& k : {
             Case{"Peru", "Lima", "Lima", "pe"},
             Case{"Boliwia", "Sucre (konstytucyjna), La Paz (siedziba rządu)", "Sucre", "bo"},
             Case{"Sri Lanka", "Sri Dżajawardanapura Kotte", "Sri Dżajawardanapura Kotte", "lk"},
             Case{"Watykan", "Watykan", "Watykan", "va"},
             Case{"Kosowo", "Prisztina", "Prisztina", "xk"},
         }) {
        SCOPED_TRACE(k.name);
        const auto place = FindEntry(FindPosition(k.name));
        ASSERT_TRUE(place);
        const int c = place->continent;
        const StateFacts facts = FactsByColour(c, ColourOf(c, k.name));
        EXPECT_EQ(facts.name, k.name);
        EXPECT_EQ(facts.capital, k.capital);
        EXPECT_EQ(CapitalInQuestion(facts.capital), k.question);
        EXPECT_EQ(facts.flag, k.flag);
        EXPECT_EQ(FlagEntry(facts.flag), QStringLiteral("flags/%1.png").arg(k.flag));
    }
    EXPECT_TRUE(FactsByColour(2, ColourOf(2, "Grenlandia (terytorium Danii)")).name.isEmpty());
    EXPECT_TRUE(FactsByColour(2, kKeyGrey).name.isEmpty());
    EXPECT_TRUE(FactsByNumber(9, 1).name.isEmpty());
}

// On a layer of Poland a Test click on anything but its items costs nothing
// and says so in the layer's words; Find points at the layer's own items.
TEST(MapModel, PolandLayersJudgeOnlyTheirItemsAndFindThem) {
    const struct {
        int layer;
        const char* item;
        const char* notHere;
    } cases[] = {
        {kWorldRegionCount + 1, "województwo mazowieckie", "To nie jest województwo."},
        {kWorldRegionCount + 3, "Wisła", "Tu nie płynie żadna z rzek tej mapy."},
    };
    FakeRandom random;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        MapModel model;
        model.continent = c.layer;
        model.mode = MapModel::Test;
        model.StartTest(random);
        for (const QRgb nothing : {kKeyWhite, kKeyGrey}) {
            const MapModel::Verdict verdict = model.Judge(nothing);
            EXPECT_FALSE(verdict.counted);
            EXPECT_EQ(verdict.message, c.notHere);
        }
        EXPECT_EQ(model.answers, 0);
        const MapModel::Verdict hit = model.Judge(ColourOf(c.layer, c.item));
        EXPECT_TRUE(hit.counted);
        EXPECT_EQ(model.answers, 1);

        const QStringList names = model.FindNames();
        EXPECT_EQ(names.size(), ContinentInfo(c.layer).countries);
        const MapModel::FindTarget target = model.FindChoice(names.indexOf(c.item) + 1);
        EXPECT_EQ(target.name, c.item);
        EXPECT_FALSE(target.needsLoad);
        EXPECT_EQ(target.point, FindPointOf(c.layer, names.indexOf(c.item) + 1));
    }
    MapModel world;
    world.continent = 4;
    EXPECT_EQ(world.FindNames().size(), kFindCount);
}

// A click on an item drawn within the range asked answers it, through every
// level of nesting; the range does not answer for its peak, nor does a
// neighbour answer for a range.
TEST(MapModel, AClickWithinTheRangeAskedAnswersIt) {
    const int mountains = kWorldRegionCount + 4;
    const struct {
        const char* asked;
        const char* clicked;
        bool correct;
    } cases[] = {
        {"Tatry", "Rysy", true},         {"Karkonosze", "Śnieżka", true},
        {"Sudety", "Śnieżka", true},     {"Sudety", "Karkonosze", true},
        {"Beskidy", "Gorce", true},      {"Rysy", "Tatry", false},
        {"Beskidy", "Pieniny", false},   {"Tatry", "Śnieżka", false},
        {"Karkonosze", "Sudety", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.asked) + " / " + c.clicked);
        MapModel model;
        model.continent = mountains;
        model.mode = MapModel::Test;
        model.questionText = c.asked;
        const QRgb colour = ColourOf(mountains, c.clicked);
        ASSERT_NE(colour, kKeyWhite);
        const MapModel::Verdict verdict = model.Judge(colour);
        EXPECT_EQ(verdict.correct, c.correct);
        EXPECT_EQ(model.correctAnswers, c.correct ? 1 : 0);
        // Learn names the innermost item.
        EXPECT_EQ(model.LookUp(colour), c.clicked);
    }
}

// Learn names a voivodeship with its seats, as the law splits them; the name
// alone stays what is outlined and judged.
TEST(MapModel, LearnNamesAVoivodeshipWithItsSeats) {
    const int voivodeships = kWorldRegionCount + 1;
    const std::pair<QString, QString> cases[] = {
        {"województwo mazowieckie", "województwo mazowieckie – Warszawa"},
        {"województwo kujawsko-pomorskie",
         "województwo kujawsko-pomorskie – Bydgoszcz (wojewoda), Toruń (sejmik)"},
        {"województwo lubuskie",
         "województwo lubuskie – Gorzów Wielkopolski (wojewoda), Zielona Góra (sejmik)"},
    };
    MapModel model;
    model.continent = voivodeships;
    for (const auto& [name, shown] : cases) {
        EXPECT_EQ(model.LookUp(ColourOf(voivodeships, name)), shown);
        EXPECT_EQ(model.countryText, name);
    }
    EXPECT_EQ(model.LookUp(kKeyGrey), QString());
    model.continent = kWorldRegionCount + 3;
    EXPECT_EQ(model.LookUp(ColourOf(model.continent, "Wisła")), "Wisła");
}

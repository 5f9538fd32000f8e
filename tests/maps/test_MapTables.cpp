// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The continent tables: colour lookups across continents, the Find list and
// the consistency between names, colours and Find entries.
#include <gtest/gtest.h>

#include <QCollator>
#include <QSet>

#include "maps/MapTables.h"

TEST(MapTables, SameColourNamesDifferentCountriesPerContinent) {
    EXPECT_EQ(CountryByColour(1, 0xFF0000), "Brazylia");
    EXPECT_EQ(CountryByColour(2, 0xFF0000), "Stany Zjednoczone");
    EXPECT_EQ(CountryByColour(4, 0xFF0000), "Polska");
    EXPECT_EQ(CountryByColour(5, 0xFF0000), "Tunezja");
    // A colour in no table names nothing, never "???".
    EXPECT_EQ(CountryByColour(7, 0xFF0000), "");
    EXPECT_EQ(CountryByColour(1, 0xFE0000), "");
    // The alpha byte of a pixel read does not take part in the comparison.
    EXPECT_EQ(CountryByColour(4, 0xFFFF0000), "Polska");
}

TEST(MapTables, GreyLandIsNoStateAndNamesNothing) {
    for (int c = 1; c <= kContinentCount; ++c) EXPECT_EQ(CountryByColour(c, kKeyGrey), "") << c;
    EXPECT_TRUE(IsLandOfNoState(0xFF000000 | kKeyGrey));
    EXPECT_FALSE(IsLandOfNoState(kKeyWhite));
    EXPECT_FALSE(IsLandOfNoState(0xFF0000));
}

TEST(MapTables, WhiteIsNoCountryAnywhere) {
    for (int c = 1; c <= kContinentCount; ++c) EXPECT_EQ(CountryByColour(c, 0xFFFFFF), "") << c;
}

TEST(MapTables, RussiaOnTwoContinentsWithOneFindEntry) {
    EXPECT_EQ(CountryByColour(4, 0xB7B7FF), "Rosja");
    EXPECT_EQ(CountryByColour(7, 0x0303FC), "Rosja");
    const auto rosja = FindEntry(146);
    ASSERT_TRUE(rosja);
    EXPECT_EQ(rosja->name, "Rosja");
    EXPECT_EQ(rosja->continent, 4);
    EXPECT_EQ(rosja->point, QPoint(416, 130));
}

TEST(MapTables, FindEntriesAtTheEndsAndInTheMiddle) {
    const auto first = FindEntry(1), kuba = FindEntry(95), last = FindEntry(kFindCount);
    ASSERT_TRUE(first && kuba && last);
    EXPECT_EQ(first->name, "Afganistan");
    EXPECT_EQ(first->continent, 7);
    EXPECT_EQ(first->point, QPoint(143, 166));
    EXPECT_EQ(kuba->name, "Kuba");
    EXPECT_EQ(kuba->continent, 3);
    EXPECT_EQ(kuba->point, QPoint(203, 97));
    EXPECT_EQ(last->name, "Zjednoczone Emiraty Arabskie");
    EXPECT_EQ(last->continent, 7);
    EXPECT_FALSE(FindEntry(0));
    EXPECT_FALSE(FindEntry(kFindCount + 1));
}

TEST(MapTables, ContinentsOutsideTheList) {
    EXPECT_EQ(ContinentName(0), "");
    EXPECT_EQ(ContinentName(kContinentCount + 1), "");
    EXPECT_EQ(ContinentName(9), "Polska – województwa");
    EXPECT_EQ(ContinentName(3), "Ameryka Środkowa");
    const MapPlacement europa = ContinentInfo(4);
    EXPECT_EQ(europa.base, "Europa");
    EXPECT_EQ(europa.offset, QPoint(35, 67));
    EXPECT_EQ(europa.countries, 45);
    EXPECT_EQ(ContinentName(8), "Australia i Oceania");
}

TEST(MapTables, NumberOutsideTheListLeavesTheNameUnchanged) {
    QString name = "bez zmian";
    EXPECT_FALSE(CountryByNumber(2, 0, name));
    EXPECT_FALSE(CountryByNumber(2, 5, name));
    EXPECT_EQ(name, "bez zmian");
    EXPECT_TRUE(CountryByNumber(2, 4, name));
    EXPECT_EQ(name, "Grenlandia (terytorium Danii)");
}

TEST(MapTables, EveryListedNameIsFoundByExactlyOneColour) {
    const char* lastNames[] = {"Paragwaj",
                               "Grenlandia (terytorium Danii)",
                               "Trynidad i Tobago",
                               "Malta",
                               "Republika Zielonego Przylądka",
                               "Seszele",
                               "Timor Wschodni",
                               "Vanuatu"};
    const int counts[] = {13, 4, 21, 45, 32, 23, 49, 14};
    for (int c = 1; c <= kWorldRegionCount; ++c) {
        SCOPED_TRACE(c);
        const int n = ContinentInfo(c).countries;
        ASSERT_EQ(n, counts[c - 1]);
        QSet<QRgb> colours;
        QSet<QString> names;
        for (int k = 1; k <= n; ++k) {
            QString name;
            ASSERT_TRUE(CountryByNumber(c, k, name));
            const QRgb colour = CountryColour(c, k);
            EXPECT_NE(colour, kKeyWhite);
            EXPECT_EQ(CountryByColour(c, colour), name);
            colours.insert(colour);
            names.insert(name);
        }
        EXPECT_EQ(colours.size(), n);
        EXPECT_EQ(names.size(), n);
        QString last;
        CountryByNumber(c, n, last);
        EXPECT_EQ(last, QString::fromUtf8(lastNames[c - 1]));
    }
}

TEST(MapTables, FindListHoldsEveryCountryOnceOnItsContinent) {
    QSet<QString> listed;
    for (int c = 1; c <= kWorldRegionCount; ++c)
        for (int k = 1; k <= ContinentInfo(c).countries; ++k) {
            QString name;
            CountryByNumber(c, k, name);
            listed.insert(name);
        }
    ASSERT_EQ(listed.size(), kFindCount);

    QSet<QString> found;
    int perContinent[kContinentCount + 1] = {};
    for (int p = 1; p <= kFindCount; ++p) {
        const auto entry = FindEntry(p);
        ASSERT_TRUE(entry) << p;
        SCOPED_TRACE(entry->name.toStdString());
        ASSERT_GE(entry->continent, 1);
        ASSERT_LE(entry->continent, kWorldRegionCount);
        found.insert(entry->name);
        ++perContinent[entry->continent];
        // The Find entry's continent lists the country under the same name.
        bool onItsContinent = false;
        for (int k = 1; k <= ContinentInfo(entry->continent).countries; ++k) {
            QString name;
            CountryByNumber(entry->continent, k, name);
            onItsContinent |= name == entry->name;
        }
        EXPECT_TRUE(onItsContinent);
    }
    EXPECT_EQ(found, listed);
    const int expected[] = {0, 13, 4, 21, 45, 32, 23, 48, 14};
    for (int c = 1; c <= kWorldRegionCount; ++c) EXPECT_EQ(perContinent[c], expected[c]) << c;
}

TEST(MapTables, FindListIsInPolishAlphabeticalOrder) {
    const QCollator polish(QLocale(QLocale::Polish, QLocale::Poland));
    for (int p = 2; p <= kFindCount; ++p) {
        const QString before = FindEntry(p - 1)->name, name = FindEntry(p)->name;
        EXPECT_LT(polish.compare(before, name), 0)
            << before.toStdString() << " / " << name.toStdString();
    }
}

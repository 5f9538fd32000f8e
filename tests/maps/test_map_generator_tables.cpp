// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The map generator (tools/maps) draws the archive from its own copy of the
// continent tables; it must hold exactly the program's tables.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "maps/MapTables.h"

namespace {
QJsonObject GeneratorTables() {
    QFile file(TERRAVIKA_SOURCE_DIR "/tools/maps/tables.json");
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QPoint Point(const QJsonValue& v) {
    const QJsonArray a = v.toArray();
    return a.size() == 2 ? QPoint(a[0].toInt(), a[1].toInt()) : QPoint(-1, -1);
}
}  // namespace

TEST(MapGeneratorTables, ContinentsAndCountriesMatchTheProgram) {
    const QJsonArray continents = GeneratorTables()["continents"].toArray();
    ASSERT_EQ(continents.size(), kContinentCount);
    for (int c = 1; c <= kContinentCount; ++c) {
        const QJsonObject cont = continents[c - 1].toObject();
        const MapPlacement info = ContinentInfo(c);
        SCOPED_TRACE(info.base.toStdString());
        EXPECT_EQ(cont["name"].toString(), ContinentName(c));
        EXPECT_EQ(cont["base"].toString(), info.base);
        EXPECT_EQ(Point(cont["offset"]), info.offset);
        const QJsonArray countries = cont["countries"].toArray();
        ASSERT_EQ(countries.size(), info.countries);
        for (int n = 1; n <= info.countries; ++n) {
            const QJsonObject row = countries[n - 1].toObject();
            QString name;
            ASSERT_TRUE(CountryByNumber(c, n, name));
            EXPECT_EQ(row["name"].toString(), name);
            EXPECT_EQ(row["colour"].toString().toUInt(nullptr, 16), CountryColour(c, n)) << n;
        }
    }
}

TEST(MapGeneratorTables, FindListMatchesTheProgram) {
    const QJsonObject root = GeneratorTables();
    const QJsonArray continents = root["continents"].toArray();
    const QJsonArray findList = root["findList"].toArray();
    ASSERT_EQ(findList.size(), kFindCount);
    ASSERT_EQ(continents.size(), kContinentCount);
    for (int p = 1; p <= kFindCount; ++p) {
        const FindPlace place = *FindEntry(p);
        SCOPED_TRACE(place.name.toStdString());
        EXPECT_EQ(findList[p - 1].toString(), place.name);
        // The generator keeps the Find point in the row of the Find entry's continent.
        QPoint point(-1, -1);
        for (const QJsonValue& row :
             continents[place.continent - 1].toObject()["countries"].toArray())
            if (row["name"].toString() == place.name) point = Point(row["find"]);
        EXPECT_EQ(point, place.point);
    }
}

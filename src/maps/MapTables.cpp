// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "maps/MapTables.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace {

struct Country {
    const char* name;  // UTF-8
    QRgb colour;       // RRGGBB
    QPoint find;       // Find point, or kElsewhere when found on another continent
    // A state's capital (UTF-8), its map point (kElsewhere when off the map)
    // and its flag code; none for a territory.
    const char* capital = nullptr;
    QPoint capitalAt{-1, -1};
    const char* flag = nullptr;
    // On a layer of Poland: the item this one lies within ("Tatry" for Rysy),
    // and a voivodeship's seats.
    const char* within = nullptr;
    const char* seat = nullptr;
};

constexpr QPoint kElsewhere{-1, -1};

struct Continent {
    const char* name;
    const char* base;
    QPoint offset;
    std::span<const Country> countries;
    // A layer of Poland: what a Test click on nothing asked says.
    const char* notHere = nullptr;
};

#include "maps/MapTableData.inc"

const Continent* ContinentAt(int continent) {
    return continent >= 1 && continent <= kContinentCount ? &Continents[continent - 1] : nullptr;
}

// Resolves every Find name to the one world-map row that carries its Find point.
std::array<FindPlace, kFindCount> BuildFindList() {
    std::array<FindPlace, kFindCount> list;
    for (int p = 0; p < kFindCount; ++p) {
        const QString name = QString::fromUtf8(FindNames[p]);
        for (int c = 1; c <= kWorldRegionCount; ++c)
            for (const Country& country : Continents[c - 1].countries)
                if (country.find != kElsewhere && name == QString::fromUtf8(country.name))
                    list[p] = {name, c, country.find};
    }
    return list;
}

const Country* CountryAt(int continent, int number) {
    const Continent* c = ContinentAt(continent);
    if (!c || number < 1 || number > int(c->countries.size())) return nullptr;
    return &c->countries[number - 1];
}

const Country* CountryWithColour(int continent, QRgb colour) {
    colour &= 0xFFFFFF;
    if (const Continent* c = ContinentAt(continent))
        for (const Country& country : c->countries)
            if (country.colour == colour) return &country;
    return nullptr;
}

const Country* CountryNamed(int continent, const char* name) {
    if (const Continent* c = ContinentAt(continent))
        for (const Country& country : c->countries)
            if (qstrcmp(country.name, name) == 0) return &country;
    return nullptr;
}

StateFacts FactsOf(const Country& country) {
    if (!country.capital) return {};
    return {QString::fromUtf8(country.name), QString::fromUtf8(country.capital),
            country.capitalAt == kElsewhere ? std::optional<QPoint>() : country.capitalAt,
            QString::fromLatin1(country.flag)};
}

}  // namespace

QString ContinentName(int continent) {
    const Continent* c = ContinentAt(continent);
    return c ? QString::fromUtf8(c->name) : QString();
}

MapPlacement ContinentInfo(int continent) {
    const Continent* c = ContinentAt(continent);
    if (!c) return {QString(), QPoint(), 0};
    return {QString::fromLatin1(c->base), c->offset, int(c->countries.size())};
}

bool CountryByNumber(int continent, int number, QString& name) {
    const Continent* c = ContinentAt(continent);
    if (!c || number < 1 || number > int(c->countries.size())) return false;
    name = QString::fromUtf8(c->countries[number - 1].name);
    return true;
}

QRgb CountryColour(int continent, int number) {
    const Continent* c = ContinentAt(continent);
    if (!c || number < 1 || number > int(c->countries.size())) return 0;
    return c->countries[number - 1].colour;
}

std::optional<QPoint> FindPointOf(int continent, int number) {
    const Country* country = CountryAt(continent, number);
    if (!country || country->find == kElsewhere) return std::nullopt;
    return country->find;
}

bool IsPolandLayer(int continent) {
    return continent > kWorldRegionCount && continent <= kContinentCount;
}

QString NothingAskedHere(int continent) {
    const Continent* c = ContinentAt(continent);
    return c && c->notHere ? QString::fromUtf8(c->notHere) : QString();
}

QString CountryByColour(int continent, QRgb colour) {
    // Learn looks up a colour on every pointer move: the colours are scanned
    // packed, and the name is shared, not decoded anew.
    struct ColourIndex {
        std::vector<QRgb> colours;
        std::vector<QString> names;
    };
    static const auto index = [] {
        std::array<ColourIndex, kContinentCount> all;
        for (int c = 0; c < kContinentCount; ++c)
            for (const Country& country : Continents[c].countries) {
                all[c].colours.push_back(country.colour);
                all[c].names.push_back(QString::fromUtf8(country.name));
            }
        return all;
    }();
    if (!ContinentAt(continent)) return QString();
    const ColourIndex& rows = index[continent - 1];
    const auto at = std::find(rows.colours.begin(), rows.colours.end(), colour & 0xFFFFFF);
    return at == rows.colours.end() ? QString() : rows.names[at - rows.colours.begin()];
}

StateFacts FactsByNumber(int continent, int number) {
    const Country* country = CountryAt(continent, number);
    return country ? FactsOf(*country) : StateFacts{};
}

StateFacts FactsByColour(int continent, QRgb colour) {
    const Country* country = CountryWithColour(continent, colour);
    return country ? FactsOf(*country) : StateFacts{};
}

bool LiesWithin(int continent, QRgb colour, const QString& container) {
    const Country* item = CountryWithColour(continent, colour);
    while (item && item->within) {
        if (QString::fromUtf8(item->within) == container) return true;
        item = CountryNamed(continent, item->within);
    }
    return false;
}

QString SeatsByColour(int continent, QRgb colour) {
    const Country* item = CountryWithColour(continent, colour);
    return item && item->seat ? QString::fromUtf8(item->seat) : QString();
}

QString CapitalInQuestion(const QString& capital) {
    return capital.section(QStringLiteral(" ("), 0, 0);
}

QString FlagEntry(const QString& flag) {
    return QStringLiteral("flags/") + flag + QStringLiteral(".png");
}

bool IsLandOfNoState(QRgb colour) {
    return (colour & 0xFFFFFF) == kKeyGrey;
}

std::optional<FindPlace> FindEntry(int position) {
    static const std::array<FindPlace, kFindCount> list = BuildFindList();
    if (position < 1 || position > kFindCount) return std::nullopt;
    return list[position - 1];
}

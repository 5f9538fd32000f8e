// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fixed continent and country tables of the map module: the eight
// regions with their image names and map offsets, each region's numbered
// country list with key colours, and the alphabetical Find list of every
// state and territory with the region and map point where each is found.
// Pure lookups over constant data; nothing here keeps state or reads files.
// The rows are generated from tools/maps/tables.json with the maps.
#include <QPoint>
#include <QRgb>
#include <QString>
#include <optional>

#include "maps/MapTableSizes.h"

inline constexpr QRgb kKeyWhite = 0xFFFFFF;  // the sea
inline constexpr QRgb kKeyGrey = 0xD8D8D8;   // land of no state: Antarctica, lone islands

struct MapPlacement {
    QString base;   // image base name: base + ".jpg" is shown, base + ".bmp" is the key
    QPoint offset;  // top-left corner of the map in the window's client area
    int countries;  // N: the countries are numbered 1..N
};

struct FindPlace {
    QString name;
    int continent;
    QPoint point;  // in map coordinates of that continent
};

// The chooser name of continents 1..8; the empty text for any other number.
QString ContinentName(int continent);
// Placement of continents 1..8 (others give an empty placement with 0 countries).
MapPlacement ContinentInfo(int continent);
// Sets name to country number 1..N of the continent and returns true; any
// other number leaves name unchanged and returns false.
bool CountryByNumber(int continent, int number, QString& name);
// The country whose key colour equals colour (24-bit RRGGBB) exactly; the
// empty text for every other colour: the sea, land of no state, anything else.
QString CountryByColour(int continent, QRgb colour);
// Whether a key colour is land that belongs to no state on the list.
bool IsLandOfNoState(QRgb colour);
// Entry 1..kFindCount of the Find list; nothing for other positions.
std::optional<FindPlace> FindEntry(int position);
// The key colour of country number 1..N (0 for others); lets tests and the
// content check walk the tables without repeating them.
QRgb CountryColour(int continent, int number);

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fixed continent and country tables of the map module: the eight
// continents with their image names and map offsets, each continent's
// numbered country list with key colours, and the alphabetical Find list of
// all 156 countries with the continent and map point where each is found.
// Pure lookups over constant data; nothing here keeps state or reads files.
#include <QPoint>
#include <QRgb>
#include <QString>
#include <optional>

inline constexpr int kContinentCount = 8;
inline constexpr int kFindCount = 156;
inline constexpr QRgb kKeyWhite = 0xFFFFFF;

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
// empty text for white; "???" for any other colour, except on continent 8,
// where every colour not in its table gives the empty text.
QString CountryByColour(int continent, QRgb colour);
// Entry 1..156 of the Find list; nothing for other positions.
std::optional<FindPlace> FindEntry(int position);
// The key colour of country number 1..N (0 for others); lets tests and the
// content check walk the tables without repeating them.
QRgb CountryColour(int continent, int number);

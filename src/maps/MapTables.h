// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fixed continent and country tables of the map module: the eight
// regions of the world and the layers of the map of Poland after them, with
// their image names and map offsets, each region's numbered country (or
// item) list with key colours and Find points, and the alphabetical Find
// list of every state and territory with the region and map point where
// each is found.
// Every state also has its capital, the capital's map point and its flag
// code. Pure lookups over constant data; nothing here keeps state or reads files.
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

// The chooser name of regions 1..kContinentCount; the empty text for any other number.
QString ContinentName(int continent);
// Placement of regions 1..kContinentCount (others give an empty placement with 0 countries).
MapPlacement ContinentInfo(int continent);
// What the maps teach of a state beyond its name. A territory has none:
// the empty name.
struct StateFacts {
    QString name;
    QString
        capital;  // official capital(s): "Lima", "Sucre (konstytucyjna), La Paz (siedziba rządu)"
    std::optional<QPoint> capitalPoint;  // in map coordinates, when on the map
    QString flag;                        // flag code: "pl"
};

// The facts of country number 1..N of the continent.
StateFacts FactsByNumber(int continent, int number);
// The facts of the state whose key colour equals colour exactly.
StateFacts FactsByColour(int continent, QRgb colour);
// Whether the item of a layer of Poland with the key colour lies within the
// named item, directly or through others (Śnieżka in Karkonosze in Sudety).
bool LiesWithin(int continent, QRgb colour, const QString& container);
// The seats of the voivodeship with the key colour ("Bydgoszcz (wojewoda),
// Toruń (sejmik)"); the empty text for anything else.
QString SeatsByColour(int continent, QRgb colour);
// The capital a question names: the first of several, without its note.
QString CapitalInQuestion(const QString& capital);
// The map archive entry of a flag code's picture (PNG, 48 × 36).
QString FlagEntry(const QString& flag);
// Sets name to country number 1..N of the continent and returns true; any
// other number leaves name unchanged and returns false.
bool CountryByNumber(int continent, int number, QString& name);
// The country whose key colour equals colour (24-bit RRGGBB) exactly; the
// empty text for every other colour: the sea, land of no state, anything else.
QString CountryByColour(int continent, QRgb colour);
// Whether a key colour is land that belongs to no state on the list.
bool IsLandOfNoState(QRgb colour);
// The Find point of country number 1..N of the continent; nothing for other
// numbers or a country found on another continent.
std::optional<QPoint> FindPointOf(int continent, int number);
// Whether the region is a layer of the map of Poland (after the world's eight).
// A layer's items are numbered in Polish alphabetical order: its Find list.
bool IsPolandLayer(int continent);
// What a Test click on nothing asked says on a layer of Poland ("To nie jest
// województwo."); the empty text for the world's regions.
QString NothingAskedHere(int continent);
// Entry 1..kFindCount of the world's Find list; nothing for other positions.
std::optional<FindPlace> FindEntry(int position);
// The key colour of country number 1..N (0 for others); lets tests and the
// content check walk the tables without repeating them.
QRgb CountryColour(int continent, int number);

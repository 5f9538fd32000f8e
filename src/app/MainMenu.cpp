// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainMenu.h"

#include "core/ZoomEffect.h"

namespace MainMenu {

namespace {

const Entry kTable[kEntries] = {
    {"LSprawdz",
     {26, 8, 45, 41},
     "LSprawdzText",
     {78, 24},
     {49, 33},
     "Sprawdź, ile wiesz",
     "SprawdzNagl",
     80},
    {"LStolice",
     {32, 72, 39, 41},
     "LStoliceText",
     {78, 88},
     {42, 33},
     "Stolice świata",
     "StoliceNagl",
     140},
    {"LPuzzle", {30, 136, 35, 33}, "LPuzzleText", {78, 152}, {42, 17}, "Puzzle", "PuzzleNagl", 200},
    {"LPanstwo",
     {30, 200, 35, 33},
     "LCoToText",
     {78, 208},
     {49, 33},
     "Co to za państwo",
     "CoToNagl",
     260},
    {"LUklad",
     {32, 256, 39, 41},
     "LUkladText",
     {78, 272},
     {66, 33},
     "Współrzędne na mapie",
     "WspNagl",
     340},
    {"LWielcy",
     {34, 320, 39, 41},
     "LWielcyText",
     {78, 336},
     {49, 33},
     "Wielcy odkrywcy",
     "WielcyNagl",
     400},
    {"LMapy",
     {35, 384, 33, 33},
     "LMapyText",
     {80, 384},
     {81, 25},
     "Państwa świata na mapie",
     "PanstwaNaMapie",
     460},
    {"LAutorzy", {30, 448, 43, 33}, "LNapAutorzy", {79, 464}, {}, "O programie", "OProgramie", 520},
    {"LPomoc", {39, 488, 34, 25}, "LPomocText", {79, 504}, {}, "Pomoc", nullptr, 0},
};

}  // namespace

const Entry& EntryAt(int n) {
    return kTable[n - 1];
}

QPoint WindowCentre(QSize window) {
    return {RoundHalfEven(window.width() / 2.0), RoundHalfEven(window.height() / 2.0)};
}

QPoint PanelPosition(QSize window) {
    return {RoundHalfEven((window.width() - 800) / 2.0),
            RoundHalfEven((window.height() - 580) / 2.0)};
}

QRect ZoomTarget(QPoint c) {
    return QRect(QPoint(c.x() - 320, c.y() - 150), QPoint(c.x() + 60, c.y() + 120));
}

QPoint ModuleOffset(int n) {
    switch (n) {
        case 1:
        case 2:
            return {120, 110};
        case 4:
            return {100, 150};
        case 5:
            return {130, 180};
        case 6:
            return {60, 110};
        case 7:
            return {40, 90};
        case 8:
            return {160, 140};
        default:
            return {};
    }
}

}  // namespace MainMenu

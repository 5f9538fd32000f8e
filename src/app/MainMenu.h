// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main menu's fixed tables and geometry, free of widgets.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

namespace MainMenu {

constexpr int kEntries = 9;  // 1..8 open modules, 9 is the help file

struct Entry {
    const char* hotspot;  // object name of the clickable round button
    QRect hotspotRect;    // in the button column
    const char* text;     // object name of the caption label
    QPoint textPos;
    QSize textSize;  // empty: auto-sized, one line
    const char* caption;
    const char* header;  // header picture resource; null for help
    int zoomOriginY;
};

// Entry n (1..9) of the menu.
const Entry& EntryAt(int n);

const QColor NormalColour{255, 255, 255};
const QColor HoverColour{255, 0, 0};
const QColor MarkColour{192, 192, 192};

constexpr int kZoomOriginX = 600;

// Half the window's size, each rounded half to even.
QPoint WindowCentre(QSize window);
// Top-left corner of the 800 x 580 panel centred in the window.
QPoint PanelPosition(QSize window);
// The rectangle the zoom effect aims at, (cx-320, cy-150, cx+60, cy+120).
QRect ZoomTarget(QPoint centre);
// Offset from the panel's corner at which the module window of entry n
// stands; a null point for entries that place themselves (3) or have no
// window (9).
QPoint ModuleOffset(int n);

}  // namespace MainMenu

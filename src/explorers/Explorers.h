// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The twenty topics of the explorers reader, in list order: the list
// caption, the document entry of Maps/GeoMen.dat, and the picture number n
// (the topic's place in the list, 1..20) naming its portrait "Im<n>a.jpg".
#include <QString>

struct ExplorerEntry {
    const char* caption;   // UTF-8
    const char* document;  // entry name, matched without regard to letter case
};

inline constexpr int kExplorerCount = 20;

// Topic n, 1..kExplorerCount.
const ExplorerEntry& ExplorerAt(int n);
QString ExplorerCaption(int n);
QString ExplorerPictureName(int n);

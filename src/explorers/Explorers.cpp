// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explorers/Explorers.h"

namespace {

const ExplorerEntry kExplorers[kExplorerCount] = {
    {"Wstęp", "Wstep.rtf"},
    {"Fenicjanie", "Fenicja.rtf"},
    {"Herodot", "Herodot.rtf"},
    {"Aleksander Wielki", "Aleksand.rtf"},
    {"Wikingowie", "Wiking.rtf"},
    {"Marco Polo", "Marco.rtf"},
    {"Amerigo Vespucci", "Amerigo.rtf"},
    {"Vasco da Gama", "Vasco.rtf"},
    {"Krzysztof Kolumb", "Kolumb.rtf"},
    {"Ferdynand Magellan", "Magellan.rtf"},
    {"Francisco Pizarro", "Pizarro.rtf"},
    {"Francis Drake", "Drake.rtf"},
    {"James Cook", "Cook.rtf"},
    {"Aleksander Humboldt", "Humboldt.rtf"},
    {"Paweł Strzelecki", "Strzel.rtf"},
    {"David Livingstone", "Living.rtf"},
    {"Jan Czerski", "Czerski.rtf"},
    {"Edwin Peary", "Peary.rtf"},
    {"Roald Amundsen", "Amundsen.rtf"},
    {"Edmund Hillary", "hillary.rtf"},
};

}  // namespace

const ExplorerEntry& ExplorerAt(int n) {
    return kExplorers[n - 1];
}

QString ExplorerCaption(int n) {
    return QString::fromUtf8(ExplorerAt(n).caption);
}

QString ExplorerPictureName(int n) {
    return QStringLiteral("Im%1a.jpg").arg(n);
}

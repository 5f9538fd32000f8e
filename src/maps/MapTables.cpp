// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "maps/MapTables.h"

#include <array>
#include <span>

namespace {

struct Country {
    const char* name;  // UTF-8
    QRgb colour;       // RRGGBB
    QPoint find;       // Find point, or kElsewhere when found on another continent
};

constexpr QPoint kElsewhere{-1, -1};

struct Continent {
    const char* name;
    const char* base;
    QPoint offset;
    std::span<const Country> countries;
};

// Ameryka Południowa
const Country Continent1[] = {
    {"Brazylia", 0xFF0000, {151, 81}},   {"Urugwaj", 0x6699FF, {137, 180}},
    {"Argentyna", 0x00FF00, {103, 184}}, {"Chile", 0x996633, {72, 204}},
    {"Boliwia", 0xFFFF00, {102, 114}},   {"Peru", 0xB6FFB7, {60, 86}},
    {"Ekwador", 0x663333, {48, 51}},     {"Kolumbia", 0xFF99CC, {69, 33}},
    {"Wenezuela", 0x0000FF, {100, 21}},  {"Gujana", 0xFF00FF, {126, 27}},
    {"Surinam", 0x9900CC, {137, 33}},    {"Gujana Francuska", 0x2A464C, {148, 31}},
    {"Paragwaj", 0xFCE9E8, {127, 140}},
};
// Ameryka Północna
const Country Continent2[] = {
    {"Kanada", 0x00FF00, {144, 132}},
    {"USA", 0xFF0000, {166, 187}},
    {"Meksyk", 0xFFFF00, {169, 231}},
    {"Grenlandia", 0x0000FF, {327, 53}},
};
// Ameryka Środkowa
const Country Continent3[] = {
    {"Gwatemala", 0xFFFF05, {30, 121}},  {"Belize", 0xFF0500, {53, 95}},
    {"Salwador", 0x0505FF, {52, 147}},   {"Honduras", 0x05FFFF, {81, 131}},
    {"Nikaragua", 0x05FF05, {107, 162}}, {"Kostaryka", 0xFF05FF, {124, 203}},
    {"Panama", 0x9B05CD, {166, 227}},    {"Jamajka", 0xFF9BCD, {223, 81}},
    {"Haiti", 0x693536, {298, 66}},      {"Dominikana", 0xCDCDFF, {319, 67}},
    {"Kuba", 0xE7D5C9, {194, 22}},       {"Puerto Rico", 0xB4B413, {385, 79}},
};
// Europa
const Country Continent4[] = {
    {"Portugalia", 0xFF6600, {26, 315}}, {"Hiszpania", 0xFF99CC, {52, 310}},
    {"Francja", 0xFF00FF, {97, 254}},    {"Wielka Brytania", 0x0000FF, {67, 191}},
    {"Irlandia", 0x6F1A00, {27, 195}},   {"Holandia", 0xEAFAF4, {122, 207}},
    {"Belgia", 0x6897FC, {114, 220}},    {"Niemcy", 0xFFFF00, {151, 212}},
    {"Dania", 0x333300, {148, 165}},     {"Polska", 0xFF0000, {214, 206}},
    {"Czechy", 0xFE6832, {188, 229}},    {"Słowacja", 0x9A31CB, {216, 235}},
    {"Węgry", 0xCBCCFD, {219, 252}},     {"Bośnia i Hercegowina", 0x97FC97, {204, 276}},
    {"Serbia", 0x669966, {225, 278}},    {"Albania", 0x989998, {222, 304}},
    {"Grecja", 0x99FF00, {236, 317}},    {"Macedonia Północna", 0x676767, {234, 298}},
    {"Bułgaria", 0x669933, {256, 288}},  {"Rumunia", 0x33CC99, {253, 261}},
    {"Ukraina", 0xCC9933, {290, 231}},   {"Białoruś", 0x747575, {276, 194}},
    {"Litwa", 0x966F20, {244, 177}},     {"Łotwa", 0x33CC66, {259, 159}},
    {"Estonia", 0x00FDFB, {261, 140}},   {"Rosja", 0xB7B7FF, {354, 144}},
    {"Finlandia", 0xFDAED6, {272, 79}},  {"Szwecja", 0xCCCC33, {188, 96}},
    {"Norwegia", 0x663333, {147, 111}},  {"Szwajcaria", 0x020264, {138, 252}},
    {"Austria", 0x989867, {181, 246}},   {"Włochy", 0x009933, {159, 270}},
    {"Słowenia", 0xFC95FC, {181, 261}},  {"Chorwacja", 0x19571F, {197, 262}},
};
// Afryka Północna
const Country Continent5[] = {
    {"Maroko", 0xCCCCFF, {67, 32}},
    {"Algieria", 0x0000FF, {114, 54}},
    {"Tunezja", 0xFF0000, {155, 20}},
    {"Libia", 0xFFFF00, {202, 62}},
    {"Egipt", 0x00FF00, {273, 66}},
    {"Sahara Zachodnia", 0xC8C8AA, {24, 82}},
    {"Mauretania", 0x663333, {39, 111}},
    {"Mali", 0xFF99CC, {88, 115}},
    {"Niger", 0xFF6600, {158, 120}},
    {"Czad", 0x9900CC, {210, 132}},
    {"Sudan", 0xFF00FF, {271, 133}},
    {"Etiopia", 0xCC6633, {326, 169}},
    {"Somalia", 0xCC3300, {365, 204}},
    {"Republika Środkowoafrykańska", 0x666633, {224, 186}},
    {"Kamerun", 0xCCFF66, {174, 196}},
    {"Nigeria", 0x99CC33, {143, 172}},
    {"Benin", 0xCCFFCC, {115, 168}},
    {"Togo", 0x65FFCB, {107, 178}},
    {"Ghana", 0x33CC66, {93, 182}},
    {"Burkina Faso", 0x009933, {92, 154}},
    {"Wybrzeże Kości Słoniowej", 0x669999, {68, 181}},
    {"Liberia", 0xD7D8FF, {45, 189}},
    {"Sierra Leone", 0x000066, {32, 177}},
    {"Gwinea", 0x003399, {40, 163}},
    {"Gwinea-Bissau", 0x6D6DFE, {15, 158}},
    {"Senegal", 0x9999FF, {15, 142}},
    {"Erytrea", 0x767649, {320, 135}},
    {"Dżibuti", 0xEA9D16, {348, 155}},
};
// Afryka Południowa
const Country Continent6[] = {
    {"Gwinea Równikowa", 0xD206E4, {16, 34}},
    {"Gabon", 0x05FF05, {23, 48}},
    {"Kongo", 0x05FFFF, {57, 50}},
    {"Demokratyczna Republika Konga", 0x0505FF, {122, 68}},
    {"Uganda", 0xFFFF05, {194, 39}},
    {"Kenia", 0xFF9BCD, {233, 40}},
    {"Tanzania", 0xFF0505, {209, 91}},
    {"Ruanda", 0x9D17AB, {173, 62}},
    {"Burundi", 0x989330, {174, 73}},
    {"Mozambik", 0x056937, {231, 165}},
    {"Malawi", 0x9BFF9B, {206, 154}},
    {"Zambia", 0x050569, {144, 164}},
    {"Angola", 0x693737, {71, 154}},
    {"Namibia", 0xCDCDFF, {66, 224}},
    {"Botswana", 0x05379B, {127, 221}},
    {"Zimbabwe", 0x37699B, {173, 202}},
    {"Eswatini", 0x259C60, {187, 264}},
    {"Lesotho", 0x6895F3, {161, 290}},
    {"RPA", 0x9B9BFF, {118, 287}},
    {"Madagaskar", 0xCDFF69, {311, 202}},
};
// Azja
const Country Continent7[] = {
    {"Rosja", 0x0303FC, kElsewhere},
    {"Kazachstan", 0x05FFFF, {154, 130}},
    {"Mongolia", 0xFFFF05, {276, 134}},
    {"Chiny", 0xFF0505, {287, 190}},
    {"Korea Północna", 0x6C3331, {365, 161}},
    {"Korea Południowa", 0xFD9ACC, {370, 175}},
    {"Japonia", 0xFA6604, {411, 176}},
    {"Wietnam", 0xCBCBFA, {300, 265}},
    {"Laos", 0x073592, {277, 240}},
    {"Kambodża", 0x9A9AFE, {288, 266}},
    {"Tajlandia", 0x05CDFF, {273, 254}},
    {"Mjanma (Birma)", 0x376969, {256, 231}},
    {"Bangladesz", 0xCFF8CF, {234, 226}},
    {"Bhutan", 0x4ED4C2, {235, 212}},
    {"Nepal", 0xD2F267, {209, 208}},
    {"Indie", 0x699B69, {194, 225}},
    {"Sri Lanka", 0x11B2AD, {201, 286}},
    {"Pakistan", 0x373705, {151, 209}},
    {"Afganistan", 0x9B9B37, {143, 186}},
    {"Iran", 0xCD6937, {104, 190}},
    {"Irak", 0xFF6969, {65, 187}},
    {"Arabia Saudyjska", 0xFFCDCD, {67, 222}},
    {"ZEA", 0xE26894, {105, 227}},
    {"Oman", 0x9B3769, {113, 239}},
    {"Jemen", 0xFE0569, {83, 256}},
    {"Kuwejt", 0x6923D0, {80, 203}},
    {"Jordania", 0xE0999D, {40, 199}},
    {"Syria", 0xCC3504, {47, 181}},
    {"Izrael", 0xAE7072, {34, 197}},
    {"Liban", 0xEAE90A, {36, 185}},
    {"Cypr", 0xC5BAE8, {28, 182}},
    {"Turcja", 0x370569, {36, 164}},
    {"Gruzja", 0x969964, {63, 151}},
    {"Armenia", 0x941EDB, {70, 159}},
    {"Azerbejdżan", 0x8F42B8, {81, 160}},
    {"Kirgistan", 0xCB3363, {178, 152}},
    {"Turkmenistan", 0x9B6937, {122, 164}},
    {"Uzbekistan", 0xFFFF69, {141, 156}},
    {"Tadżykistan", 0xE99E29, {170, 169}},
};
// Australia
const Country Continent8[] = {
    {"Australia", 0xFF0403, {217, 229}},
    {"Indonezja", 0x9BFF04, {115, 112}},
    {"Malezja", 0x040303, {41, 82}},
    {"Filipiny", 0xFF9BFF, {158, 29}},
    {"Brunei", 0x999966, {114, 77}},
    {"Nowa Zelandia", 0x9A04CD, {350, 331}},
    {"Papua-Nowa Gwinea", 0x0404FF, {277, 138}},
};

const Continent Continents[kContinentCount] = {
    {"Ameryka Południowa", "AmerykaS", {128, 64}, Continent1},
    {"Ameryka Północna", "AmerykaN", {80, 64}, Continent2},
    {"Ameryka Środkowa", "AmerykaSR", {80, 64}, Continent3},
    {"Europa", "Europa", {35, 67}, Continent4},
    {"Afryka Północna", "AfrykaN", {45, 67}, Continent5},
    {"Afryka Południowa", "AfrykaS", {75, 67}, Continent6},
    {"Azja", "Azja", {25, 67}, Continent7},
    {"Australia", "Australia", {45, 67}, Continent8},
};

// The Find list in display order (Polish alphabetical order, fixed here so
// that no collation can reorder it).
const char* const FindNames[kFindCount] = {"Afganistan",
                                           "Albania",
                                           "Algieria",
                                           "Angola",
                                           "Arabia Saudyjska",
                                           "Argentyna",
                                           "Armenia",
                                           "Australia",
                                           "Austria",
                                           "Azerbejdżan",
                                           "Bangladesz",
                                           "Belgia",
                                           "Belize",
                                           "Benin",
                                           "Bhutan",
                                           "Białoruś",
                                           "Boliwia",
                                           "Bośnia i Hercegowina",
                                           "Botswana",
                                           "Brazylia",
                                           "Brunei",
                                           "Bułgaria",
                                           "Burkina Faso",
                                           "Burundi",
                                           "Chile",
                                           "Chiny",
                                           "Chorwacja",
                                           "Cypr",
                                           "Czad",
                                           "Czechy",
                                           "Dania",
                                           "Demokratyczna Republika Konga",
                                           "Dominikana",
                                           "Dżibuti",
                                           "Egipt",
                                           "Ekwador",
                                           "Erytrea",
                                           "Estonia",
                                           "Eswatini",
                                           "Etiopia",
                                           "Filipiny",
                                           "Finlandia",
                                           "Francja",
                                           "Gabon",
                                           "Ghana",
                                           "Grecja",
                                           "Grenlandia",
                                           "Gruzja",
                                           "Gujana",
                                           "Gujana Francuska",
                                           "Gwatemala",
                                           "Gwinea",
                                           "Gwinea Równikowa",
                                           "Gwinea-Bissau",
                                           "Haiti",
                                           "Hiszpania",
                                           "Holandia",
                                           "Honduras",
                                           "Indie",
                                           "Indonezja",
                                           "Irak",
                                           "Iran",
                                           "Irlandia",
                                           "Izrael",
                                           "Jamajka",
                                           "Japonia",
                                           "Jemen",
                                           "Jordania",
                                           "Kambodża",
                                           "Kamerun",
                                           "Kanada",
                                           "Kazachstan",
                                           "Kenia",
                                           "Kirgistan",
                                           "Kolumbia",
                                           "Kongo",
                                           "Korea Południowa",
                                           "Korea Północna",
                                           "Kostaryka",
                                           "Kuba",
                                           "Kuwejt",
                                           "Laos",
                                           "Lesotho",
                                           "Liban",
                                           "Liberia",
                                           "Libia",
                                           "Litwa",
                                           "Łotwa",
                                           "Macedonia Północna",
                                           "Madagaskar",
                                           "Malawi",
                                           "Malezja",
                                           "Mali",
                                           "Maroko",
                                           "Mauretania",
                                           "Meksyk",
                                           "Mjanma (Birma)",
                                           "Mongolia",
                                           "Mozambik",
                                           "Namibia",
                                           "Nepal",
                                           "Niemcy",
                                           "Niger",
                                           "Nigeria",
                                           "Nikaragua",
                                           "Norwegia",
                                           "Nowa Zelandia",
                                           "Oman",
                                           "Pakistan",
                                           "Panama",
                                           "Papua-Nowa Gwinea",
                                           "Paragwaj",
                                           "Peru",
                                           "Polska",
                                           "Portugalia",
                                           "Puerto Rico",
                                           "Republika Środkowoafrykańska",
                                           "Rosja",
                                           "RPA",
                                           "Ruanda",
                                           "Rumunia",
                                           "Sahara Zachodnia",
                                           "Salwador",
                                           "Senegal",
                                           "Serbia",
                                           "Sierra Leone",
                                           "Słowacja",
                                           "Słowenia",
                                           "Somalia",
                                           "Sri Lanka",
                                           "Sudan",
                                           "Surinam",
                                           "Syria",
                                           "Szwajcaria",
                                           "Szwecja",
                                           "Tadżykistan",
                                           "Tajlandia",
                                           "Tanzania",
                                           "Togo",
                                           "Tunezja",
                                           "Turcja",
                                           "Turkmenistan",
                                           "Uganda",
                                           "Ukraina",
                                           "Urugwaj",
                                           "USA",
                                           "Uzbekistan",
                                           "Wenezuela",
                                           "Węgry",
                                           "Wielka Brytania",
                                           "Wietnam",
                                           "Włochy",
                                           "Wybrzeże Kości Słoniowej",
                                           "Zambia",
                                           "ZEA",
                                           "Zimbabwe"};

const Continent* ContinentAt(int continent) {
    return continent >= 1 && continent <= kContinentCount ? &Continents[continent - 1] : nullptr;
}

// Resolves every Find name to the one country row that carries its Find point.
std::array<FindPlace, kFindCount> BuildFindList() {
    std::array<FindPlace, kFindCount> list;
    for (int p = 0; p < kFindCount; ++p) {
        const QString name = QString::fromUtf8(FindNames[p]);
        for (int c = 1; c <= kContinentCount; ++c)
            for (const Country& country : Continents[c - 1].countries)
                if (country.find != kElsewhere && name == QString::fromUtf8(country.name))
                    list[p] = {name, c, country.find};
    }
    return list;
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

QString CountryByColour(int continent, QRgb colour) {
    colour &= 0xFFFFFF;
    if (const Continent* c = ContinentAt(continent))
        for (const Country& country : c->countries)
            if (country.colour == colour) return QString::fromUtf8(country.name);
    if (colour == kKeyWhite || continent == kContinentCount) return QString();
    return QStringLiteral("???");
}

std::optional<FindPlace> FindEntry(int position) {
    static const std::array<FindPlace, kFindCount> list = BuildFindList();
    if (position < 1 || position > kFindCount) return std::nullopt;
    return list[position - 1];
}

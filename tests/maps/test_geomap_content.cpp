// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The bundled map archive against the continent tables: both images of every
// continent decode at the same size and fit the window, the key bitmaps use
// exactly the key colours of their continent, every country has an 8 × 8
// block to point at and its Find point lies on it; and every state of the
// official Polish list is found once.
#include <gtest/gtest.h>

#include <QCollator>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QStringList>
#include <utility>
#include <vector>

#include "data/ImageCodecs.h"
#include "data/PackReader.h"
#include "maps/MapTables.h"

namespace {

constexpr QRgb kUnlistedGrey = 0xD8D8D8;
const QSize kWindowClient(513, 415);

QString ArchivePath() {
    return QStringLiteral(TERRAVIKA_SOURCE_DIR "/content/Maps/GeoMap.dat");
}

// For every colour of the bitmap, the side of the largest square filled with it.
QHash<QRgb, int> LargestSquares(const QImage& key) {
    QHash<QRgb, int> largest;
    const int w = key.width();
    std::vector<int> prev(w, 0), cur(w, 0);
    for (int y = 0; y < key.height(); ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = key.pixel(x, y) & 0xFFFFFF;
            int side = 1;
            if (x > 0 && y > 0 && (key.pixel(x - 1, y) & 0xFFFFFF) == c &&
                (key.pixel(x, y - 1) & 0xFFFFFF) == c && (key.pixel(x - 1, y - 1) & 0xFFFFFF) == c)
                side = std::min({prev[x], cur[x - 1], prev[x - 1]}) + 1;
            cur[x] = side;
            int& best = largest[c];
            best = std::max(best, side);
        }
        std::swap(prev, cur);
    }
    return largest;
}

class GeoMapContent : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(ArchivePath())) GTEST_SKIP() << "no bundled map archive yet";
        ASSERT_TRUE(archive.Open(ArchivePath()));
    }
    QImage Load(const QString& entry) {
        const auto bytes = archive.Extract(entry);
        if (!bytes) {
            ADD_FAILURE() << "missing " << entry.toStdString();
            return {};
        }
        return entry.endsWith(".jpg") ? DecodeJpeg(*bytes) : DecodeBmp(*bytes);
    }
    PackReader archive;
};

}  // namespace

TEST_F(GeoMapContent, BothImagesOfEveryContinentDecodeAtOneSizeThatFits) {
    for (int c = 1; c <= kContinentCount; ++c) {
        const MapPlacement place = ContinentInfo(c);
        SCOPED_TRACE(place.base.toStdString());
        const QImage map = Load(place.base + ".jpg");
        const QImage key = Load(place.base + ".bmp");
        ASSERT_FALSE(map.isNull());
        EXPECT_EQ(map.size(), key.size());
        EXPECT_TRUE(QRect(QPoint(0, 0), kWindowClient).contains(QRect(place.offset, key.size())));
    }
}

TEST_F(GeoMapContent, KeyBitmapsUseExactlyTheirContinentsColours) {
    for (int c = 1; c <= kContinentCount; ++c) {
        const MapPlacement place = ContinentInfo(c);
        SCOPED_TRACE(place.base.toStdString());
        const QImage key = Load(place.base + ".bmp");
        ASSERT_FALSE(key.isNull());
        const QHash<QRgb, int> squares = LargestSquares(key);

        QSet<QRgb> table;
        for (int k = 1; k <= place.countries; ++k) {
            QString name;
            CountryByNumber(c, k, name);
            const QRgb colour = CountryColour(c, k);
            table.insert(colour);
            // A layer of Poland's peaks and spits are pointable within 3 px: a 5 × 5 block.
            EXPECT_GE(squares.value(colour), IsPolandLayer(c) ? 5 : 8)
                << name.toStdString() << " has no block to point at";
        }
        for (auto it = squares.begin(); it != squares.end(); ++it)
            EXPECT_TRUE(table.contains(it.key()) || it.key() == kKeyWhite ||
                        it.key() == kUnlistedGrey)
                << "stray colour " << std::hex << it.key();

        for (int p = 1; p <= kFindCount; ++p) {
            const auto entry = FindEntry(p);
            if (entry->continent != c) continue;
            const QRgb at = key.valid(entry->point) ? key.pixel(entry->point) : 0;
            EXPECT_EQ(CountryByColour(c, at), entry->name)
                << entry->name.toStdString() << " at " << entry->point.x() << ","
                << entry->point.y();
        }
    }
}

// With the checks above (an 8 × 8 block and the Find point on its colour),
// one Find entry a state means one map where it can be pointed at.
TEST(GeoMapStates, EveryStateOfTheListIsFoundOnceAndEveryOtherNameIsATerritory) {
    QFile file(TERRAVIKA_SOURCE_DIR "/tools/maps/states.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QSet<QString> states;
    for (const QJsonValue& v : QJsonDocument::fromJson(file.readAll()).array())
        states.insert(v.toString());
    ASSERT_EQ(states.size(), 196);
    QHash<QString, int> found;
    for (int p = 1; p <= kFindCount; ++p) ++found[FindEntry(p)->name];
    for (const QString& state : states) EXPECT_EQ(found.value(state), 1) << state.toStdString();
    for (auto it = found.begin(); it != found.end(); ++it) {
        if (!states.contains(it.key())) {
            EXPECT_TRUE(it.key().contains(" (terytorium ")) << it.key().toStdString();
        }
    }
}

// Every state carries its capital and flag on every map that shows it, the
// one with its Find point among them, with the capital's point on the map
// and a flag picture in the archive; territories carry none.
TEST_F(GeoMapContent, EveryStateHasItsCapitalOnItsMapAndItsFlagInTheArchive) {
    QHash<QString, QList<int>> continentsOf;
    for (int c = 1; c <= kContinentCount; ++c) {
        const MapPlacement place = ContinentInfo(c);
        const QSize size = Load(place.base + ".bmp").size();
        for (int k = 1; k <= place.countries; ++k) {
            const StateFacts facts = FactsByNumber(c, k);
            if (facts.name.isEmpty()) continue;
            SCOPED_TRACE(facts.name.toStdString());
            continentsOf[facts.name].append(c);
            EXPECT_FALSE(facts.capital.isEmpty());
            ASSERT_TRUE(facts.capitalPoint);
            EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(*facts.capitalPoint));
            const auto png = archive.Extract(FlagEntry(facts.flag));
            ASSERT_TRUE(png);
            EXPECT_EQ(QImage::fromData(*png, "PNG").size(), QSize(48, 36));
        }
    }
    EXPECT_EQ(continentsOf.size(), 196);
    for (int p = 1; p <= kFindCount; ++p) {
        const auto entry = FindEntry(p);
        const QList<int> on = continentsOf.value(entry->name);
        if (entry->name.contains(" (terytorium ")) {
            EXPECT_TRUE(on.isEmpty());
        } else {
            EXPECT_TRUE(on.contains(entry->continent)) << entry->name.toStdString();
        }
    }
}

// The layers of the map of Poland, after the world's regions.
namespace {

const QStringList kLayers = {"Polska – województwa",
                             "Polska – miasta",
                             "Polska – rzeki",
                             "Polska – góry i wyżyny",
                             "Polska – jeziora i wybrzeże",
                             "Polska – parki narodowe"};

int LayerNumber(const QString& name) {
    return kWorldRegionCount + 1 + int(kLayers.indexOf(name));
}

int NumberOf(int layer, const QString& item) {
    QString name;
    for (int k = 1; CountryByNumber(layer, k, name); ++k)
        if (name == item) return k;
    return 0;
}

// The voivodeships and their seats as the law names them: where the voivode
// and the regional assembly sit apart, both cities.
const std::vector<std::pair<QString, QStringList>> kSeats = {
    {"dolnośląskie", {"Wrocław"}},  {"kujawsko-pomorskie", {"Bydgoszcz", "Toruń"}},
    {"lubelskie", {"Lublin"}},      {"lubuskie", {"Gorzów Wielkopolski", "Zielona Góra"}},
    {"łódzkie", {"Łódź"}},          {"małopolskie", {"Kraków"}},
    {"mazowieckie", {"Warszawa"}},  {"opolskie", {"Opole"}},
    {"podkarpackie", {"Rzeszów"}},  {"podlaskie", {"Białystok"}},
    {"pomorskie", {"Gdańsk"}},      {"śląskie", {"Katowice"}},
    {"świętokrzyskie", {"Kielce"}}, {"warmińsko-mazurskie", {"Olsztyn"}},
    {"wielkopolskie", {"Poznań"}},  {"zachodniopomorskie", {"Szczecin"}},
};

}  // namespace

// Every item of every layer once, pointable (a 5 × 5 block: a peak's disc,
// a spit's band) and its Find point on its own colour; a range with a peak
// or a smaller range in it stays pointable round them (an 8 × 8 block); a
// layer's rows are its Find list, in Polish alphabetical order.
TEST_F(GeoMapContent, EveryItemOfEveryLayerOfPolandIsPointableAndFoundOnItself) {
    ASSERT_EQ(kContinentCount, kWorldRegionCount + kLayers.size());
    for (const QString& layerName : kLayers) {
        const int layer = LayerNumber(layerName);
        SCOPED_TRACE(layerName.toStdString());
        ASSERT_EQ(ContinentName(layer), layerName);
        ASSERT_TRUE(IsPolandLayer(layer));
        const QImage key = Load(ContinentInfo(layer).base + ".bmp");
        ASSERT_FALSE(key.isNull());
        const QHash<QRgb, int> squares = LargestSquares(key);
        const QCollator polish(QLocale(QLocale::Polish, QLocale::Poland));
        QString name, previous;
        for (int k = 1; CountryByNumber(layer, k, name); ++k) {
            SCOPED_TRACE(name.toStdString());
            EXPECT_LT(polish.compare(previous, name), 0);  // and so no name twice
            previous = name;
            EXPECT_GE(squares.value(CountryColour(layer, k)), 5);
            QString container;
            for (int j = 1; CountryByNumber(layer, j, container); ++j)
                if (LiesWithin(layer, CountryColour(layer, k), container)) {
                    EXPECT_GE(squares.value(CountryColour(layer, j)), 8) << container.toStdString();
                }
            const auto find = FindPointOf(layer, k);
            ASSERT_TRUE(find && key.valid(*find));
            EXPECT_EQ(CountryByColour(layer, key.pixel(*find)), name);
        }
    }
}

TEST_F(GeoMapContent, TheSixteenVoivodeshipsHoldTheirSeatsAsTheLawNamesThem) {
    const int voivodeships = LayerNumber("Polska – województwa"),
              cities = LayerNumber("Polska – miasta");
    ASSERT_EQ(ContinentInfo(voivodeships).countries, 16);
    const QImage key = Load(ContinentInfo(voivodeships).base + ".bmp");
    ASSERT_EQ(key.size(), Load(ContinentInfo(cities).base + ".bmp").size());  // one projection
    for (const auto& [voivodeship, seats] : kSeats) {
        const QString name = "województwo " + voivodeship;
        EXPECT_GT(NumberOf(voivodeships, name), 0) << name.toStdString();
        for (const QString& seat : seats) {
            const int number = NumberOf(cities, seat);
            ASSERT_GT(number, 0) << seat.toStdString();
            EXPECT_EQ(CountryByColour(voivodeships, key.pixel(*FindPointOf(cities, number))), name)
                << seat.toStdString();
        }
    }
}

TEST(GeoMapPoland, LayersHoldWhatTheCurriculumAsks) {
    const std::vector<std::pair<QString, QStringList>> asked = {
        {"Polska – rzeki",
         {"Wisła",        "Odra",         "Warta",   "Bug",    "Narew",  "San",
          "Noteć",        "Pilica",       "Bzura",   "Wieprz", "Drwęca", "Dunajec",
          "Nysa Kłodzka", "Nysa Łużycka", "Bóbr",    "Łyna",   "Prosna", "Wkra",
          "Pisa",         "Brda",         "Parsęta", "Słupia"}},
        {"Polska – góry i wyżyny",
         {"Tatry", "Pieniny", "Gorce", "Beskidy", "Bieszczady", "Sudety", "Karkonosze",
          "Góry Świętokrzyskie", "Wyżyna Lubelska", "Wyżyna Krakowsko-Częstochowska",
          "Wyżyna Śląska", "Rysy", "Śnieżka"}},
        {"Polska – jeziora i wybrzeże",
         {"Śniardwy", "Mamry", "Hańcza", "Gopło", "Łebsko", "Jeziorak", "Zalew Wiślany",
          "Zalew Szczeciński", "Zatoka Gdańska", "Zatoka Pomorska", "Mierzeja Helska",
          "Mierzeja Wiślana"}},
    };
    for (const auto& [layer, items] : asked)
        for (const QString& item : items)
            EXPECT_GT(NumberOf(LayerNumber(layer), item), 0) << item.toStdString();
    const int parks = LayerNumber("Polska – parki narodowe");
    ASSERT_EQ(ContinentInfo(parks).countries, 23);
    QString park;
    for (int k = 1; CountryByNumber(parks, k, park); ++k)
        EXPECT_TRUE(park.contains("Park Narodowy")) << park.toStdString();
    EXPECT_EQ(ContinentInfo(LayerNumber("Polska – miasta")).countries, 26);
}

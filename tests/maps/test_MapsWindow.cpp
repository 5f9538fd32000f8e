// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The map window driven through its controls, on small map archives built
// here: white key bitmaps with a 9 × 9 square of each country's key colour
// around the point where the test clicks it.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "data/PackWriter.h"
#include "maps/MapTables.h"
#include "maps/MapsWindow.h"
#include "support/FakePlatform.h"
#include "support/TextFit.h"
#include "widgets/FocusVisible.h"
#include "widgets/ImageView.h"

namespace {

const QSize kMapSize(470, 345);

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

int FindPosition(const QString& name) {
    for (int p = 1; p <= kFindCount; ++p)
        if (FindEntry(p)->name == name) return p;
    return 0;
}

// Where country k of continent c can be clicked: its Find point, or for a
// country found elsewhere a point of its own in the top-left corner.
QPoint ClickPoint(int c, int k) {
    QString name;
    CountryByNumber(c, k, name);
    for (int p = 1; p <= kFindCount; ++p)
        if (const auto e = FindEntry(p); e->name == name && e->continent == c) return e->point;
    return QPoint(10 + 12 * k, 10);
}

QImage KeyBitmap(int c, QSize size) {
    QImage key(size, QImage::Format_RGB32);
    key.fill(Qt::white);
    const int n = ContinentInfo(c).countries;
    for (int k = 1; k <= n; ++k) {
        const QPoint p = ClickPoint(c, k);
        for (int y = p.y() - 4; y <= p.y() + 4; ++y)
            for (int x = p.x() - 4; x <= p.x() + 4; ++x)
                if (key.rect().contains(x, y)) key.setPixel(x, y, 0xFF000000 | CountryColour(c, k));
    }
    // Land of no state in the bottom-left corner.
    for (int y = size.height() - 10; y < size.height() - 4; ++y)
        for (int x = 2; x < 8; ++x) key.setPixel(x, y, 0xFF000000 | kKeyGrey);
    // Neighbours' squares overlap; the click points themselves always keep their colour.
    for (int k = 1; k <= n; ++k) key.setPixel(ClickPoint(c, k), 0xFF000000 | CountryColour(c, k));
    return key;
}

QList<PackMember> AllMaps() {
    QList<PackMember> members;
    for (int c = 1; c <= kContinentCount; ++c) {
        const QString base = ContinentInfo(c).base;
        QImage map(kMapSize, QImage::Format_RGB32);
        map.fill(QColor(200, 220, 255));
        members.append({base + ".bmp", Encode(KeyBitmap(c, kMapSize), "BMP")});
        members.append({base + ".jpg", Encode(map, "JPG")});
        for (int k = 1; k <= ContinentInfo(c).countries; ++k)
            if (const QString flag = FactsByNumber(c, k).flag; !flag.isEmpty()) {
                QImage picture(48, 36, QImage::Format_RGB32);
                picture.fill(Qt::red);
                members.append({FlagEntry(flag), Encode(picture, "PNG")});
            }
    }
    return members;
}

void Drop(QList<PackMember>& members, const QString& name) {
    members.removeIf([&](const PackMember& m) { return m.name == name; });
}

class MapWindow : public ::testing::Test {
protected:
    void Install(const QList<PackMember>& members) {
        QDir(dir.path()).mkpath("Maps");
        WritePack(ArchivePath(), members);
    }
    QString ArchivePath() const { return dir.path() + "/Maps/GeoMap.dat"; }

    void SetUp() override {
        FocusVisible::Install(*qApp);  // as in the program: focus shows after keys only
        config.BaseFolder = dir.path();
        Install(AllMaps());
    }

    MapsWindow& Window() {
        if (!window) {
            window = std::make_unique<MapsWindow>(ctx, nullptr);
            window->move(100, 50);
            window->Open(Module::Maps);
        }
        return *window;
    }
    // As a pick in the drop-down list does: the item becomes current, then the choice event.
    void Choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    void ChooseContinent(int c) { Choose(Window().continentList, c - 1); }
    void ChooseFind(const QString& name) { Choose(Window().findList, FindPosition(name) - 1); }
    void Click(QPoint mapPoint) {
        QTest::mouseClick(Window().mapView, Qt::LeftButton, {}, mapPoint);
    }
    QString Label() { return Window().messageLabel->text(); }
    QString Asked() { return Label().mid(QStringLiteral("Wskaż: ").size()); }
    // Clicks the country asked now on continent c (right) or the sea (wrong).
    void Answer(int c, bool right) {
        for (int k = 1; k <= ContinentInfo(c).countries; ++k) {
            QString name;
            CountryByNumber(c, k, name);
            if (right && name == Asked()) return Click(ClickPoint(c, k));
        }
        Click(QPoint(kMapSize.width() - 2, kMapSize.height() - 2));
    }

    QTemporaryDir dir;
    Config config;
    FakePlatform fp;
    DataAccess data{config, fp.services};
    AppContext ctx{fp.services, config, data};
    std::unique_ptr<MapsWindow> window;
};

}  // namespace

TEST_F(MapWindow, FirstShowWaitsForAContinentThenShowsItInLearnMode) {
    MapsWindow& w = Window();
    EXPECT_EQ(w.continentList->currentText(), "Ameryka Południowa");
    EXPECT_EQ(Label(), "Wybierz kontynent     --->");
    EXPECT_TRUE(w.optionsLabel->isHidden());
    EXPECT_TRUE(w.mapPanel->isHidden());

    ChooseContinent(1);
    EXPECT_TRUE(w.mapPanel->isVisible());
    EXPECT_EQ(w.mapPanel->geometry(), QRect(QPoint(128, 64), kMapSize));
    EXPECT_EQ(w.mapView->size(), kMapSize);
    EXPECT_TRUE(w.optionsLabel->isVisible());
    EXPECT_EQ(Label(), "Przesuwaj wskaźnik myszy nad mapą");

    QTest::mouseMove(w.mapView, QPoint(151, 81));
    EXPECT_EQ(Label(), "Brazylia");
    QTest::mouseMove(w.mapView, QPoint(300, 300));
    EXPECT_EQ(Label(), "");
    EXPECT_TRUE(fp.messages.shown.isEmpty());
}

TEST_F(MapWindow, TestCountsAcrossContinentsUntilTestIsChosenAgain) {
    MapsWindow& w = Window();
    ChooseContinent(2);
    w.testButton->setChecked(true);
    EXPECT_TRUE(w.effectivenessLabel->isVisible());
    ASSERT_TRUE(Label().startsWith("Wskaż: "));

    Answer(2, true);
    EXPECT_EQ(w.effectivenessLabel->text(), "Skuteczność: 100%");
    EXPECT_EQ(fp.sounds.played, QStringList({"Plum!"}));
    EXPECT_EQ(fp.waits.pauses, std::vector<int>({2000}));
    ASSERT_TRUE(Label().startsWith("Wskaż: "));  // the next question follows the pause
    Answer(2, false);
    EXPECT_EQ(w.effectivenessLabel->text(), "Skuteczność: 50%");
    EXPECT_EQ(w.Model().countryText, "");
    EXPECT_EQ(fp.sounds.played.last(), "Plim!");

    // A new continent asks its own countries and goes on counting: 3 of 8.
    ChooseContinent(4);
    QString first;
    EXPECT_TRUE(CountryByNumber(4, w.Model().order[1], first));
    EXPECT_EQ(Asked(), first);
    for (bool right : {true, false, true, false, false, false}) Answer(4, right);
    EXPECT_EQ(w.effectivenessLabel->text(), "Skuteczność: 38%");

    // Test chosen again starts from zero; the old percentage stands until then.
    w.learnButton->setChecked(true);
    EXPECT_TRUE(w.effectivenessLabel->isHidden());
    w.testButton->setChecked(true);
    EXPECT_EQ(w.effectivenessLabel->text(), "Skuteczność: 38%");
    Answer(4, false);
    EXPECT_EQ(w.effectivenessLabel->text(), "Skuteczność: 0%");
}

TEST_F(MapWindow, FindRussiaFromAsiaLoadsEuropeAndMovesThePointer) {
    MapsWindow& w = Window();
    ChooseContinent(7);
    w.findButton->setChecked(true);
    EXPECT_TRUE(w.findPanel->isVisible());
    EXPECT_TRUE(w.continentPanel->isHidden());
    EXPECT_EQ(w.findList->currentText(), "Afganistan");

    ChooseFind("Rosja");
    EXPECT_EQ(w.Model().continent, 4);
    EXPECT_EQ(w.continentList->currentIndex(), 3);
    EXPECT_EQ(w.mapPanel->pos(), QPoint(35, 67));
    ASSERT_EQ(fp.pointer.moves.size(), 1u);
    EXPECT_EQ(fp.pointer.moves[0], w.mapToGlobal(QPoint(35 + 416, 67 + 130)));
    EXPECT_EQ(Label(), "Rosja");
    // Moving the pointer names nothing outside Learn mode.
    QTest::mouseMove(w.mapView, QPoint(214, 206));
    EXPECT_EQ(Label(), "Rosja");

    // Leaving Find keeps the continent it showed.
    w.learnButton->setChecked(true);
    EXPECT_EQ(w.continentList->currentText(), "Europa");
}

TEST_F(MapWindow, FindOnTheShownContinentDoesNotReload) {
    MapsWindow& w = Window();
    ChooseContinent(4);
    w.findButton->setChecked(true);
    const QImage background = w.backgroundView->image;
    const int frames = fp.waits.sleeps;
    // Without the archive a reload would fail with a message box.
    ASSERT_TRUE(QFile::remove(ArchivePath()));
    ChooseFind("Polska");
    EXPECT_TRUE(fp.messages.shown.isEmpty());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Label(), "Polska");
    ASSERT_EQ(fp.pointer.moves.size(), 1u);
    EXPECT_EQ(fp.pointer.moves[0], w.mapToGlobal(QPoint(35 + 276, 67 + 192)));
    EXPECT_EQ(fp.waits.sleeps, frames);  // no zoom effect
    EXPECT_EQ(w.backgroundView->image, background);
}

TEST_F(MapWindow, ZoomEffectsLeaveTheBackgroundAsItWas) {
    MapsWindow& w = Window();
    const QImage before = w.backgroundView->image.convertToFormat(QImage::Format_RGB32);
    ChooseContinent(3);
    EXPECT_EQ(fp.waits.sleeps, 12);  // the first map only opens
    ChooseContinent(6);
    EXPECT_EQ(fp.waits.sleeps, 36);  // the next closes the old one first
    EXPECT_EQ(w.backgroundView->image.convertToFormat(QImage::Format_RGB32), before);
}

TEST_F(MapWindow, MissingMapClosesTheModuleWithNothingAfterTheBox) {
    QList<PackMember> members = AllMaps();
    Drop(members, "Europa.jpg");
    Install(members);
    MapsWindow& w = Window();
    ChooseContinent(1);
    w.testButton->setChecked(true);
    const int seeds = fp.random.seeds;

    ChooseContinent(4);
    EXPECT_EQ(
        fp.messages.shown,
        QStringList({"Błąd odczytu|Brak pliku graficznego. Nastąpi zamknięcie tego modułu."}));
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(fp.random.seeds, seeds);  // no new test started
    EXPECT_TRUE(w.KeyBitmap().isNull());

    // The same through Find: no pointer move.
    w.Open(Module::Maps);
    EXPECT_EQ(Label(), "Wybierz kontynent     --->");
    EXPECT_TRUE(w.messageLabel->isVisible());
    EXPECT_TRUE(w.mapPanel->isHidden());
    EXPECT_EQ(w.Model().continent, 0);
    ChooseContinent(1);
    w.findButton->setChecked(true);
    ChooseFind("Polska");
    EXPECT_EQ(fp.messages.shown.size(), 2);
    EXPECT_TRUE(fp.pointer.moves.empty());
    EXPECT_TRUE(w.isHidden());
}

TEST_F(MapWindow, UnusableKeyBitmapIsAFailureToo) {
    QList<PackMember> members = AllMaps();
    Drop(members, "Azja.bmp");
    Drop(members, "Australia.bmp");
    members.append({"Australia.bmp", Encode(KeyBitmap(8, kMapSize - QSize(1, 0)), "BMP")});
    Install(members);
    for (int c : {7, 8}) {
        SCOPED_TRACE(c);
        fp.messages.shown.clear();
        Window().Open(Module::Maps);
        ChooseContinent(c);
        EXPECT_EQ(fp.messages.shown.size(), 1);
        EXPECT_TRUE(Window().isHidden());
    }
}

TEST_F(MapWindow, OptionsPanelOpensOnlyFromTheOptionsLabel) {
    MapsWindow& w = Window();
    ChooseContinent(5);
    QTest::mouseClick(w.optionsLabel, Qt::LeftButton);
    EXPECT_TRUE(w.optionsPanel->isVisible());
    QTest::mouseClick(w.optionsLabel, Qt::LeftButton);
    EXPECT_TRUE(w.optionsPanel->isHidden());
    // A quick second click arrives as the second press of a double-click.
    QTest::mouseClick(w.optionsLabel, Qt::LeftButton);
    QTest::mouseDClick(w.optionsLabel, Qt::LeftButton);
    EXPECT_TRUE(w.optionsPanel->isHidden());
    QTest::mouseClick(w.optionsLabel, Qt::LeftButton);
    QTest::mouseClick(w.backgroundView, Qt::LeftButton, {}, QPoint(5, 400));
    EXPECT_TRUE(w.optionsPanel->isHidden());
    // Pressing the selected mode again does not rerun it.
    w.testButton->setChecked(true);
    const int seeds = fp.random.seeds;
    w.testButton->setChecked(true);
    EXPECT_EQ(fp.random.seeds, seeds);
}

TEST_F(MapWindow, FindListDropsDownTenRows) {
    QComboBox* list = Window().findList;
    Window().findPanel->show();
    list->showPopup();
    const QAbstractItemView* rows = list->view();
    EXPECT_EQ(rows->height() / rows->sizeHintForRow(0), 10);
    list->hidePopup();
}

TEST_F(MapWindow, ChoiceMadeDuringTheZoomWaitsForTheMapUnderWay) {
    MapsWindow& w = Window();
    ChooseContinent(1);
    const QImage before = w.backgroundView->image.convertToFormat(QImage::Format_RGB32);
    // Delivered by the first event processing of the zoom that follows.
    QMetaObject::invokeMethod(
        qApp, [this] { ChooseContinent(8); }, Qt::QueuedConnection);
    ChooseContinent(2);
    EXPECT_EQ(w.Model().continent, 8);
    EXPECT_EQ(w.continentList->currentIndex(), 7);
    EXPECT_EQ(w.mapPanel->pos(), QPoint(45, 67));
    EXPECT_EQ(fp.waits.sleeps, 12 + 24 + 24);  // two whole changes, one after the other
    EXPECT_EQ(w.backgroundView->image.convertToFormat(QImage::Format_RGB32), before);
}

TEST_F(MapWindow, EveryCountryNameFitsTheLabelsThatShowIt) {
    const BundledFont font;
    MapsWindow& w = Window();
    // The message line, set as the window sets it, stays left of the
    // effectiveness in Test mode and of the lists otherwise, above the map,
    // and cuts no word.
    QLabel* message = w.messageLabel;
    auto expectFits = [&](const QString& text, const QWidget* right) {
        SCOPED_TRACE(text.toStdString());
        w.SetMessage(text);
        EXPECT_LT(message->geometry().right(), right->x());
        EXPECT_FALSE(message->geometry().intersects(w.findPanel->geometry()));
        EXPECT_LT(message->geometry().bottom(), w.mapPanel->y());
        const QRect wrapped = message->fontMetrics().boundingRect(
            QRect(0, 0, message->width(), 1000), Qt::TextWordWrap, text);
        EXPECT_LE(wrapped.width(), message->width());
        EXPECT_LE(wrapped.height(), message->height());
    };
    auto names = [](int c) {
        QStringList list;
        for (int k = 1; k <= ContinentInfo(c).countries; ++k)
            CountryByNumber(c, k, list.emplace_back());
        return list;
    };
    ChooseContinent(1);
    w.testButton->setChecked(true);
    for (int c = 1; c <= kContinentCount; ++c)
        for (const QString& name : names(c)) {
            expectFits("Wskaż: " + name, w.effectivenessLabel);
            expectFits("Źle. Wskazane to: " + name, w.effectivenessLabel);
        }
    w.capitalsButton->setChecked(true);
    for (int c = 1; c <= kContinentCount; ++c)
        for (int k = 1; k <= ContinentInfo(c).countries; ++k)
            if (const StateFacts facts = FactsByNumber(c, k); !facts.name.isEmpty()) {
                expectFits(
                    "Wskaż państwo, którego stolicą jest " + CapitalInQuestion(facts.capital),
                    w.effectivenessLabel);
                expectFits("Źle. Wskazane to: " + facts.name + " – " + facts.capital,
                           w.effectivenessLabel);
            }
    w.flagsButton->setChecked(true);
    ASSERT_TRUE(w.flagLabel->isVisible());
    for (int c = 1; c <= kContinentCount; ++c)
        for (const QString& name : names(c))
            expectFits("Źle. Wskazane to: " + name, w.effectivenessLabel);
    w.findButton->setChecked(true);
    for (int c = 1; c <= kContinentCount; ++c)
        for (const QString& name : names(c)) expectFits(name, w.findPanel);
    expectFits("Wybierz państwo z listy, a wskaźnik myszy go wskaże", w.findPanel);
    expectFits("Wybierz nazwę z listy, a wskaźnik myszy ją wskaże", w.findPanel);
    w.testButton->setChecked(true);
    for (int c = kWorldRegionCount + 1; c <= kContinentCount; ++c)
        expectFits(NothingAskedHere(c), w.effectivenessLabel);
    // Learn names a voivodeship with its seats.
    w.learnButton->setChecked(true);
    for (int k = 1; k <= ContinentInfo(kWorldRegionCount + 1).countries; ++k) {
        const QRgb colour = CountryColour(kWorldRegionCount + 1, k);
        ASSERT_FALSE(SeatsByColour(kWorldRegionCount + 1, colour).isEmpty());
        expectFits(CountryByColour(kWorldRegionCount + 1, colour) + " – " +
                       SeatsByColour(kWorldRegionCount + 1, colour),
                   w.findPanel);
    }
    // Every region's name shows whole in the dropped-down chooser, the
    // world's also in the closed one.
    for (int c = 1; c <= kContinentCount; ++c) {
        const int advance = w.continentList->fontMetrics().horizontalAdvance(ContinentName(c));
        EXPECT_LE(advance, w.continentList->view()->width() - 24) << c;
        if (c <= kWorldRegionCount) {
            EXPECT_LE(advance, w.continentList->width() - 24) << c;
        }
    }
    // The lists keep to the light field, clear of the message and of the
    // effectiveness; the Find list dropped down shows every name whole.
    w.effectivenessLabel->setText("Skuteczność: 100%");
    w.effectivenessLabel->adjustSize();
    for (const QWidget* list : {w.findPanel, w.continentPanel})
        EXPECT_FALSE(w.effectivenessLabel->geometry().intersects(list->geometry()));
    EXPECT_LE(w.findPanel->geometry().right(), w.width());
    for (int p = 1; p <= kFindCount; ++p) {
        const QString name = FindEntry(p)->name;
        SCOPED_TRACE(name.toStdString());
        EXPECT_LE(w.findList->view()->fontMetrics().horizontalAdvance(name),
                  w.findList->view()->width() - 24);
    }
}

TEST_F(MapWindow, AMissOutlinesTheRightCountryDuringThePauseAndARoundListsTheMisses) {
    MapsWindow& w = Window();
    ChooseContinent(2);
    w.testButton->setChecked(true);
    QImage duringPause;
    fp.waits.duringPause = [&] { duringPause = w.mapView->Overlay(); };
    const QString asked = Asked();
    const QPoint right = ClickPoint(2, w.Model().order[1]);
    Answer(2, false);
    ASSERT_FALSE(duringPause.isNull());
    EXPECT_EQ(duringPause.pixel(right + QPoint(6, 0)), qRgb(255, 255, 0));
    EXPECT_TRUE(w.mapView->Overlay().isNull());  // gone with the next question
    Answer(2, true);
    EXPECT_TRUE(duringPause.isNull());  // a right click outlines nothing
    EXPECT_TRUE(fp.messages.shown.isEmpty());
    Answer(2, true);
    Answer(2, false);
    ASSERT_EQ(fp.messages.shown.size(), 1);
    EXPECT_TRUE(fp.messages.shown[0].startsWith("Koniec rundy|Nietrafione w tej rundzie:\n" +
                                                asked + "\n"));
}

TEST_F(MapWindow, CapitalsAndFlagsAskStatesAndScoreAsTest) {
    MapsWindow& w = Window();
    ChooseContinent(1);
    QImage duringPause;
    fp.waits.duringPause = [&] { duringPause = w.mapView->Overlay(); };
    auto clickAsked = [&] {
        const int k = w.Model().order[w.Model().questionPosition];
        Click(ClickPoint(1, k));
        return FactsByNumber(1, k);
    };

    w.capitalsButton->setChecked(true);
    EXPECT_TRUE(w.effectivenessLabel->isVisible());
    EXPECT_TRUE(Label().startsWith("Wskaż państwo, którego stolicą jest "));
    const StateFacts first = clickAsked();
    EXPECT_EQ(w.effectivenessLabel->text(), "Skuteczność: 100%");
    // The capital asked is marked on the map for the pause.
    ASSERT_FALSE(duringPause.isNull());
    EXPECT_EQ(duringPause.pixel(*first.capitalPoint), qRgb(200, 0, 0));

    w.flagsButton->setChecked(true);
    EXPECT_EQ(w.effectivenessLabel->text(),
              "Skuteczność: 100%");  // as Test: shown, reset on the next answer
    EXPECT_EQ(Label(), "Wskaż państwo o tej fladze:");
    EXPECT_TRUE(w.flagLabel->isVisible());
    EXPECT_GT(w.messageLabel->x(), w.flagLabel->geometry().right());
    Click(QPoint(kMapSize.width() - 2, kMapSize.height() - 2));  // the sea: no flag
    EXPECT_EQ(w.effectivenessLabel->text(), "Skuteczność: 0%");
    EXPECT_TRUE(w.flagLabel->isVisible());  // the next question's flag
    clickAsked();
    EXPECT_EQ(w.effectivenessLabel->text(), "Skuteczność: 50%");

    w.learnButton->setChecked(true);
    EXPECT_FALSE(w.flagLabel->isVisible());
    EXPECT_EQ(w.messageLabel->x(), 16);
    EXPECT_TRUE(fp.messages.shown.isEmpty());
}

TEST_F(MapWindow, KeyboardOpensTheOptionsNamesCountriesAndFindMarksThePoint) {
    MapsWindow& w = Window();
    ChooseContinent(2);
    QTest::keyClick(w.optionsLabel, Qt::Key_Return);
    EXPECT_TRUE(w.optionsPanel->isVisible());
    QTest::keyClick(w.learnButton, Qt::Key_Escape);
    EXPECT_TRUE(w.optionsPanel->isHidden());
    QTest::keyClick(w.optionsLabel, Qt::Key_Return);
    QTest::keyClick(w.learnButton, Qt::Key_Down);
    EXPECT_EQ(w.Model().mode, MapModel::Learn);  // the arrows choose nothing
    QTest::keyClick(w.testButton, Qt::Key_Return);
    EXPECT_EQ(w.Model().mode, MapModel::Test);
    EXPECT_TRUE(w.optionsPanel->isHidden());
    w.learnButton->setChecked(true);

    QTest::keyClick(w.mapView, Qt::Key_Up);  // from "Stany Zjednoczone", nearest the centre
    EXPECT_EQ(Label(), "Kanada");

    w.findButton->setChecked(true);
    ChooseFind("Rosja");
    const QImage mark = w.mapView->Overlay();
    ASSERT_FALSE(mark.isNull());
    EXPECT_EQ(mark.pixel(QPoint(416, 130) + QPoint(0, 8)), qRgb(255, 255, 0));
    EXPECT_TRUE(w.markTimer->isActive());
    QMetaObject::invokeMethod(w.markTimer, "timeout");
    EXPECT_TRUE(w.mapView->Overlay().isNull());
}

// The arrow keys that take the cursor onto a place, found on copies of it.
QList<int> KeysTo(const MapCursor& from, QPoint place) {
    const int arrows[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
    QList<std::pair<MapCursor, QList<int>>> paths{{from, {}}};
    for (int at = 0; at < paths.size() && at < 500; ++at) {
        if (paths[at].first.Point() == place) return paths[at].second;
        for (int arrow : arrows) {
            auto [cursor, keys] = paths[at];
            cursor.Move(arrow);
            paths.append({cursor, keys << arrow});
        }
    }
    return {};
}

TEST_F(MapWindow, TestIsPlayedFromTheKeyboardAndFocusShowsOnlyAfterKeys) {
    MapsWindow& w = Window();
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    ChooseContinent(2);  // a choice with the mouse: the focus is out of sight
    EXPECT_EQ(QApplication::focusWidget(), w.focusHolder);
    EXPECT_FALSE(w.mapRing->isVisible());

    w.testButton->setChecked(true);
    // The first key goes on from the hidden holder to the map.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), w.mapView);
    EXPECT_TRUE(w.mapRing->isVisible());
    for (int round = 0; round < 2; ++round) {
        QString asked = Asked();
        int number = 1;
        for (QString name; CountryByNumber(2, number, name) && name != asked;) ++number;
        for (int key : KeysTo(w.Cursor(), ClickPoint(2, number))) QTest::keyClick(w.mapView, key);
        EXPECT_EQ(w.Cursor().Point(), ClickPoint(2, number));
        QTest::keyClick(w.mapView, round == 0 ? Qt::Key_Return : Qt::Key_Space);
        EXPECT_EQ(fp.sounds.played.last(), "Plum!") << asked.toStdString();
    }
    EXPECT_EQ(w.effectivenessLabel->text(), "Skuteczność: 100%");

    QTest::mouseClick(w.mapView, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(w.mapRing->isVisible());  // the mouse hides the ring at once
    // After a click on the options the arrows still reach the map.
    QTest::mouseClick(w.optionsLabel, Qt::LeftButton);
    QTest::mouseClick(w.learnButton, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.focusHolder);
    QTest::keyClick(w.focusHolder, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), w.mapView);
    EXPECT_FALSE(Label().startsWith("Przesuwaj"));  // Learn names the country under the cursor

    // Browsing the continents with the keys keeps the focus, and its ring,
    // on the list.
    w.continentList->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.continentList, Qt::Key_Up);
    EXPECT_EQ(w.Model().continent, 1);
    EXPECT_EQ(QApplication::focusWidget(), w.continentList);
    const auto rings = w.continentList->findChildren<KeyFocusRing*>();
    ASSERT_EQ(rings.size(), 1);
    EXPECT_TRUE(rings[0]->isVisible());
    EXPECT_FALSE(w.mapRing->isVisible());
    // Shift+Tab from the list reaches "Opcje", Tab goes back and on to the map.
    QTest::keyClick(w.continentList, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), w.optionsLabel);
    QTest::keyClick(w.optionsLabel, Qt::Key_Tab);
    QTest::keyClick(w.continentList, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.mapView);
}

TEST_F(MapWindow, AClickOnLandOfNoStateCostsNothing) {
    MapsWindow& w = Window();
    ChooseContinent(2);
    w.testButton->setChecked(true);
    const QString asked = Label();
    QString duringPause;
    fp.waits.duringPause = [&] { duringPause = Label(); };
    Click(QPoint(5, kMapSize.height() - 7));
    EXPECT_EQ(duringPause, "To nie jest państwo.");
    EXPECT_EQ(Label(), asked);  // the same question again
    EXPECT_TRUE(fp.sounds.played.isEmpty());
    EXPECT_EQ(w.Model().answers, 0);
    // Learn names nothing there.
    w.learnButton->setChecked(true);
    QTest::mouseMove(w.mapView, ClickPoint(2, 1));
    EXPECT_EQ(Label(), "Kanada");
    QTest::mouseMove(w.mapView, QPoint(4, kMapSize.height() - 6));
    EXPECT_EQ(Label(), "");
}

// A layer of Poland: Learn outlines the item under the pointer, Find lists
// the layer's items and points without a reload, and a layer chosen in the
// Capitals mode (which asks states) is tested as Test, the Capitals and
// Flags modes then unavailable.
TEST_F(MapWindow, PolandLayerOutlinesInLearnFindsItsItemsAndTestsInsteadOfCapitals) {
    MapsWindow& w = Window();
    const int rivers = kWorldRegionCount + 3;
    ChooseContinent(rivers);
    const int number = w.Model().FindNames().indexOf("Wisła") + 1;
    QTest::mouseMove(w.mapView, ClickPoint(rivers, number));
    EXPECT_EQ(Label(), "Wisła");
    EXPECT_FALSE(w.mapView->Overlay().isNull());

    w.findButton->setChecked(true);
    EXPECT_EQ(w.findList->count(), ContinentInfo(rivers).countries);
    EXPECT_EQ(Label(), "Wybierz nazwę z listy, a wskaźnik myszy ją wskaże");
    Choose(w.findList, number - 1);
    EXPECT_EQ(Label(), "Wisła");
    ASSERT_EQ(fp.pointer.moves.size(), 1u);
    EXPECT_EQ(fp.pointer.moves[0],
              w.mapToGlobal(ContinentInfo(rivers).offset + *FindPointOf(rivers, number)));

    w.learnButton->setChecked(true);
    ChooseContinent(4);
    w.capitalsButton->setChecked(true);
    ChooseContinent(rivers);
    EXPECT_TRUE(w.testButton->isChecked());
    EXPECT_EQ(w.Model().mode, MapModel::Test);
    EXPECT_TRUE(Label().startsWith("Wskaż: "));
    EXPECT_FALSE(w.capitalsButton->isEnabled());
    EXPECT_FALSE(w.flagsButton->isEnabled());
    ChooseContinent(4);
    EXPECT_TRUE(w.capitalsButton->isEnabled());
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the screenshots of the map window into the folder named by
// TERRAVIKA_SHOTS (skipped when it is not set): every continent in Learn mode
// with the pointer on a country, a test verdict and the next question, a
// Find with the moved pointer drawn in, the Capitals and Flags tests on
// Europe with the options open, a question and a verdict, and every layer
// of the map of Poland in Learn with its verdicts in Test.
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTest>
#include <utility>

#include "maps/MapTables.h"
#include "maps/MapsWindow.h"
#include "support/ScreenshotTest.h"
#include "widgets/ImageView.h"

namespace {

struct MapShots : ScreenshotTest {
    MapsWindow* w = nullptr;
    QString verdictShot;  // written during the next pause, while a verdict shows

    void SetUp() override {
        ScreenshotTest::SetUp();
        if (IsSkipped()) return;
        fp.waits.duringPause = [this] {
            if (!verdictShot.isEmpty()) Save(std::exchange(verdictShot, QString()));
        };
        w = new MapsWindow(ctx, &panel);
        w->Open(Module::Maps);
        w->focusHolder->setFocus();  // where the mouse leaves it: no focus shown
    }
    void Save(const QString& name) { ScreenshotTest::Save(w, name); }
    void Choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    std::optional<FindPlace> FirstFindOn(int c, const QString& name = QString()) {
        for (int p = 1; p <= kFindCount; ++p)
            if (const auto e = FindEntry(p);
                e->continent == c && (name.isEmpty() || e->name == name))
                return e;
        return std::nullopt;
    }
};

}  // namespace

TEST_F(MapShots, LearnTestAndFind) {
    for (int c = 1; c <= kWorldRegionCount; ++c) {
        Choose(w->continentList, c - 1);
        QTest::mouseMove(w->mapView, FirstFindOn(c)->point);
        Save(QStringLiteral("maps-learn-%1.png").arg(ContinentInfo(c).base));
    }

    Choose(w->continentList, 3);
    w->testButton->setChecked(true);
    const auto asked =
        FirstFindOn(4, w->messageLabel->text().mid(QStringLiteral("Wskaż: ").size()));
    ASSERT_TRUE(asked);
    verdictShot = "maps-test-verdict.png";
    QTest::mouseClick(w->mapView, Qt::LeftButton, {}, asked->point);
    verdictShot = "maps-test-miss.png";                               // the right country outlined
    QTest::mouseClick(w->mapView, Qt::LeftButton, {}, QPoint(5, 5));  // the sea
    Save("maps-test.png");

    // The longest name in a wrong answer's verdict.
    Choose(w->continentList, 5);
    const auto longest = FirstFindOn(6, QStringLiteral("Demokratyczna Republika Konga"));
    ASSERT_TRUE(longest);
    verdictShot = "maps-test-verdict-long.png";
    QTest::mouseClick(w->mapView, Qt::LeftButton, {}, longest->point);

    w->findButton->setChecked(true);
    Choose(w->findList, 79);  // "Kuba"
    QImage shot = w->grab().toImage();
    const QPoint tip = w->mapFromGlobal(fp.pointer.position);
    QPainter painter(&shot);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawPolygon(
        QPolygon({tip, tip + QPoint(0, 16), tip + QPoint(4, 12), tip + QPoint(8, 19),
                  tip + QPoint(10, 18), tip + QPoint(7, 11), tip + QPoint(12, 11)}));
    painter.end();
    ASSERT_TRUE(shot.save(QDir(folder).filePath("maps-find.png")));
    Choose(w->findList, w->findList->findText("Demokratyczna Republika Konga"));
    Save("maps-find-long.png");
    EXPECT_TRUE(fp.messages.shown.isEmpty());
}

TEST_F(MapShots, CapitalsAndFlagsOnEurope) {
    constexpr int kEurope = 4;
    Choose(w->continentList, kEurope - 1);
    const auto asked = [this] {
        return FactsByNumber(kEurope, w->Model().order[w->Model().questionPosition]);
    };
    w->capitalsButton->setChecked(true);
    w->optionsPanel->show();
    Save("maps-capitals-options.png");
    w->optionsPanel->hide();
    Save("maps-capitals.png");
    verdictShot = "maps-capitals-verdict.png";  // the capital marked
    QTest::mouseClick(w->mapView, Qt::LeftButton, {}, FirstFindOn(kEurope, asked().name)->point);
    // A miss names the capital of the state pointed at.
    const QString other = asked().name == "Malta" ? "Islandia" : "Malta";
    verdictShot = "maps-capitals-miss.png";
    QTest::mouseClick(w->mapView, Qt::LeftButton, {}, FirstFindOn(kEurope, other)->point);

    w->flagsButton->setChecked(true);
    Save("maps-flags.png");
    verdictShot = "maps-flags-miss.png";  // the flag of the state pointed at
    QTest::mouseClick(w->mapView, Qt::LeftButton, {},
                      FirstFindOn(kEurope, asked().name == "Polska" ? "Watykan" : "Polska")->point);
    EXPECT_TRUE(fp.messages.shown.isEmpty());
}

TEST_F(MapShots, PolandLayersInLearnAndTest) {
    // An item of each layer under the pointer: a voivodeship of two seats,
    // a river in the mountains, a range with its peak, a lagoon behind its spit.
    const char* shown[] = {
        "województwo kujawsko-pomorskie", "Kraków", "Dunajec", "Tatry", "Zalew Wiślany",
        "Białowieski Park Narodowy"};
    for (int c = kWorldRegionCount + 1; c <= kContinentCount; ++c) {
        Choose(w->continentList, c - 1);
        const int item = w->Model().FindNames().indexOf(shown[c - kWorldRegionCount - 1]) + 1;
        ASSERT_GT(item, 0) << c;
        QTest::mouseMove(w->mapView, *FindPointOf(c, item));
        Save(QStringLiteral("maps-learn-%1.png").arg(ContinentInfo(c).base));
    }
    constexpr int kRivers = kWorldRegionCount + 3;
    Choose(w->continentList, kRivers - 1);
    w->testButton->setChecked(true);
    const QString asked = w->messageLabel->text().mid(QStringLiteral("Wskaż: ").size());
    const int number = w->Model().FindNames().indexOf(asked) + 1;
    verdictShot = "maps-poland-test-verdict.png";
    QTest::mouseClick(w->mapView, Qt::LeftButton, {}, *FindPointOf(kRivers, number));
    verdictShot = "maps-poland-test-nothing.png";  // land between rivers
    QTest::mouseClick(w->mapView, Qt::LeftButton, {}, QPoint(200, 3));
    verdictShot = "maps-poland-test-miss.png";  // the river asked outlined
    const QString next = w->messageLabel->text().mid(QStringLiteral("Wskaż: ").size());
    const int other = w->Model().FindNames().indexOf(next) == 0 ? 2 : 1;
    QTest::mouseClick(w->mapView, Qt::LeftButton, {}, *FindPointOf(kRivers, other));
    EXPECT_TRUE(fp.messages.shown.isEmpty());
}

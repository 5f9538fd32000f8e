// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The program-wide keys and the menu from the keyboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "app/AboutWindow.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/MenuHotspot.h"
#include "app/SettingsDialog.h"
#include "app/ShortcutKeys.h"
#include "coords/CoordinatesWindow.h"
#include "core/Config.h"
#include "country/CountryWindow.h"
#include "data/DataAccess.h"
#include "explorers/ExplorersWindow.h"
#include "maps/MapsWindow.h"
#include "puzzle/PuzzleWindow.h"
#include "quiz/QuizWindow.h"
#include "support/FakePlatform.h"
#include "support/Limits.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "widgets/FocusVisible.h"
#include "widgets/PictureButton.h"

namespace {

struct Chord {
    const char* what;
    std::vector<std::pair<int, Qt::KeyboardModifiers>> downs;  // key, modifiers at press
    int letter;
    Qt::KeyboardModifiers atRelease;
    double ctrlUpBeforeMs;  // when Ctrl came up before the letter; < 0: never
    ShortcutKeys::Action expected;
};

class ShortcutChords : public ::testing::TestWithParam<Chord> {};

TEST_P(ShortcutChords, ActOnTheLetterComingUp) {
    const Chord& c = GetParam();
    FakeClock clock;
    ShortcutKeys keys(clock);
    for (const auto& [key, mods] : c.downs) keys.Press(key, mods);
    if (c.ctrlUpBeforeMs >= 0) {
        clock.ms = 1000;
        keys.Release(Qt::Key_Control, Qt::NoModifier);
        clock.ms += c.ctrlUpBeforeMs;
    }
    EXPECT_EQ(keys.Release(c.letter, c.atRelease), c.expected) << c.what;
}

const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
const Qt::KeyboardModifiers kNone = Qt::NoModifier;
using A = ShortcutKeys::Action;

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortcutChords,
    ::testing::Values(
        Chord{"Ctrl held", {{Qt::Key_L, kCtrl}}, Qt::Key_L, kCtrl, -1, A::Chooser},
        Chord{"Ctrl up 300 ms early", {{Qt::Key_U, kCtrl}}, Qt::Key_U, kNone, 300, A::Settings},
        Chord{"Ctrl up 500 ms early", {{Qt::Key_U, kCtrl}}, Qt::Key_U, kNone, 500, A::None},
        Chord{"letter without Ctrl", {{Qt::Key_L, kNone}}, Qt::Key_L, kNone, 100, A::None},
        Chord{"Shift too",
              {{Qt::Key_L, kCtrl | Qt::ShiftModifier}},
              Qt::Key_L,
              kCtrl | Qt::ShiftModifier,
              -1,
              A::None},
        Chord{"another letter", {{Qt::Key_K, kCtrl}}, Qt::Key_K, kCtrl, -1, A::None},
        Chord{"F1", {{Qt::Key_F1, kNone}}, Qt::Key_F1, kNone, -1, A::Help}));

class KeyboardTest : public MainWindowFixture {
protected:
    void SetUp() override {
        Start();
        QApplication::setActiveWindow(form.get());
    }
    QWidget* Hotspot(int n) { return form->findChild<QWidget*>(MainMenu::EntryAt(n).hotspot); }
    QLabel* Caption(int n) { return form->findChild<QLabel*>(MainMenu::EntryAt(n).text); }
};

TEST_F(KeyboardTest, ArrowsWalkTheMenuAndEnterOrSpaceLaunches) {
    Hotspot(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);  // wraps to "Pomoc"
    EXPECT_EQ(QApplication::focusWidget(), Hotspot(9));
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), Hotspot(3));
    EXPECT_EQ(form->LabelColour(3), MainMenu::HoverColour);
    QTest::keyClick(Hotspot(3), Qt::Key_Return);
    EXPECT_EQ(form->activeModule, Module::Puzzle);
    // The launch hands the focus on into the module window.
    EXPECT_TRUE(Open<PuzzleWindow>()->isAncestorOf(QApplication::focusWidget()));

    Hotspot(5)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Hotspot(5), Qt::Key_Space);
    EXPECT_EQ(form->activeModule, Module::Coordinates);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(fp.shell.opened, QStringList{dir.file("Terravika.chm")});
}

TEST_F(KeyboardTest, CaptionClickLaunchesItsEntry) {
    QTest::mouseClick(Caption(6), Qt::LeftButton);
    EXPECT_EQ(form->activeModule, Module::Explorers);
    QTest::mouseMove(Caption(4));
    EXPECT_EQ(form->LabelColour(4), MainMenu::HoverColour);
}

TEST_F(KeyboardTest, SettingsOpenFromInsideAModuleAndTheFieldKeepsItsText) {
    form->LaunchEntry(5);
    QLineEdit* field = Open<CoordinatesWindow>()->degreesField;
    field->setText("12");
    field->setFocus();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        opened = QApplication::activeModalWidget() == &form->Settings();
        form->Settings().CancelClick();
    });
    QTest::keyPress(field, Qt::Key_U, Qt::ControlModifier);
    EXPECT_FALSE(opened);  // on the key's release, not its press
    QTest::keyRelease(field, Qt::Key_U, Qt::ControlModifier);
    EXPECT_TRUE(opened);
    EXPECT_EQ(field->text(), "12");
}

TEST_F(KeyboardTest, QuizAnswersWithDigitsAndGoesOnWithSpace) {
    Hotspot(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Hotspot(1), Qt::Key_Return);
    ASSERT_EQ(form->activeModule, Module::KnowledgeQuiz);
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus, Qt::Key_Space);
    EXPECT_EQ(Open<QuizWindow>()->State().QuestionNumber, 1);
    EXPECT_FALSE(Open<QuizWindow>()->nextArrow->isVisible());
    QTest::keyClick(focus, Qt::Key_Space);  // no arrow: no question skipped, no relaunch
    EXPECT_EQ(Open<QuizWindow>()->State().QuestionNumber, 1);
    EXPECT_TRUE(Open<QuizWindow>()->countdown->isActive());
    QTest::keyClick(focus, Qt::Key_2);
    EXPECT_EQ(Open<QuizWindow>()->State().ChosenPosition, 2);
    EXPECT_TRUE(Open<QuizWindow>()->nextArrow->isVisible());
    QTest::keyClick(focus, Qt::Key_Enter);
    EXPECT_EQ(Open<QuizWindow>()->State().QuestionNumber, 2);
}

TEST_F(KeyboardTest, FirstTabLandsOnTheMenuAndMinimiseAndCloseComeLast) {
    QTest::keyClick(form.get(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Hotspot(1)) << FocusName();
    QTest::keyClick(Hotspot(1), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), form->closeButton) << FocusName();
    QTest::keyClick(form->closeButton, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), form->minimizeButton) << FocusName();
}

// The maps window, made by the Enter that opens it, still knows the latest
// input was a key: the focused control shows its ring at once.
TEST_F(KeyboardTest, MapsMadeByAKeyShowTheFocusRingAtOnce) {
    FocusVisible::Install(*qApp);
    Hotspot(int(Module::Maps))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Hotspot(int(Module::Maps)), Qt::Key_Return);
    ASSERT_EQ(form->activeModule, Module::Maps);
    const auto rings = Open<MapsWindow>()->findChildren<KeyFocusRing*>();
    EXPECT_TRUE(std::ranges::any_of(rings, [](const QWidget* ring) { return ring->isVisible(); }))
        << FocusName();
}

// A module window made at its first open puts its controls before the
// results link, minimise and close, as the windows made at start-up did.
TEST_F(KeyboardTest, AModuleMadeLateTabsBeforeTheResultsLinkAndTheWindowButtons) {
    form->LaunchEntry(int(Module::Puzzle));
    QWidget* puzzle = form->WindowOf(Module::Puzzle);
    Hotspot(1)->setFocus(Qt::TabFocusReason);
    const char* stops[] = {"LClose", "LMinimize", "BMojeWyniki"};
    for (const char* stop : stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), stop) << FocusName();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(puzzle->isAncestorOf(QApplication::focusWidget())) << FocusName();
}

// Each control of each module that can hold the focus, in sight and enabled.
QList<QWidget*> FocusableControls(QWidget* module) {
    QList<QWidget*> controls;
    for (QWidget* w : module->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus && w->isVisible() && w->isEnabled()) controls.append(w);
    return controls;
}

TEST_F(KeyboardTest, EscapeFromAnyControlOfAModuleReturnsToItsMenuEntry) {
    for (int entry : {1, 3, 4, 5, 6, 7, 8}) {
        Hotspot(entry)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Hotspot(entry), Qt::Key_Return);
        ASSERT_EQ(int(form->activeModule), entry);
        // The puzzle opens with the focus in its picture number field.
        if (entry == 3) {
            EXPECT_EQ(QApplication::focusWidget(), Open<PuzzleWindow>()->pictureNumberField)
                << FocusName();
        }
        if (entry == 5)  // on into the degrees field
            QTest::keyClick(Open<CoordinatesWindow>()->nextButton, Qt::Key_Space);
        QList<QWidget*> controls{QApplication::focusWidget()};
        controls += FocusableControls(form->WindowOf(form->activeModule));
        for (QWidget* control : controls) {
            control->setFocus(Qt::TabFocusReason);
            QTest::keyClick(control, Qt::Key_Escape);
            EXPECT_EQ(QApplication::focusWidget(), Hotspot(entry))
                << FocusName() << " after " << entry << " " << control->objectName().toStdString();
        }
    }
}

TEST_F(KeyboardTest, NumberFieldsTypeNoEnterAndPassItOn) {
    form->LaunchEntry(3);
    QLineEdit* field = Open<PuzzleWindow>()->pictureNumberField;
    field->setText("12");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(field, &enter);
    EXPECT_EQ(field->text(), "12");
    EXPECT_FALSE(enter.isAccepted());  // no control took it on its way up
}

TEST_F(KeyboardTest, SettingsArrowsSelectWithinThePaceAndAFailedWriteChangesNothing) {
    SettingsDialog* dialog = &form->Settings();
    const auto pace = [&](int id) { return dialog->tempoItems->button(id); };
    const auto step = [&](Qt::Key key, int expected) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_TRUE(pace(expected)->isChecked()) << key;
        EXPECT_EQ(QApplication::focusWidget(), pace(expected)) << key << FocusName();
    };
    const QByteArray before = dir.read("Tarvo.ini");
    fp.messages.shown.clear();  // the start's word on the missing photo sets
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_EQ(QApplication::focusWidget(), pace(2));  // "Wolne", the stored pace
        step(Qt::Key_Down, 0);                            // round from the last to the first
        step(Qt::Key_Right, 1);
        step(Qt::Key_Left, 0);
        step(Qt::Key_Up, 2);
        step(Qt::Key_Up, 1);
        {
            FileSizeLimit full(0);
            QTest::mouseClick(dialog->applyButton, Qt::LeftButton);
        }
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(config.Tempo, 3);
        EXPECT_EQ(fp.messages.shown.size(), 1);
        EXPECT_TRUE(fp.messages.shown.value(0).endsWith(": brak miejsca na dysku|Błąd"));
        QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
    });
    QTest::keyRelease(form.get(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(config.Tempo, 3);
    EXPECT_EQ(dir.read("Tarvo.ini"), before);
    dialog->ShowStoredSettings();  // shown again, it offers the stored pace
    EXPECT_TRUE(pace(2)->isChecked());
}

}  // namespace

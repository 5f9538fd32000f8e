// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDirIterator>
#include <QStyleOptionButton>
#include <QTest>
#include <optional>

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/PhotoSetChooser.h"
#include "app/SettingsDialog.h"
#include "coords/CoordinatesWindow.h"
#include "core/Config.h"
#include "core/ZoomEffect.h"
#include "country/CountryWindow.h"
#include "data/DataAccess.h"
#include "explorers/ExplorersWindow.h"
#include "maps/MapsWindow.h"
#include "platform/TarvoError.h"
#include "puzzle/PuzzleWindow.h"
#include "quiz/QuizWindow.h"
#include "support/FakePlatform.h"
#include "support/Limits.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "widgets/FaceButton.h"
#include "widgets/PictureButton.h"

namespace {

using MainWindowTest = MainWindowFixture;

TEST(MainMenuGeometry, PanelAndZoomTargetOnA1024x768WorkArea) {
    const QSize area(1024, 768);
    EXPECT_EQ(MainMenu::PanelPosition(area), QPoint(112, 94));
    const QRect target = MainMenu::ZoomTarget(MainMenu::WindowCentre(area));
    EXPECT_EQ(target, QRect(QPoint(192, 234), QPoint(572, 504)));
    // Odd sizes round half to even.
    EXPECT_EQ(MainMenu::WindowCentre(QSize(1025, 767)), QPoint(512, 384));
    EXPECT_EQ(MainMenu::PanelPosition(QSize(1025, 767)), QPoint(112, 94));
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
}

TEST(ZoomEffect, LeavesThePictureBitForBitAsItWas) {
    QImage picture(800, 580, QImage::Format_RGB32);
    for (int y = 0; y < 580; ++y)
        for (int x = 0; x < 800; ++x) picture.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    QImage canvas = picture;
    FakePlatform fp;
    const QRect target(QPoint(192, 234), QPoint(572, 504));
    ZoomOpen({&canvas, nullptr}, fp.services, 600, 80, target);
    EXPECT_EQ(canvas, picture);
    ZoomClose({&canvas, nullptr}, fp.services, 600, 520, target);
    EXPECT_EQ(canvas, picture);
    EXPECT_EQ(fp.waits.sleeps, 24);
    // A single frame does change the picture.
    DrawZoomFrame({&canvas, nullptr}, fp.services, 600, 80, 9, -14, 5, -1, 14);
    EXPECT_NE(canvas, picture);
}

TEST_F(MainWindowTest, ShowPlacesPanelAndModulesAndWritesTheDefaultConfig) {
    Start();
    EXPECT_EQ(form->panel->pos(), QPoint(112, 94));
    EXPECT_TRUE(form->findChildren<ModuleWindow*>().isEmpty()) << "made before their first open";
    EXPECT_EQ(form->WindowOf(Module::KnowledgeQuiz)->pos(), QPoint(120, 110));
    EXPECT_EQ(form->WindowOf(Module::Maps)->pos(), QPoint(40, 90));
    EXPECT_EQ(form->activeModule, Module::None);
    EXPECT_EQ(form->backgroundView->image.size(), QSize(800, 580));
    EXPECT_EQ(dir.read("Tarvo.ini"), "[DATA]\r\nFolder=Data\r\nName=0\r\nTempo=3\r\nBlokada=1\r\n");
    EXPECT_EQ(fp.messages.shown, QStringList{"Brak pliku z fotografiami|Błąd"});
}

TEST_F(MainWindowTest, StartThatCannotWriteSettingsSaysWhyAndStillFindsTheSets) {
    dir.write("Data/a.dat", MakePhotoSet("Zestaw\r\nZERO*z\r\nA*a\r\n", 1));
    dir.write("Data/b.dat", MakePhotoSet("Zestaw\r\nZERO*z\r\nB*b\r\n", 1));
    {
        FileSizeLimit full(0);  // no room for the default Tarvo.ini
        Start();
    }
    EXPECT_EQ(fp.messages.shown, QStringList{"Nie można zapisać pliku " + dir.file("Tarvo.ini") +
                                             ": brak miejsca na dysku|Błąd"});
    EXPECT_EQ(data.PhotoSetCount(), 2);
    EXPECT_EQ(data.PictureCount(), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"Data"});
}

TEST_F(MainWindowTest, LaunchesPlayOpenFirstThenCloseAndOpen) {
    Start();
    const QImage background = form->backgroundView->image.convertToFormat(QImage::Format_RGB32);
    form->LaunchEntry(3);
    EXPECT_EQ(fp.waits.sleeps, 12);
    EXPECT_EQ(form->activeModule, Module::Puzzle);
    EXPECT_EQ(form->zoomOrigin, QPoint(600, 200));
    EXPECT_EQ(form->zoomTarget, QRect(QPoint(192, 234), QPoint(572, 504)));
    EXPECT_FALSE(form->headerPanel->isHidden());
    EXPECT_EQ(form->backgroundView->image, background);

    form->LaunchEntry(5);
    EXPECT_EQ(fp.waits.sleeps, 36);
    EXPECT_EQ(form->backgroundView->image, background);
    EXPECT_EQ(form->LabelColour(3), MainMenu::NormalColour);
    EXPECT_EQ(form->LabelColour(5), MainMenu::MarkColour);

    form->LaunchEntry(5);  // the open module: nothing at all
    EXPECT_EQ(fp.waits.sleeps, 36);
}

// A click travels through every filter on its way; each acts on it once.
TEST_F(MainWindowTest, OneClickIsOneAction) {
    Start();
    QLabel* caption = form->findChild<QLabel*>(MainMenu::EntryAt(1).text);
    QTest::mouseClick(caption, Qt::LeftButton);
    ASSERT_EQ(form->activeModule, Module::KnowledgeQuiz);
    const int frames = fp.waits.sleeps;
    QuizWindow* quiz = Open<QuizWindow>();
    for (int question = 1; question <= 3; ++question) {
        QTest::mouseClick(quiz->nextArrow, Qt::LeftButton);
        EXPECT_EQ(quiz->State().QuestionNumber, question);
        QTest::mouseClick(quiz->findChild<QLabel*>("LOdp1"), Qt::LeftButton);
        EXPECT_EQ(quiz->State().ChosenPosition, 1);
    }
    QTest::mouseClick(caption, Qt::LeftButton);  // the open module's caption
    EXPECT_EQ(fp.waits.sleeps, frames);
}

// Minimising and restoring re-shows the module spontaneously; it keeps its task.
TEST_F(MainWindowTest, EveryModuleKeepsItsStateAcrossMinimiseAndRestore) {
    Start();
    form->LaunchEntry(int(Module::Coordinates));
    auto* coordinates = Open<CoordinatesWindow>();
    coordinates->nextButton->click();
    const QString task = coordinates->promptLabel->text();
    form->showMinimized();
    form->showNormal();
    EXPECT_EQ(coordinates->promptLabel->text(), task);
    EXPECT_FALSE(coordinates->nextButton->isEnabled());
}

TEST_F(MainWindowTest, QuizSwitchKeepsTheWindowAndPlaysNoEffect) {
    Start();
    form->LaunchEntry(1);
    Open<QuizWindow>()->nextArrow->show();
    const int frames = fp.waits.sleeps;
    Open<QuizWindow>()->countdown->start();
    form->LaunchEntry(2);
    EXPECT_FALSE(Open<QuizWindow>()->countdown->isActive());
    EXPECT_EQ(fp.waits.sleeps, frames);
    EXPECT_EQ(form->activeModule, Module::CapitalsQuiz);
    EXPECT_FALSE(Open<QuizWindow>()->isHidden());
    EXPECT_EQ(form->LabelColour(1), MainMenu::NormalColour);
    EXPECT_EQ(form->LabelColour(2), MainMenu::MarkColour);

    // The running quiz's entry and the help entry only stop the countdown.
    for (int entry : {2, 9}) {
        Open<QuizWindow>()->countdown->start();
        form->LaunchEntry(entry);
        EXPECT_FALSE(Open<QuizWindow>()->countdown->isActive()) << entry;
    }
    EXPECT_EQ(fp.waits.sleeps, frames);
    EXPECT_EQ(form->activeModule, Module::CapitalsQuiz);

    form->LaunchEntry(8);  // leaving the quiz hides the Next arrow
    EXPECT_TRUE(Open<QuizWindow>()->nextArrow->isHidden());
    EXPECT_TRUE(Open<QuizWindow>()->isHidden());
}

TEST_F(MainWindowTest, TabGoesRoundTheOpenModulesVisibleControlsAndTheMenuOnly) {
    Start();
    form->activateWindow();
    for (int entry : {3, 4, 5, 6, 7}) {
        form->LaunchEntry(entry);
        const QWidget* module = form->WindowOf(Module(entry));
        if (entry == 5)
            Open<CoordinatesWindow>()->nextButton->click();  // the focus in the answer field
        for (int tab = 0; tab < 6; ++tab) {
            QWidget* from = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
            QTest::keyClick(from, Qt::Key_Tab);
            const QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr) << entry;
            // Inside the open module or on the menu, and wholly in sight.
            const QWidget* area = module->isAncestorOf(focus) ? module : form->panel;
            EXPECT_TRUE(area->isAncestorOf(focus) && focus->isVisible() &&
                        area->rect().contains(QRect(focus->mapTo(area, QPoint()), focus->size())))
                << entry << " " << focus->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, HoverColoursFollowThePointer) {
    Start();
    form->LaunchEntry(4);
    form->HoverEntry(4);  // the open module's entry stays silver
    EXPECT_EQ(form->LabelColour(4), MainMenu::MarkColour);
    form->HoverEntry(6);
    EXPECT_EQ(form->LabelColour(6), MainMenu::HoverColour);
    form->HoverEntry(7);
    EXPECT_EQ(form->LabelColour(6), MainMenu::NormalColour);
    EXPECT_EQ(form->LabelColour(7), MainMenu::HoverColour);
    form->HoverEntry(0);  // the column outside the hotspots
    EXPECT_EQ(form->LabelColour(7), MainMenu::NormalColour);
    EXPECT_EQ(form->LabelColour(4), MainMenu::MarkColour);
}

TEST_F(MainWindowTest, MapsLaunchResetsTheContinentListAndHelpOpensTheFile) {
    Start();
    auto* maps = static_cast<MapsWindow*>(form->WindowOf(Module::Maps));
    maps->continentList->addItems({"a", "b"});
    maps->continentList->setCurrentIndex(1);
    form->LaunchEntry(7);
    EXPECT_EQ(maps->continentList->currentIndex(), 0);
    form->LaunchEntry(9);
    EXPECT_EQ(fp.shell.opened, QStringList{dir.file("Terravika.chm")});
    EXPECT_EQ(form->activeModule, Module::Maps);
}

TEST_F(MainWindowTest, ChooserShortcutNeedsTwoSetsAndSettingsAlwaysOpen) {
    dir.write("Data/a.dat", MakePhotoSet("S\r\nA*a\r\nB*b\r\n", 1));
    Start();
    ASSERT_EQ(data.PhotoSetCount(), 1);
    form->activateWindow();
    form->setFocus();
    // With one set Ctrl+L does nothing: no modal dialog appears.
    QTest::keyRelease(form.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // Ctrl+U opens the settings; close it from a timer.
    bool opened = false;
    QTimer::singleShot(0, [&] {
        opened = QApplication::activeModalWidget() == &form->Settings();
        form->Settings().CancelClick();
    });
    QTest::keyRelease(form.get(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_TRUE(opened);
}

TEST_F(MainWindowTest, SettingsDialogShowsOddValuesOfTheFileAsTheyAre) {
    struct Case {
        const char* file;
        int checkedId;  // -1: no pace selected
        bool locked;
    };
    for (const Case& c :
         {Case{"Tempo=0\r\nBlokada=2\r\n", -1, false}, Case{"Tempo=7\r\nBlokada=1\r\n", 2, true},
          Case{"Tempo=2\r\nBlokada=0\r\n", 1, false}}) {
        dir.write("Tarvo.ini", c.file);
        Start();
        form->Settings().ShowStoredSettings();
        EXPECT_EQ(form->Settings().tempoItems->checkedId(), c.checkedId) << c.file;
        EXPECT_EQ(form->Settings().lockChoice->isChecked(), c.locked) << c.file;
    }
}

TEST_F(MainWindowTest, SettingsDialogMarksAndFramesStandOutOnItsPanel) {
    Start();
    SettingsDialog& dialog = form->Settings();
    dialog.show();
    QAbstractButton* wolne = dialog.tempoItems->button(2);
    ASSERT_TRUE(wolne->isChecked());
    QStyleOptionButton option;
    option.initFrom(wolne);
    const QRect indicator =
        wolne->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, wolne);
    const QImage radio = wolne->grab().toImage();
    EXPECT_LT(qGray(radio.pixel(indicator.center())), 100);  // a dark dot in the white circle
    const QImage frame = dialog.paceGroup->grab().toImage();
    EXPECT_GT(qGray(frame.pixel(0, frame.height() / 2)), 150);  // a light frame line
    dialog.hide();
}

TEST_F(MainWindowTest, SettingsDialogWritesOnlyOnWprowadz) {
    Start();
    const QByteArray before = dir.read("Tarvo.ini");
    SettingsDialog& dialog = form->Settings();
    dialog.ShowStoredSettings();
    dialog.tempoItems->button(0)->setChecked(true);
    dialog.lockChoice->setChecked(false);
    dialog.CancelClick();
    EXPECT_EQ(config.Tempo, 3);
    EXPECT_EQ(dir.read("Tarvo.ini"), before);

    dialog.ShowStoredSettings();
    EXPECT_TRUE(dialog.tempoItems->button(2)->isChecked());
    dialog.tempoItems->button(0)->setChecked(true);
    dialog.lockChoice->setChecked(false);
    dialog.ApplyClick();
    EXPECT_EQ(dir.read("Tarvo.ini"), "[DATA]\r\nFolder=Data\r\nName=0\r\nTempo=1\r\nBlokada=0\r\n");
}

// Every file under the base folder but Tarvo.ini, with its bytes.
QMap<QString, QByteArray> OtherFiles(const TempWorkDir& dir) {
    QMap<QString, QByteArray> files;
    QDirIterator it(dir.path(), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(dir.path()).relativeFilePath(it.next());
        if (path != "Tarvo.ini") files.insert(path, dir.read(path));
    }
    return files;
}

TEST_F(MainWindowTest, OnlyTarvoIniIsEverWrittenAndAFullDiskKeepsIt) {
    dir.write("Data/a.dat", MakePhotoSet("S\r\nZ*z\r\nA*a\r\n", 1));
    dir.write("Data/b.dat", MakePhotoSet("S\r\nZ*z\r\nB*b\r\n", 1));
    dir.write("Data/empty.dat", {});
    const auto before = OtherFiles(dir);
    Start();
    SettingsDialog& dialog = form->Settings();
    dialog.ShowStoredSettings();
    dialog.tempoItems->button(0)->setChecked(true);
    dialog.ApplyClick();
    const QByteArray written = dir.read("Tarvo.ini");
    dialog.tempoItems->button(1)->setChecked(true);
    {
        FileSizeLimit full(0);
        dialog.ApplyClick();
    }
    EXPECT_EQ(dir.read("Tarvo.ini"), written);
    EXPECT_EQ(config.Tempo, 1);
    QComboBox* sets = form->Chooser().setList;
    sets->setCurrentIndex(2);  // the empty file, picked as in the drop-down list
    emit sets->activated(2);
    EXPECT_TRUE(dir.read("Tarvo.ini").contains("Name=2\r\n"));
    EXPECT_EQ(OtherFiles(dir), before);
}

TEST_F(MainWindowTest, ChooserArrowsBrowseEnterChoosesAndAFailedWriteKeepsTheSet) {
    dir.write("Data/a.dat", MakePhotoSet("S\r\nZ*z\r\nA*a\r\n", 1));
    dir.write("Data/b.dat", MakePhotoSet("S\r\nZ*z\r\nB*b\r\nC*c\r\n", 2));
    Start();
    QApplication::setActiveWindow(form.get());
    BrowseList* sets = form->Chooser().setList;
    const auto chooseSecondSet = [&](bool diskFull) {
        QTimer::singleShot(0, [&, diskFull] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form->Chooser()));
            EXPECT_EQ(QApplication::focusWidget(), sets) << FocusName();
            QTest::keyClick(sets, Qt::Key_Down);
            EXPECT_EQ(sets->currentIndex(), 1);
            EXPECT_EQ(config.PhotoSetIndex, 0);  // browsing opens nothing
            std::optional<FileSizeLimit> full;
            if (diskFull) full.emplace(0);
            QTest::keyClick(sets, Qt::Key_Return);
        });
        QTest::keyRelease(form.get(), Qt::Key_L, Qt::ControlModifier);
        EXPECT_FALSE(form->Chooser().isVisible());
    };
    chooseSecondSet(true);
    ASSERT_EQ(fp.messages.shown.size(), 1);
    EXPECT_TRUE(fp.messages.shown[0].endsWith(": brak miejsca na dysku|Błąd"));
    EXPECT_EQ(config.PhotoSetIndex, 0);
    EXPECT_EQ(data.PictureCount(), 1);
    EXPECT_TRUE(dir.read("Tarvo.ini").contains("Name=0\r\n"));

    chooseSecondSet(false);
    EXPECT_EQ(config.PhotoSetIndex, 1);
    EXPECT_EQ(data.PictureCount(), 2);
    EXPECT_TRUE(dir.read("Tarvo.ini").contains("Name=1\r\n"));
}

}  // namespace

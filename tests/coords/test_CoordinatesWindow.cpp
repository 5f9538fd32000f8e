// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "coords/CoordinatesWindow.h"
#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "support/FakePlatform.h"
#include "support/ModuleWindowFixture.h"
#include "widgets/FaceButton.h"

namespace {

struct UkladFixture : ModuleWindowFixture<CoordinatesWindow> {
    void SetUp() override {
        ShowPanel();
        form->Open(Module::Coordinates);
    }
    // Starts the eastern, northern task 23°E 43°N.
    void StartExampleTask() {
        fp.random.script = {2, 10, 13, 7, 25, 40};
        QTest::mouseClick(form->nextButton, Qt::LeftButton);
    }
    void Type(const QString& text) {
        form->degreesField->selectAll();
        QTest::keyClicks(form->degreesField, text);
    }
};

}  // namespace

TEST_F(UkladFixture, IdleAfterShow) {
    EXPECT_FALSE(form->eastButton->isEnabled());
    EXPECT_FALSE(form->northButton->isEnabled());
    EXPECT_TRUE(form->nextButton->isEnabled());
    EXPECT_FALSE(form->point->isVisible());
    EXPECT_EQ(form->promptLabel->text(), QString("Wybierz \"Następny\""));
}

TEST_F(UkladFixture, RightAnswerRoundTrip) {
    StartExampleTask();
    EXPECT_EQ(form->leftMeridianLabel->text(), "20");
    EXPECT_EQ(form->rightMeridianLabel->text(), "30");
    EXPECT_EQ(form->topParallelLabel->text(), "50");
    EXPECT_EQ(form->bottomParallelLabel->text(), "40");
    EXPECT_EQ(form->point->pos(), QPoint(89, 105));
    EXPECT_TRUE(form->point->isVisible());
    EXPECT_FALSE(form->nextButton->isEnabled());
    EXPECT_EQ(form->promptLabel->text(), QString("Podaj długość geograficzną:"));

    Type("24");
    QTest::mouseClick(form->eastButton, Qt::LeftButton);
    EXPECT_FALSE(form->eastButton->isEnabled());
    EXPECT_TRUE(form->northButton->isEnabled());
    EXPECT_EQ(form->promptLabel->text(), QString("Podaj szerokość geograficzną:"));
    EXPECT_EQ(form->degreesField->selectedText(), "24");  // the latitude replaces it

    QTest::keyClicks(form->degreesField, "43");
    QTest::mouseClick(form->northButton, Qt::LeftButton);
    EXPECT_EQ(form->promptLabel->text(), QString("Odpowiedziałeś poprawnie"));
    EXPECT_EQ(form->rightAnswerLabel->text(), QString("23°E 43°N"));
    EXPECT_EQ(form->pupilAnswerLabel->text(), QString("24°E 43°N"));
    EXPECT_EQ(fp.sounds.played, QStringList{"Plum"});
    EXPECT_TRUE(form->nextButton->isEnabled());
    EXPECT_FALSE(form->northButton->isEnabled());
}

TEST_F(UkladFixture, WrongAnswerAndEmptyFieldCountsAsZero) {
    StartExampleTask();
    form->degreesField->clear();
    QTest::mouseClick(form->westButton, Qt::LeftButton);
    Type("43");
    QTest::mouseClick(form->northButton, Qt::LeftButton);
    EXPECT_EQ(form->promptLabel->text(), QString("Odpowiedziałeś błędnie"));
    EXPECT_EQ(form->pupilAnswerLabel->text(), QString("0°W 43°N"));
    EXPECT_EQ(fp.sounds.played, QStringList{"Plim"});
}

TEST_F(UkladFixture, KeyFilterLetsOnlyDigitsAndBackspaceThrough) {
    StartExampleTask();
    form->degreesField->clear();
    QTest::keyClicks(form->degreesField, "1a-2 .3");
    EXPECT_EQ(form->degreesField->text(), "123");
    QTest::keyClick(form->degreesField, Qt::Key_Backspace);
    EXPECT_EQ(form->degreesField->text(), "12");
    QTest::keyClick(form->degreesField, Qt::Key_Return);
    QTest::keyClick(form->degreesField, Qt::Key_Enter);
    EXPECT_EQ(form->degreesField->text(), "12");
    EXPECT_TRUE(form->eastButton->isEnabled());  // Enter chose nothing
    EXPECT_EQ(form->promptLabel->text(), QString("Podaj długość geograficzną:"));
}

TEST_F(UkladFixture, CompassCaptionTurnsRedWithFocus) {
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    StartExampleTask();
    form->eastButton->setFocus();
    EXPECT_EQ(form->eastButton->palette().color(QPalette::ButtonText), QColor(Qt::red));
    form->westButton->setFocus();
    EXPECT_EQ(form->eastButton->palette().color(QPalette::ButtonText), QColor(Qt::white));
    EXPECT_EQ(form->westButton->palette().color(QPalette::ButtonText), QColor(Qt::red));
}

TEST_F(UkladFixture, ShowingAgainKeepsLabelsAndHidesPoint) {
    StartExampleTask();
    Type("23");
    QTest::mouseClick(form->eastButton, Qt::LeftButton);
    form->Close();
    form->Open(Module::Coordinates);
    EXPECT_EQ(form->leftMeridianLabel->text(), "20");
    EXPECT_EQ(form->topParallelLabel->text(), "50");
    EXPECT_FALSE(form->point->isVisible());
    EXPECT_FALSE(form->northButton->isEnabled());
    EXPECT_TRUE(form->nextButton->isEnabled());
    EXPECT_TRUE(form->degreesField->text().isEmpty());
    EXPECT_TRUE(form->rightAnswerLabel->text().isEmpty());
}

TEST_F(UkladFixture, CompassLettersPressTheirButtonOnlyWhileItIsWanted) {
    StartExampleTask();
    Type("23n");  // N is not wanted yet: neither pressed nor typed
    EXPECT_EQ(form->degreesField->text(), "23");
    EXPECT_EQ(form->Answer().latSide, CoordAnswer::LatSide::None);
    QTest::keyClick(form->degreesField, Qt::Key_E);
    EXPECT_EQ(form->Answer().lonSide, CoordAnswer::LonSide::East);
    QTest::keyClicks(form->degreesField, "43w");  // W is no longer wanted
    EXPECT_EQ(form->Answer().lonSide, CoordAnswer::LonSide::East);
    QTest::keyClick(form->degreesField, Qt::Key_N);
    EXPECT_EQ(form->promptLabel->text(), QString("Odpowiedziałeś poprawnie"));
}

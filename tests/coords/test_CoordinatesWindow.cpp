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
#include "widgets/FaceButton.h"

namespace {

struct UkladFixture : ::testing::Test {
    FakePlatform fp;
    Config config;
    DataAccess data{config, fp.services};
    AppContext ctx{fp.services, config, data};
    QWidget panel;
    CoordinatesWindow* form = new CoordinatesWindow(ctx, &panel);

    void SetUp() override {
        panel.resize(800, 580);
        panel.show();
        form->Open(Module::Coordinates);
    }
    // Starts the eastern, northern task 23°E 43°N.
    void StartExampleTask() {
        fp.random.script = {2, 10, 13, 7, 25, 40};
        QTest::mouseClick(form->Nastepny, Qt::LeftButton);
    }
    void Type(const QString& text) {
        form->OdpEdit->selectAll();
        QTest::keyClicks(form->OdpEdit, text);
    }
};

}  // namespace

TEST_F(UkladFixture, IdleAfterShow) {
    EXPECT_FALSE(form->E->isEnabled());
    EXPECT_FALSE(form->N->isEnabled());
    EXPECT_TRUE(form->Nastepny->isEnabled());
    EXPECT_FALSE(form->Punkt->isVisible());
    EXPECT_EQ(form->NapWskaz->text(), QString("Wybierz \"Następny\""));
}

TEST_F(UkladFixture, RightAnswerRoundTrip) {
    StartExampleTask();
    EXPECT_EQ(form->Szer1->text(), "20");
    EXPECT_EQ(form->Szer2->text(), "30");
    EXPECT_EQ(form->Szer3->text(), "50");
    EXPECT_EQ(form->Szer4->text(), "40");
    EXPECT_EQ(form->Punkt->pos(), QPoint(89, 105));
    EXPECT_TRUE(form->Punkt->isVisible());
    EXPECT_FALSE(form->Nastepny->isEnabled());
    EXPECT_EQ(form->NapWskaz->text(), QString("Podaj długość geograficzną:"));

    Type("24");
    QTest::mouseClick(form->E, Qt::LeftButton);
    EXPECT_FALSE(form->E->isEnabled());
    EXPECT_TRUE(form->N->isEnabled());
    EXPECT_EQ(form->NapWskaz->text(), QString("Podaj szerokość geograficzną:"));
    EXPECT_EQ(form->OdpEdit->selectedText(), "24");  // the latitude replaces it

    QTest::keyClicks(form->OdpEdit, "43");
    QTest::mouseClick(form->N, Qt::LeftButton);
    EXPECT_EQ(form->NapWskaz->text(), QString("Odpowiedziałeś poprawnie"));
    EXPECT_EQ(form->Odp->text(), QString("23°E 43°N"));
    EXPECT_EQ(form->JegoOdp->text(), QString("24°E 43°N"));
    EXPECT_EQ(fp.sounds.played, QStringList{"Plum"});
    EXPECT_TRUE(form->Nastepny->isEnabled());
    EXPECT_FALSE(form->N->isEnabled());
}

TEST_F(UkladFixture, WrongAnswerAndEmptyFieldCountsAsZero) {
    StartExampleTask();
    form->OdpEdit->clear();
    QTest::mouseClick(form->W, Qt::LeftButton);
    Type("43");
    QTest::mouseClick(form->N, Qt::LeftButton);
    EXPECT_EQ(form->NapWskaz->text(), QString("Odpowiedziałeś błędnie"));
    EXPECT_EQ(form->JegoOdp->text(), QString("0°W 43°N"));
    EXPECT_EQ(fp.sounds.played, QStringList{"Plim"});
}

TEST_F(UkladFixture, KeyFilterLetsOnlyDigitsAndBackspaceThrough) {
    StartExampleTask();
    form->OdpEdit->clear();
    QTest::keyClicks(form->OdpEdit, "1a-2 .3");
    EXPECT_EQ(form->OdpEdit->text(), "123");
    QTest::keyClick(form->OdpEdit, Qt::Key_Backspace);
    EXPECT_EQ(form->OdpEdit->text(), "12");
    QTest::keyClick(form->OdpEdit, Qt::Key_Return);
    QTest::keyClick(form->OdpEdit, Qt::Key_Enter);
    EXPECT_EQ(form->OdpEdit->text(), "12");
    EXPECT_TRUE(form->E->isEnabled());  // Enter chose nothing
    EXPECT_EQ(form->NapWskaz->text(), QString("Podaj długość geograficzną:"));
}

TEST_F(UkladFixture, CompassCaptionTurnsRedWithFocus) {
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    StartExampleTask();
    form->E->setFocus();
    EXPECT_EQ(form->E->palette().color(QPalette::ButtonText), QColor(Qt::red));
    form->W->setFocus();
    EXPECT_EQ(form->E->palette().color(QPalette::ButtonText), QColor(Qt::white));
    EXPECT_EQ(form->W->palette().color(QPalette::ButtonText), QColor(Qt::red));
}

TEST_F(UkladFixture, ShowingAgainKeepsLabelsAndHidesPoint) {
    StartExampleTask();
    Type("23");
    QTest::mouseClick(form->E, Qt::LeftButton);
    form->Close();
    form->Open(Module::Coordinates);
    EXPECT_EQ(form->Szer1->text(), "20");
    EXPECT_EQ(form->Szer3->text(), "50");
    EXPECT_FALSE(form->Punkt->isVisible());
    EXPECT_FALSE(form->N->isEnabled());
    EXPECT_TRUE(form->Nastepny->isEnabled());
    EXPECT_TRUE(form->OdpEdit->text().isEmpty());
    EXPECT_TRUE(form->Odp->text().isEmpty());
}

TEST_F(UkladFixture, CompassLettersPressTheirButtonOnlyWhileItIsWanted) {
    StartExampleTask();
    Type("23n");  // N is not wanted yet: neither pressed nor typed
    EXPECT_EQ(form->OdpEdit->text(), "23");
    EXPECT_EQ(form->Answer().latSide, 0);
    QTest::keyClick(form->OdpEdit, Qt::Key_E);
    EXPECT_EQ(form->Answer().lonSide, 1);
    QTest::keyClicks(form->OdpEdit, "43w");  // W is no longer wanted
    EXPECT_EQ(form->Answer().lonSide, 1);
    QTest::keyClick(form->OdpEdit, Qt::Key_N);
    EXPECT_EQ(form->NapWskaz->text(), QString("Odpowiedziałeś poprawnie"));
}

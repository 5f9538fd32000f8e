// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The country-recognition window driven with fake platform services over a
// photo set built in the test; clicks reach it through the fake pointer.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include "country/CountryWindow.h"
#include "puzzle/PhotoSetFixture.h"
#include "widgets/FaceButton.h"
#include "widgets/Gauge.h"
#include "widgets/ImageView.h"

namespace {

const QStringList kLines{"WŁOCHY*Koloseum w Rzymie", "POLSKA*Wawel"};

struct CountryRig : PhotoSetFixture {
    explicit CountryRig(int pictures = 30, QList<int> missing = {}, bool withSet = true)
        : PhotoSetFixture(pictures, kLines, missing, withSet) {
        parent.resize(800, 580);
        form = new CountryWindow(ctx, &parent);
        form->move(100, 150);
        parent.show();
        fp.random.script = {31};  // the game at show is picture 1
        form->Open(Module::Country);
    }

    void ClickAtWindowPoint(QPoint p) {
        fp.pointer.position = form->mapToGlobal(p);
        form->PictureClick();
    }

    void Answer(const QString& text) {
        form->nameField->setText(text);
        form->CheckClick();
    }

    QRgb Shown(QPoint p) const { return form->pictureView->image.pixel(p); }
    QRgb Picture(QPoint p) const { return data.PictureBitmap().pixel(p); }

    QWidget parent;
    CountryWindow* form;
};

}  // namespace

TEST(CountryWindow, ShowStartsAGameWithSixTilesUncovered) {
    CountryRig w;
    EXPECT_EQ(w.form->pictureNumber, 1);
    EXPECT_EQ(w.form->pictureNumberField->text(), "1");
    EXPECT_EQ(w.form->game.answer, "WŁOCHY");
    EXPECT_EQ(w.form->nameField->text(), "TU WPISZ NAZWĘ");
    EXPECT_EQ(w.form->nameField->selectedText(), "TU WPISZ NAZWĘ");
    EXPECT_TRUE(w.form->nextButton->isEnabled());
    EXPECT_EQ(w.form->pointsGauge->progress(), 100);
    const auto& tiles = w.form->game.StartTiles();
    int uncovered = 0;
    for (int t = 0; t < 64; ++t) {
        const QPoint at = CountryGame::TileDrawPos(t) + QPoint(20, 10);
        const bool start = std::find(tiles.begin(), tiles.end(), t) != tiles.end();
        if (start) {
            EXPECT_EQ(w.Shown(at), w.Picture(at - QPoint(1, 1)));
        }
        uncovered += w.Shown(at) != qRgb(128, 128, 128);
    }
    EXPECT_EQ(uncovered, 6);
    EXPECT_EQ(w.Shown({0, 0}), qRgb(0, 0, 0));
    EXPECT_EQ(w.Shown({385, 257}), qRgb(0, 0, 0));
}

TEST(CountryWindow, RightNameAtOnceIsFantastic) {
    CountryRig w;
    w.form->nameField->clear();
    QTest::keyClicks(w.form->nameField, "abc");
    EXPECT_EQ(w.form->nameField->text(), "ABC");
    w.form->nameField->setText("włochy");
    EXPECT_EQ(w.form->nameField->text(), "WŁOCHY");
    QTest::keyClick(w.form->nameField, Qt::Key_Return);
    EXPECT_EQ(w.form->verdictLabel->text(), "Prób 0 - Fantastycznie");
    EXPECT_EQ(w.fp.sounds.played, QStringList{"Plum"});
    EXPECT_EQ(w.form->nameField->selectedText(), "WŁOCHY");
    EXPECT_EQ(w.Shown({200, 200}), w.Picture({199, 199}));
    // A decided game ignores checks and clicks.
    w.form->CheckClick();
    w.ClickAtWindowPoint({100, 50});
    EXPECT_EQ(w.form->game.attempts, 0);
    EXPECT_EQ(w.fp.sounds.played.size(), 1);
}

TEST(CountryWindow, ClickUncoversTheTileAtTheWindowPointAndCostsAPoint) {
    CountryRig w;
    w.ClickAtWindowPoint({100, 50});
    EXPECT_EQ(w.Shown({97, 33}), w.Picture({96, 32}));
    EXPECT_EQ(w.Shown({144, 64}), w.Picture({143, 63}));
    EXPECT_EQ(w.form->game.points, 49);
    EXPECT_EQ(w.form->pointsGauge->progress(), 95);
    w.ClickAtWindowPoint({100, 50});  // an uncovered tile still costs a point
    EXPECT_EQ(w.form->game.points, 48);
    // Left of and above the window: wrapped, ignored, free.
    w.ClickAtWindowPoint({-3, 50});
    w.ClickAtWindowPoint({100, -1});
    w.ClickAtWindowPoint({4, 50});
    EXPECT_EQ(w.form->game.points, 48);
}

TEST(CountryWindow, ADoubleClickOnThePictureIsOneClick) {
    CountryRig w;
    const QPoint at(100, 50);  // in the window; pictureView begins at (4, 5)
    w.fp.pointer.position = w.form->mapToGlobal(at);
    ImageView* picture = w.form->pictureView;
    QTest::mouseClick(picture, Qt::LeftButton, {}, at - QPoint(4, 5));
    QTest::mouseDClick(picture, Qt::LeftButton, {}, at - QPoint(4, 5));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, at - QPoint(4, 5));
    EXPECT_EQ(w.form->game.points, 49);
    EXPECT_EQ(w.form->pointsGauge->progress(), 95);
    QTest::mouseClick(picture, Qt::LeftButton, {}, at - QPoint(4, 5));
    EXPECT_EQ(w.form->game.points, 48);
}

TEST(CountryWindow, TheFirstCharacterTypedReplacesTheUntouchedPrompt) {
    CountryRig w;
    // A click into the field leaves the prompt unselected; typing still replaces it.
    QTest::mouseClick(w.form->nameField, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_TRUE(w.form->nameField->selectedText().isEmpty());
    QTest::keyClicks(w.form->nameField, "wielka");
    EXPECT_EQ(w.form->nameField->text(), "WIELKA");
    // A prompt already edited is the pupil's text and is typed into.
    w.form->NextClick();
    w.form->nameField->end(false);
    QTest::keyClick(w.form->nameField, Qt::Key_Backspace);
    QTest::keyClicks(w.form->nameField, "e");
    EXPECT_EQ(w.form->nameField->text(), "TU WPISZ NAZWE");
}

TEST(CountryWindow, FivePenaltiesThenTheRightNameIsNotBad) {
    CountryRig w;
    for (int i = 0; i < 4; ++i) w.ClickAtWindowPoint({100 + 48 * i, 50});
    w.Answer("TU WPISZ NAZWĘ");
    EXPECT_EQ(w.form->verdictLabel->text(), "NIESTETY NIE");
    w.Answer("WŁOCHY");
    EXPECT_EQ(w.form->verdictLabel->text(), "Prób 5 - Nieźle");
}

TEST(CountryWindow, TheTwentyFirstPenaltyLosesTheGame) {
    CountryRig w;
    for (int i = 0; i < 19; ++i) w.ClickAtWindowPoint({100, 50});
    w.Answer("WLOCHY");
    EXPECT_EQ(w.form->game.points, 30);
    EXPECT_EQ(w.form->pointsGauge->progress(), 0);
    EXPECT_FALSE(w.form->game.locked);
    w.Answer("WŁOCH");
    EXPECT_EQ(w.form->pointsGauge->progress(), 0);
    EXPECT_EQ(w.form->verdictLabel->text(), "Niestety - nie udało się");
    EXPECT_EQ(w.form->nameField->text(), "WŁOCHY");
    EXPECT_EQ(w.fp.sounds.played, QStringList({"Plim", "Plim", "Plim"}));
    EXPECT_EQ(w.Shown({300, 200}), w.Picture({299, 199}));
    EXPECT_TRUE(w.form->enterButton->isEnabled());
}

TEST(CountryWindow, TwentyPenaltiesStillLeaveAVerdict) {
    CountryRig w;
    for (int i = 0; i < 20; ++i) w.ClickAtWindowPoint({100, 50});
    w.Answer("WŁOCHY");
    EXPECT_EQ(w.form->verdictLabel->text(), "Prób 20 - Bardzo słabo");
}

TEST(CountryWindow, StartingsDisableTheChoiceUntilDecided) {
    CountryRig w;
    w.fp.random.script = {32};
    w.form->NextClick();
    EXPECT_EQ(w.form->game.answer, "POLSKA");
    EXPECT_EQ(w.form->pictureNumberField->text(), "2");
    EXPECT_FALSE(w.form->nextButton->isEnabled());
    EXPECT_FALSE(w.form->enterButton->isEnabled());

    w.Answer("POLSKA");
    w.form->nameField->setText("moja odpowiedź");
    w.form->pictureNumberField->setText("1");
    w.form->EnterNumberClick();
    EXPECT_EQ(w.form->game.answer, "WŁOCHY");
    EXPECT_EQ(w.form->game.points, 50);
    EXPECT_EQ(w.form->pointsGauge->progress(), 100);
    EXPECT_EQ(w.form->nameField->selectedText(), "MOJA ODPOWIEDŹ");
    EXPECT_FALSE(w.form->nextButton->isEnabled());

    w.Answer("WŁOCHY");
    w.form->pictureNumberField->setText("45");
    w.fp.random.script = {32};
    w.form->EnterNumberClick();
    EXPECT_EQ(w.form->pictureNumberField->text(), "2");
}

TEST(CountryWindow, TabOrderRunsFromNastepnyToNrEdit) {
    CountryRig w;
    const QWidget* expected[] = {w.form->nextButton, w.form->checkButton, w.form->nameField,
                                 w.form->enterButton, w.form->pictureNumberField};
    auto nextTabStop = [](const QWidget* w) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    for (int i = 0; i + 1 < 5; ++i) EXPECT_EQ(nextTabStop(expected[i]), expected[i + 1]);
}

TEST(CountryWindow, WithoutPicturesOrWithABrokenOneTheModuleStaysUsable) {
    CountryRig none(0, {}, false);
    EXPECT_EQ(none.fp.messages.shown.size(), 2);  // the data layer's and the module's
    none.form->CheckClick();
    none.ClickAtWindowPoint({100, 50});
    EXPECT_TRUE(none.form->nextButton->isEnabled());
    EXPECT_EQ(none.form->verdictLabel->text(), "");

    CountryRig broken(30, {2});
    broken.form->pictureNumberField->setText("2");
    broken.form->EnterNumberClick();
    ASSERT_EQ(broken.fp.messages.shown.size(), 1);
    EXPECT_TRUE(broken.fp.messages.shown[0].contains("Im2.jpg"));
    broken.ClickAtWindowPoint({100, 50});
    EXPECT_EQ(broken.form->game.attempts, 0);
    EXPECT_TRUE(broken.form->enterButton->isEnabled());
    broken.form->pictureNumberField->setText("1");
    broken.form->EnterNumberClick();
    EXPECT_FALSE(broken.form->game.locked);
}

TEST(CountryWindow, KeyboardCursorUncoversTheTileUnderItAndKeepsTheFocus) {
    CountryRig w;
    w.form->pictureView->setFocus();
    for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
        QTest::keyClick(w.form->pictureView, Qt::Key(key));
    const int tile = 8 + 2;  // column 2, row 1
    EXPECT_EQ(w.form->pictureView->CursorRect(),
              QRect(CountryGame::TileDrawPos(tile), CountryGame::TileRect(tile).size()));
    QTest::keyClick(w.form->pictureView, Qt::Key_Space);
    EXPECT_EQ(w.form->game.attempts, 1);
    const QPoint inside = CountryGame::TileDrawPos(tile) + QPoint(10, 10);
    EXPECT_EQ(w.Shown(inside), w.Picture(inside - QPoint(1, 1)));
    EXPECT_TRUE(w.form->pictureView->hasFocus());
}

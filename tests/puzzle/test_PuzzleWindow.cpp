// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The puzzle window driven with fake platform services over a photo set
// built in the test.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest/QTest>

#include "data/ImageCodecs.h"
#include "puzzle/PhotoSetFixture.h"
#include "puzzle/PuzzleWindow.h"
#include "widgets/FaceButton.h"
#include "widgets/ImageView.h"

namespace {

QImage Glyph(const char* name) {
    QFile file(QStringLiteral(":/glyphs/%1.bmp").arg(name));
    file.open(QIODevice::ReadOnly);
    return DecodeBmp(file.readAll());
}

struct PuzzleRig : PhotoSetFixture {
    explicit PuzzleRig(int pictures = 30, QList<int> missing = {}, bool withSet = true)
        : PhotoSetFixture(pictures, {}, missing, withSet) {
        parent.resize(800, 580);
        form = new PuzzleWindow(ctx, &parent);
        parent.show();
        form->Open(Module::Puzzle);
    }

    // Every cell not yet holding its own piece gets it by one pair of clicks.
    void Solve() {
        for (int cell = 1; cell <= 24; ++cell) {
            if (form->board.PieceIn(cell) == cell) continue;
            int from = cell + 1;
            while (form->board.PieceIn(from) != cell) ++from;
            form->BoardPressed(PuzzleBoard::CellRect(cell).center());
            form->BoardPressed(PuzzleBoard::CellRect(from).center());
        }
    }

    // A shuffle whose 30 exchanges all swap a cell with itself.
    void ScriptSolvedShuffle(int draw) {
        fp.random.script = {draw};
        for (int i = 0; i < 60; ++i) fp.random.script.push_back(5);
    }

    QWidget parent;
    PuzzleWindow* form;
};

bool Playing(const PuzzleWindow* form) {
    return form->boardPanel->isVisible() && !form->board.locked;
}

}  // namespace

TEST(PuzzleWindow, ShowPlacesTheWindowAndLeavesItIdle) {
    PuzzleRig w;
    EXPECT_EQ(w.form->pos(), QPoint(50, 110));
    EXPECT_FALSE(w.form->previewPanel->isVisible());
    EXPECT_FALSE(w.form->boardPanel->isVisible());
    EXPECT_TRUE(w.form->nextButton->isEnabled());
    EXPECT_TRUE(w.form->clockButton->isEnabled());
    EXPECT_EQ(w.form->clockButton->Glyph(), Glyph("Z1"));
    EXPECT_EQ(w.form->pictureNumberField->text(), "1");
}

TEST(PuzzleWindow, RandomGameShowsTheShuffledPictureAndItsLine) {
    PuzzleRig w;
    w.fp.random.script = {45};
    w.form->NextClick();
    EXPECT_EQ(w.form->pictureNumber, 15);
    EXPECT_EQ(w.form->pictureNumberField->text(), "15");
    EXPECT_EQ(w.form->nameLabel->text(), "KRAJ 15");
    EXPECT_EQ(w.form->descriptionLabel->text(), "Opis 15");
    EXPECT_TRUE(w.form->previewPanel->isVisible());
    EXPECT_TRUE(Playing(w.form));
    EXPECT_EQ(w.form->board.PieceIn(24), 24);
    const QImage& board = w.form->boardView->image;
    const QImage& picture = w.data.PictureBitmap();
    for (int cell = 1; cell <= 24; ++cell) {
        const QRect piece = PuzzleBoard::PieceRect(w.form->board.PieceIn(cell));
        EXPECT_EQ(board.pixel(PuzzleBoard::CellRect(cell).topLeft() + QPoint(9, 5)),
                  picture.pixel(piece.topLeft() + QPoint(9, 5)));
    }
}

TEST(PuzzleWindow, FirstClickFramesTheCellAndTheSecondSwaps) {
    PuzzleRig w;
    w.form->NextClick();
    const int before14 = w.form->board.PieceIn(14), before1 = w.form->board.PieceIn(1);
    w.form->BoardPressed({70, 130});
    const QImage& board = w.form->boardView->image;
    const QRgb yellow = qRgb(255, 255, 0);
    for (QPoint p : {QPoint(68, 132), QPoint(131, 132), QPoint(68, 195), QPoint(131, 195)})
        EXPECT_EQ(board.pixel(p), yellow);
    EXPECT_NE(board.pixel(100, 160), yellow);
    EXPECT_NE(board.pixel(132, 132), yellow);

    w.form->BoardPressed({10, 10});
    EXPECT_EQ(w.form->board.PieceIn(14), before1);
    EXPECT_EQ(w.form->board.PieceIn(1), before14);
    EXPECT_NE(board.pixel(68, 132), yellow);
}

TEST(PuzzleWindow, SolvedShuffleIsDetectedAtTheFirstClick) {
    PuzzleRig w;
    w.ScriptSolvedShuffle(45);
    w.form->NextClick();
    EXPECT_TRUE(w.form->board.IsSolved());
    EXPECT_TRUE(w.fp.sounds.played.isEmpty());
    w.form->BoardPressed({100, 100});
    EXPECT_EQ(w.form->nameLabel->text(), "FANTASTYCZNIE!");
    EXPECT_EQ(w.fp.sounds.played, QStringList{"Plum"});
    EXPECT_TRUE(w.form->board.locked);
    w.form->BoardPressed({200, 100});  // a locked board ignores clicks
    EXPECT_EQ(w.fp.sounds.played.size(), 1);
}

TEST(PuzzleWindow, BlokadaWithTheClockOffKeepsTheChoiceLockedUntilSolved) {
    PuzzleRig w;
    w.config.Blokada = 1;
    w.form->ClockButtonClick();
    EXPECT_EQ(w.form->clockButton->Glyph(), Glyph("Z2"));
    w.form->NextClick();
    EXPECT_FALSE(w.form->countdown->isActive());
    EXPECT_FALSE(w.form->nextButton->isEnabled());
    EXPECT_FALSE(w.form->enterButton->isEnabled());
    EXPECT_FALSE(w.form->clockButton->isEnabled());
    EXPECT_EQ(w.form->clockButton->Glyph(), Glyph("Z3"));
    w.Solve();
    EXPECT_TRUE(w.form->board.IsSolved());
    EXPECT_TRUE(w.form->nextButton->isEnabled());
    EXPECT_TRUE(w.form->enterButton->isEnabled());
    EXPECT_TRUE(w.form->clockButton->isEnabled());
    EXPECT_EQ(w.form->clockButton->Glyph(), Glyph("Z2"));
}

TEST(PuzzleWindow, WithoutBlokadaANewGameRestartsTheCountdown) {
    PuzzleRig w;
    w.config.Blokada = 0;
    w.config.Tempo = 2;
    w.form->NextClick();
    EXPECT_TRUE(w.form->countdown->isActive());
    EXPECT_TRUE(w.form->nextButton->isEnabled());
    w.form->CountdownTick();
    EXPECT_EQ(w.form->secondsLabel->text(), "119");
    w.form->EnterNumberClick();
    EXPECT_EQ(w.form->board.timeLeft, 120);
    EXPECT_EQ(w.form->secondsLabel->text(), "119");  // until the next tick
}

TEST(PuzzleWindow, OddSettingsOfAnEditedFileGiveTheDefaultTimeAndTheLock) {
    for (const auto& [tempo, blokada] : {std::pair{0, 2}, std::pair{4, -1}}) {
        PuzzleRig w;
        w.config.Tempo = tempo;
        w.config.Blokada = blokada;
        w.form->NextClick();
        EXPECT_EQ(w.form->board.timeLeft, 180);
        EXPECT_FALSE(w.form->nextButton->isEnabled());
    }
}

TEST(PuzzleWindow, TempoOneLosesAtZeroAndShowsTheSolution) {
    PuzzleRig w;
    w.config.Tempo = 1;
    w.form->NextClick();
    w.form->CountdownTick();
    EXPECT_EQ(w.form->secondsLabel->text(), "59");
    for (int i = 0; i < 58; ++i) w.form->CountdownTick();
    EXPECT_EQ(w.form->secondsLabel->text(), "1");
    EXPECT_FALSE(w.form->board.locked);
    w.form->CountdownTick();
    EXPECT_EQ(w.form->secondsLabel->text(), "0");
    EXPECT_EQ(w.form->nameLabel->text(), "NIESTETY");
    EXPECT_EQ(w.fp.sounds.played, QStringList{"Plim"});
    EXPECT_FALSE(w.form->countdown->isActive());
    EXPECT_TRUE(w.form->board.locked);
    EXPECT_TRUE(w.form->nextButton->isEnabled());
    EXPECT_EQ(w.form->clockButton->Glyph(), Glyph("Z1"));
    const QImage solution = w.form->boardView->image.copy(4, 4, 384, 256);
    EXPECT_EQ(solution, w.data.PictureBitmap().convertToFormat(solution.format()));
}

TEST(PuzzleWindow, ClosingStopsTheClockAndShowingAgainIsIdle) {
    PuzzleRig w;
    w.form->NextClick();
    EXPECT_TRUE(w.form->countdown->isActive());
    w.form->Close();
    EXPECT_FALSE(w.form->countdown->isActive());
    w.form->ClockButtonClick();
    w.form->Open(Module::Puzzle);
    EXPECT_TRUE(w.form->clockOn);
    EXPECT_FALSE(w.form->boardPanel->isVisible());
    EXPECT_TRUE(w.form->nextButton->isEnabled());
}

TEST(PuzzleWindow, TypedNumbersOutsideTheSetGiveARandomPicture) {
    PuzzleRig w;
    w.form->pictureNumberField->setText("45");
    w.fp.random.script = {47};
    w.form->EnterNumberClick();
    EXPECT_EQ(w.form->pictureNumber, 17);
    EXPECT_EQ(w.form->pictureNumberField->text(), "17");

    w.form->pictureNumberField->setText("0");
    w.fp.random.script = {44};
    w.form->EnterNumberClick();
    EXPECT_EQ(w.form->pictureNumber, 14);
    EXPECT_EQ(w.form->pictureNumberField->text(), "14");

    w.form->pictureNumberField->setText("8");
    w.form->EnterNumberClick();
    EXPECT_EQ(w.form->nameLabel->text(), "KRAJ 8");
}

TEST(PuzzleWindow, NumberFieldLetsOnlyDigitsThrough) {
    PuzzleRig w;
    w.form->pictureNumberField->clear();
    QTest::keyClicks(w.form->pictureNumberField, "a4-b56");
    EXPECT_EQ(w.form->pictureNumberField->text(), "45");
    QTest::keyClick(w.form->pictureNumberField, Qt::Key_Backspace);
    EXPECT_EQ(w.form->pictureNumberField->text(), "4");
}

TEST(PuzzleWindow, WithoutPicturesTheModuleStaysIdle) {
    PuzzleRig w(0, {}, false);
    w.fp.messages.shown.clear();
    w.form->NextClick();
    w.form->EnterNumberClick();
    EXPECT_EQ(w.fp.messages.shown,
              QStringList({"Brak pliku z fotografiami|Błąd", "Brak pliku z fotografiami|Błąd"}));
    EXPECT_FALSE(w.form->boardPanel->isVisible());
    EXPECT_TRUE(w.form->nextButton->isEnabled());

    PuzzleRig empty(0);
    empty.form->NextClick();
    EXPECT_EQ(empty.fp.messages.shown, QStringList{"Brak obrazków w zestawie|Błąd"});
}

TEST(PuzzleWindow, APictureThatCannotBeLoadedEndsTheStartOnly) {
    PuzzleRig w(30, {3});
    w.config.Blokada = 1;
    w.form->pictureNumberField->setText("3");
    w.form->EnterNumberClick();
    ASSERT_EQ(w.fp.messages.shown.size(), 1);
    EXPECT_TRUE(w.fp.messages.shown[0].contains("Im3.jpg"));
    EXPECT_FALSE(w.form->boardPanel->isVisible());
    EXPECT_FALSE(w.form->countdown->isActive());
    EXPECT_TRUE(w.form->enterButton->isEnabled());
    EXPECT_TRUE(w.form->clockButton->isEnabled());
    w.form->pictureNumberField->setText("4");
    w.form->EnterNumberClick();
    EXPECT_TRUE(Playing(w.form));
}

TEST(PuzzleWindow, AClickDuringTheLoadStartsNoSecondGame) {
    PuzzleRig w;
    const QPointF centre = w.form->nextButton->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            w.form->nextButton,
            new QMouseEvent(type, centre, w.form->nextButton->mapToGlobal(centre), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier));
    w.fp.random.script = {45};
    w.form->NextClick();
    EXPECT_EQ(w.form->nameLabel->text(), "KRAJ 15");
    EXPECT_NEAR(qBlue(w.data.PictureBitmap().pixel(100, 100)), 15 * 8, 6);
}

TEST(PuzzleWindow, KeyboardCursorSwapsTwoPiecesAndStopsAtTheEdges) {
    PuzzleRig w;
    w.form->nextButton->setFocus();
    w.form->NextClick();
    ASSERT_TRUE(w.form->boardView->hasFocus());  // the start hands the focus to the board
    const int first = w.form->board.PieceIn(1), second = w.form->board.PieceIn(2);
    for (int key : {Qt::Key_Left, Qt::Key_Up}) QTest::keyClick(w.form->boardView, Qt::Key(key));
    EXPECT_TRUE(PuzzleBoard::CellRect(1).contains(w.form->boardView->CursorRect()));
    QTest::keyClick(w.form->boardView, Qt::Key_Space);
    QTest::keyClick(w.form->boardView, Qt::Key_Right);
    EXPECT_TRUE(PuzzleBoard::CellRect(2).contains(w.form->boardView->CursorRect()));
    QTest::keyClick(w.form->boardView, Qt::Key_Return);
    EXPECT_EQ(w.form->board.PieceIn(1), second);
    EXPECT_EQ(w.form->board.PieceIn(2), first);
    for (int i = 0; i < 8; ++i) QTest::keyClick(w.form->boardView, Qt::Key_Down);
    EXPECT_TRUE(PuzzleBoard::CellRect(20).contains(w.form->boardView->CursorRect()));
}

TEST(PuzzleWindow, TheChosenPiecesFrameShowsUnderTheKeyboardCursor) {
    PuzzleRig w;
    w.form->nextButton->setFocus();
    w.form->NextClick();
    ASSERT_TRUE(w.form->boardView->hasFocus());
    QTest::keyClick(w.form->boardView, Qt::Key_Space);  // chooses cell 1, under the cursor
    const QImage seen = w.form->boardView->grab().toImage();
    const QRect cell = PuzzleBoard::CellRect(1);
    const int middle = cell.center().y();
    EXPECT_EQ(seen.pixelColor(cell.left(), middle), QColor(Qt::yellow));    // the frame
    EXPECT_EQ(seen.pixelColor(cell.left() + 3, middle), QColor(Qt::cyan));  // the cursor
    EXPECT_EQ(seen.pixelColor(cell.center().x(), cell.bottom()), QColor(Qt::yellow));
}

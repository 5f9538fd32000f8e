// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the screenshots of the picture puzzle and of country recognition,
// in play, won and lost, into the folder named by TERRAVIKA_SHOTS (skipped
// when it is not set), drawn with the program's font and the bundled photo sets.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "country/CountryWindow.h"
#include "puzzle/PuzzleWindow.h"
#include "support/ScreenshotTest.h"
#include "widgets/FaceButton.h"
#include "widgets/ImageView.h"

namespace {

struct PhotoShots : ScreenshotTest {
    void SetUp() override {
        ScreenshotTest::SetUp();
        if (IsSkipped()) return;
        data.InitDataAccess();
        ASSERT_GT(data.PictureCount(), 0);
    }
};

void ClickCell(PuzzleWindow* form, int cell) {
    QTest::mouseClick(form->boardView, Qt::LeftButton, {}, PuzzleBoard::CellRect(cell).center());
}

void ClickTile(CountryWindow* form, FakePointer& pointer, int tile) {
    const QPoint at = CountryGame::TileRect(tile).center() + QPoint(4, 5);
    pointer.position = form->mapToGlobal(at);
    QTest::mouseClick(form->pictureView, Qt::LeftButton, {}, at - QPoint(4, 5));
}

}  // namespace

TEST_F(PhotoShots, Puzzle) {
    auto* form = new PuzzleWindow(ctx, &panel);
    form->Open(Module::Puzzle);
    // Picture 6 of the first set has the longest name, "BOŚNIA I HERCEGOWINA".
    fp.random.script = {6};
    QTest::mouseClick(form->nextButton, Qt::LeftButton);
    for (int i = 0; i < 12; ++i) form->CountdownTick();
    ClickCell(form, 9);
    Save(form, "puzzle-playing.png");

    for (int cell = 1; cell <= 24; ++cell) {
        if (form->board.PieceIn(cell) == cell) continue;
        int from = cell + 1;
        while (form->board.PieceIn(from) != cell) ++from;
        if (!form->board.AwaitingFirstClick()) ClickCell(form, 24);
        ClickCell(form, cell);
        ClickCell(form, from);
    }
    Save(form, "puzzle-won.png");

    config.Tempo = 1;
    fp.random.script = {22};
    QTest::mouseClick(form->nextButton, Qt::LeftButton);
    ClickCell(form, 3);
    ClickCell(form, 8);
    while (!form->board.locked) form->CountdownTick();
    Save(form, "puzzle-lost.png");
}

TEST_F(PhotoShots, Country) {
    auto* form = new CountryWindow(ctx, &panel);
    form->move(100, 150);
    fp.random.script = {12};
    form->Open(Module::Puzzle);
    for (int tile : {27, 28, 35}) ClickTile(form, fp.pointer, tile);
    form->nameField->clear();
    QTest::keyClicks(form->nameField, "fran");
    Save(form, "country-playing.png");

    for (int tile : {36, 19}) ClickTile(form, fp.pointer, tile);
    form->nameField->setText(form->game.answer.toLower());
    QTest::keyClick(form->nameField, Qt::Key_Return);
    Save(form, "country-won.png");

    fp.random.script = {6};
    QTest::mouseClick(form->nextButton, Qt::LeftButton);
    for (int tile = 0; tile < 18; ++tile) ClickTile(form, fp.pointer, tile);
    for (const char* guess : {"NIEMCY", "AUSTRIA", "SZWAJCARIA"}) {
        form->nameField->setText(guess);
        QTest::keyClick(form->nameField, Qt::Key_Return);
    }
    Save(form, "country-lost.png");
}

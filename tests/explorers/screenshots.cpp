// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the screenshots of the coordinates exercise, the explorers reader
// and the About window into the folder named by TERRAVIKA_SHOTS (skipped
// when it is not set), drawn with the program's own font and bundled content.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <utility>

#include "app/AboutWindow.h"
#include "coords/CoordinatesWindow.h"
#include "explorers/ExplorersWindow.h"
#include "support/ScreenshotTest.h"
#include "widgets/FaceButton.h"

namespace {

struct Shots : ScreenshotTest {
    void Answer(CoordinatesWindow* form, const QString& lon, FaceButton* side, const QString& lat,
                FaceButton* pole) {
        QTest::keyClicks(form->degreesField, lon);
        QTest::mouseClick(side, Qt::LeftButton);
        QTest::keyClicks(form->degreesField, lat);
        QTest::mouseClick(pole, Qt::LeftButton);
    }
};

}  // namespace

TEST_F(Shots, Coordinates) {
    auto* form = new CoordinatesWindow(ctx, &panel);
    form->Open(Module::Explorers);
    fp.random.script = {2, 10, 13, 7, 25, 40};  // 23°E 43°N
    QTest::mouseClick(form->nextButton, Qt::LeftButton);
    QTest::keyClicks(form->degreesField, "23");
    Save(form, "coords-asking.png");
    QTest::mouseClick(form->eastButton, Qt::LeftButton);
    QTest::keyClicks(form->degreesField, "44");
    QTest::mouseClick(form->northButton, Qt::LeftButton);
    Save(form, "coords-right.png");
    fp.random.script = {10, 1, 3, 0, 3, 7};  // 107°W 37°S
    QTest::mouseClick(form->nextButton, Qt::LeftButton);
    Answer(form, "107", form->eastButton, "37", form->southButton);
    Save(form, "coords-wrong.png");
}

TEST_F(Shots, ExplorersAndAbout) {
    auto* reader = new ExplorersWindow(ctx, &panel);
    reader->Open(Module::Explorers);
    Save(reader, "explorers-wstep.png");
    for (const auto& [index, file] : {std::pair{8, "explorers-kolumb.png"},
                                      {15, "explorers-livingstone.png"},
                                      {16, "explorers-czerski.png"}}) {
        reader->topicList->setCurrentIndex(index);
        emit reader->topicList->activated(index);
        Save(reader, file);
    }
    QTest::mouseClick(reader->portraitLabel, Qt::LeftButton);
    Save(reader, "explorers-enlarged.png");
    reader->Close();
    auto* about = new AboutWindow(ctx, &panel);
    about->Open(Module::About);
    Save(about, "about.png");
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "data/PackWriter.h"
#include "explorers/Explorers.h"
#include "explorers/ExplorersWindow.h"
#include "support/FakePlatform.h"
#include "support/ModuleWindowFixture.h"

namespace {

QByteArray Resource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Document(const QByteArray& title) {
    return "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset238 Arial;}}\\f0\\b " + title +
           "\\b0\\par Tekst o \\'b3odziach.\\par}";
}

const QString kMissing = "Błąd|BRAK PLIKÓW Z DANYMI. TEN MODUŁ NIE MOŻE DZIAŁAĆ";

struct OdkrywcyFixture : ModuleWindowFixture<ExplorersWindow> {
    QTemporaryDir base;

    void SetUp() override {
        config.BaseFolder = base.path();
        QDir(base.path()).mkpath("Maps");
    }
    // An archive with the introduction, Columbus and Hillary; Columbus has no
    // portrait and Hillary's is larger than the window.
    void WriteArchive() {
        WritePack(base.filePath("Maps/GeoMen.dat"),
                  {{"Wstep.rtf", Document("Wst\\'eap")},
                   {"Im1a.jpg", Resource(":/images/TloAutor.jpg")},
                   {"Kolumb.rtf", Document("Kolumb")},
                   {"hillary.rtf", Document("Hillary")},
                   {"Im20a.jpg", Resource(":/images/TloGlowne.jpg")}});
    }
    void Choose(int index) {
        form->topicList->setCurrentIndex(index);
        emit form->topicList->activated(index);
    }
};

}  // namespace

TEST(Explorers, TableOfTopics) {
    EXPECT_EQ(ExplorerCaption(1), QString("Wstęp"));
    EXPECT_EQ(ExplorerCaption(20), QString("Edmund Hillary"));
    EXPECT_STREQ(ExplorerAt(20).document, "hillary.rtf");
    EXPECT_EQ(ExplorerPictureName(7), "Im7a.jpg");
    EXPECT_EQ(ExplorerCaption(11), QString("Francisco Pizarro"));
    EXPECT_STREQ(ExplorerAt(11).document, "Pizarro.rtf");
}

TEST_F(OdkrywcyFixture, ShowingStartsAtTheIntroduction) {
    WriteArchive();
    panel.show();
    form->Open(Module::Explorers);
    EXPECT_EQ(form->topicList->count(), 20);
    EXPECT_EQ(form->topicList->currentIndex(), 0);
    EXPECT_TRUE(form->textView->toPlainText().startsWith(QString("Wstęp\nTekst o łodziach.")));
    EXPECT_EQ(form->portraitLabel->pixmap().size(), QSize(96, 117));  // stretched to the frame
    EXPECT_TRUE(fp.messages.shown.isEmpty());

    Choose(8);
    EXPECT_TRUE(form->textView->toPlainText().startsWith("Kolumb"));
    EXPECT_EQ(fp.messages.shown, QStringList{kMissing});  // no portrait of Columbus
    // Minimising and restoring the main window keeps the topic.
    panel.showMinimized();
    panel.showNormal();
    EXPECT_EQ(form->topicList->currentIndex(), 8);
    EXPECT_TRUE(form->textView->toPlainText().startsWith("Kolumb"));
    form->Close();
    form->Open(Module::Explorers);
    EXPECT_EQ(form->topicList->currentIndex(), 0);
    EXPECT_TRUE(form->textView->toPlainText().startsWith(QString("Wstęp")));
}

TEST_F(OdkrywcyFixture, HillaryIsFoundUnderItsLowerCaseName) {
    WriteArchive();
    panel.show();
    form->Open(Module::Explorers);
    Choose(19);
    EXPECT_TRUE(form->textView->toPlainText().startsWith("Hillary"));
    EXPECT_TRUE(fp.messages.shown.isEmpty());
}

TEST_F(OdkrywcyFixture, MissingArchiveGivesBothBoxesAndStaysUsable) {
    panel.show();
    form->Open(Module::Explorers);
    const QStringList both{"Problem z odczytem|Błąd", kMissing};
    EXPECT_EQ(fp.messages.shown, both);
    EXPECT_TRUE(form->textView->toPlainText().isEmpty());
    EXPECT_TRUE(form->portraitLabel->pixmap().isNull());
    Choose(3);
    EXPECT_EQ(fp.messages.shown, both + both);
    WriteArchive();  // choosing again repeats the attempt
    Choose(0);
    EXPECT_TRUE(form->textView->toPlainText().startsWith(QString("Wstęp")));
    EXPECT_EQ(fp.messages.shown.size(), 4);
}

TEST_F(OdkrywcyFixture, CopiesTextAndFullSizePicture) {
    WriteArchive();
    panel.show();
    form->Open(Module::Explorers);
    QApplication::clipboard()->clear();
    form->CopyText();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_TRUE(mime->hasHtml());
    EXPECT_TRUE(mime->html().contains("font-weight"));  // the bold title came along
    EXPECT_EQ(mime->text(), form->textView->toPlainText());
    EXPECT_EQ(form->textView->textCursor().selectedText().size(),
              form->textView->toPlainText().size());

    form->CopyPicture();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(316, 290));
}

TEST_F(OdkrywcyFixture, ClickOnThePortraitEnlargesItUntilEscOrClick) {
    WriteArchive();
    panel.show();
    form->Open(Module::Explorers);
    QLabel* big = form->enlargedPortrait;
    EXPECT_FALSE(big->isVisible());
    QTest::mouseClick(form->portraitLabel, Qt::LeftButton);
    ASSERT_TRUE(big->isVisible());
    EXPECT_EQ(big->geometry(), form->rect());
    EXPECT_EQ(big->pixmap().size(), QSize(316, 290));  // the stored size
    EXPECT_FALSE(form->portraitLabel->accessibleName().isEmpty());
    QTest::keyClick(big, Qt::Key_Escape);
    EXPECT_FALSE(big->isVisible());

    QTest::mouseClick(form->portraitLabel, Qt::LeftButton);
    QTest::mouseClick(big, Qt::LeftButton);
    EXPECT_FALSE(big->isVisible());

    Choose(19);  // a picture larger than the window is shrunk into it
    QTest::mouseClick(form->portraitLabel, Qt::LeftButton);
    EXPECT_LE(big->pixmap().width(), form->width());
    EXPECT_LE(big->pixmap().height(), form->height());
    Choose(8);  // a new topic closes the enlargement; with no portrait a click shows nothing
    EXPECT_FALSE(big->isVisible());
    QTest::mouseClick(form->portraitLabel, Qt::LeftButton);
    EXPECT_FALSE(big->isVisible());
}

TEST_F(OdkrywcyFixture, ArrowsBrowseTheListEnterChoosesAndThePortraitEnlargesFromTheKeys) {
    WriteArchive();
    panel.show();
    form->Open(Module::Explorers);
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    BrowseList* list = form->topicList;
    list->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 19; ++i) QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), 19);
    EXPECT_TRUE(form->textView->toPlainText().startsWith(QString("Wstęp")));  // nothing loaded yet
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(form->textView->toPlainText().startsWith("Hillary"));
    EXPECT_EQ(QApplication::focusWidget(), form->textView);  // ready for PageDown

    // Browsing on to Columbus and leaving the list shows the chosen topic again.
    list->setFocus(Qt::BacktabFocusReason);
    for (int i = 0; i < 11; ++i) QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->portraitLabel);
    EXPECT_EQ(list->currentIndex(), 19);
    EXPECT_TRUE(fp.messages.shown.isEmpty());  // Columbus, with no portrait, was never loaded

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        QTest::keyClick(form->portraitLabel, key);
        ASSERT_TRUE(form->enlargedPortrait->isVisible());
        QTest::keyClick(form->enlargedPortrait, Qt::Key_Escape);
        EXPECT_FALSE(form->enlargedPortrait->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), form->portraitLabel);
    }
}

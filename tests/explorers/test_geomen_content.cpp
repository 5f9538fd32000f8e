// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextEdit>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "explorers/Explorers.h"
#include "explorers/ExplorersWindow.h"
#include "explorers/RtfReader.h"
#include "support/FakePlatform.h"

namespace {

const QString kContent = QStringLiteral(TERRAVIKA_SOURCE_DIR "/content");

bool HaveArchive() {
    return QFile::exists(kContent + "/Maps/GeoMen.dat");
}

}  // namespace

TEST(GeoMenContent, EveryTopicReadsAndShows) {
    if (!HaveArchive()) GTEST_SKIP() << "content/Maps/GeoMen.dat is not there yet";
    FakePlatform fp;
    Config config;
    config.BaseFolder = kContent;
    DataAccess data(config, fp.services);
    AppContext ctx{fp.services, config, data};
    QWidget panel;
    auto* form = new ExplorersWindow(ctx, &panel);
    panel.show();
    form->Open(Module::Explorers);
    const QRegularExpression polish("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]");
    // A date broken across two lines reads badly: day, month and year are tied.
    const QRegularExpression brokenDate(
        "\\d (stycznia|lutego|marca|kwietnia|maja|czerwca|lipca|sierpnia|września|października|"
        "listopada|grudnia)|(stycznia|lutego|marca|kwietnia|maja|czerwca|lipca|sierpnia|września|"
        "października|listopada|grudnia) \\d");
    for (int n = 1; n <= kExplorerCount; ++n) {
        SCOPED_TRACE(ExplorerAt(n).document);
        form->topicList->setCurrentIndex(n - 1);
        emit form->topicList->activated(n - 1);
        const QString text = form->textView->toPlainText();
        EXPECT_GT(text.size(), 300);
        EXPECT_TRUE(text.contains(polish));
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
        EXPECT_FALSE(text.contains(QRegularExpression(R"([\\{}])")));  // no RTF leaking out
        EXPECT_FALSE(form->textView->document()->toRawText().contains(brokenDate));
        EXPECT_FALSE(form->portraitLabel->pixmap().isNull());
        // Three times the frame, so the enlargement shows it unshrunk over the window.
        EXPECT_EQ(form->enlargedPortrait->pixmap().size(), QSize(3 * 96, 3 * 117));
        EXPECT_EQ(fp.messages.shown, QStringList());
    }
}

TEST(GeoMenContent, HillaryIsStoredInLowerCase) {
    if (!HaveArchive()) GTEST_SKIP() << "content/Maps/GeoMen.dat is not there yet";
    PackReader pak;
    ASSERT_TRUE(pak.Open(kContent + "/Maps/GeoMen.dat"));
    EXPECT_TRUE(pak.Names().contains("hillary.rtf"));
    QTextDocument doc;
    EXPECT_TRUE(ReadRtf(pak.Extract(ExplorerAt(20).document).value_or(""), doc));
    EXPECT_TRUE(doc.toPlainText().contains("Hillary"));
}

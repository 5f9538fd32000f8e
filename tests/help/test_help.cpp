// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "app/MainWindow.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "help/ChmFile.h"
#include "help/HelpViewer.h"
#include "platform/TarvoError.h"
#include "support/FakePlatform.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

namespace {

const QString kBundledHelp = QStringLiteral(TERRAVIKA_SOURCE_DIR "/content/Terravika.chm");

QStringList Names(const QList<HelpTopic>& topics) {
    QStringList names;
    for (const HelpTopic& t : topics)
        names << t.name + (t.children.isEmpty() ? "" : "(" + Names(t.children).join(',') + ")");
    return names;
}

TEST(HelpContents, SitemapsNestAndOddOnesStayBounded) {
    const auto item = [](const QString& name, const QString& local) {
        return "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + name +
               "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>";
    };
    const QString nested = "<UL>" + item("A &amp; B", "a.html") + "<UL>" + item("Ą", "b.html#x") +
                           "</UL>" + item("C", "/c.html") + "</UL>";
    const auto topics = ParseHelpContents(nested);
    EXPECT_EQ(Names(topics), (QStringList{"A & B(Ą)", "C"}));
    EXPECT_EQ(topics[0].page, "/a.html");
    EXPECT_EQ(topics[0].children[0].page, "/b.html");
    EXPECT_EQ(topics[1].page, "/c.html");

    // Unclosed and stray lists, unnamed topics, a list before any topic.
    EXPECT_EQ(Names(ParseHelpContents("</UL></UL><UL><UL>" + item("A", "a") + item("", "b"))),
              QStringList{"A"});
    // Deep nesting is flattened rather than followed without end.
    QString deep;
    for (int i = 0; i < 5000; ++i) deep += item("x", "x") + "<UL>";
    int depth = 0;
    for (auto level = ParseHelpContents(deep); !level.isEmpty(); level = level.back().children)
        ++depth;
    EXPECT_LE(depth, 8);
}

TEST(HelpContents, PagesDecodeByTheirCharset) {
    EXPECT_EQ(DecodeHelpText("<meta charset=utf-8>\xc5\x81\xc3\xb3\x64\xc5\xba"),
              QString("<meta charset=utf-8>Łódź"));
    EXPECT_EQ(DecodeHelpText("<meta charset=windows-1250>\xa3\xf3\x64\x9f"),
              QString("<meta charset=windows-1250>Łódź"));
}

TEST(HelpViewer, ShowsTheBundledHelpWithContentsLinksAndPictures) {
    HelpViewer viewer(kBundledHelp);
    ASSERT_GE(viewer.Contents->topLevelItemCount(), 3);
    EXPECT_EQ(viewer.windowTitle(), "Pomoc");
    EXPECT_TRUE(viewer.Browser->toPlainText().contains("Terravika"));

    // Every topic's page and every picture it shows come from the file.
    static const QRegularExpression picture("<img[^>]*src=\"([^\"]+)\"",
                                            QRegularExpression::CaseInsensitiveOption);
    for (QTreeWidgetItemIterator it(viewer.Contents); *it; ++it) {
        viewer.Contents->setCurrentItem(*it);
        const QUrl page = viewer.Browser->source();
        const QString html =
            viewer.Browser->loadResource(QTextDocument::HtmlResource, page).toString();
        ASSERT_FALSE(html.isEmpty()) << page.toString().toStdString();
        EXPECT_FALSE(html.contains(QChar::ReplacementCharacter));
        for (auto m = picture.globalMatch(html); m.hasNext();) {
            const QUrl src = page.resolved(QUrl(m.next().captured(1)));
            EXPECT_FALSE(viewer.Browser->loadResource(QTextDocument::ImageResource, src)
                             .value<QImage>()
                             .isNull())
                << src.toString().toStdString();
        }
    }

    // Links move between pages of the file; others are not followed.
    viewer.Browser->setSource(HelpViewer::PageUrl("/index.html"));
    emit viewer.Browser->anchorClicked(HelpViewer::PageUrl("/quiz.html"));
    EXPECT_EQ(viewer.Browser->source().path(), "/quiz.html");
    EXPECT_EQ(viewer.Contents->currentItem()->data(0, Qt::UserRole).toString(), "/quiz.html");
    emit viewer.Browser->anchorClicked(QUrl("file:///etc/passwd"));
    emit viewer.Browser->anchorClicked(QUrl("https://example.org/"));
    EXPECT_EQ(viewer.Browser->source().path(), "/quiz.html");
    // Addresses outside the file get an empty answer, never an invalid one
    // that would make Qt read them from the disk.
    const QVariant outside =
        viewer.Browser->loadResource(QTextDocument::ImageResource, QUrl("file:///dev/zero"));
    EXPECT_TRUE(outside.isValid());
    EXPECT_TRUE(outside.value<QImage>().isNull());
}

TEST(HelpViewer, RefusesWhatIsNotAHelpFile) {
    TempWorkDir dir;
    dir.write("garbage.chm", QByteArray(4096, 'x'));
    dir.write("empty.chm", {});
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.file("fifo.chm")).constData(), 0600), 0);
    for (const char* name : {"garbage.chm", "empty.chm", "fifo.chm", "missing.chm"})
        EXPECT_THROW(ChmFile{dir.file(name)}, TarvoError) << name;
    // Headers that would make libchm allocate 4 GiB or divide by zero.
    for (const char* name : {"huge-block-length.chm", "zero-blocks-per-reset.chm"})
        EXPECT_THROW(ChmFile{QStringLiteral(TERRAVIKA_SOURCE_DIR "/tests/fuzz/corpus/chm/") + name},
                     TarvoError)
            << name;
}

using HelpFromMenu = MainWindowFixture;

TEST_F(HelpFromMenu, OpensInsideTheProgramWhenTheDesktopHasNoViewer) {
    QFile::copy(kBundledHelp, dir.file("Terravika.chm"));
    fp.shell.opens = false;
    Start();
    const auto boxes = fp.messages.shown.size();  // a base folder without photo sets
    form->LaunchEntry(9);
    ASSERT_TRUE(form->helpViewer);
    EXPECT_TRUE(form->helpViewer->isVisible());
    EXPECT_EQ(fp.messages.shown.size(), boxes);
    // Esc closes it; "Pomoc" shows the same window again.
    QTest::keyClick(form->helpViewer, Qt::Key_Escape);
    EXPECT_FALSE(form->helpViewer->isVisible());
    HelpViewer* first = form->helpViewer;
    form->LaunchEntry(9);
    EXPECT_EQ(form->helpViewer, first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(HelpFromMenu, MissingHelpFileIsReported) {
    fp.shell.opens = false;
    Start();
    const auto boxes = fp.messages.shown.size();
    form->LaunchEntry(9);
    EXPECT_FALSE(form->helpViewer);
    ASSERT_EQ(fp.messages.shown.size(), boxes + 1);
    EXPECT_TRUE(fp.messages.shown.back().startsWith("Brak pliku pomocy"));
}

}  // namespace

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Walks the accessible tree of the main window with each module open and
// finds a name for every control that acts; what a sighted pupil reads after
// an action reaches a screen reader as a notification.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <set>

#include "app/MainWindow.h"
#include "coords/CoordinatesWindow.h"
#include "core/Config.h"
#include "country/CountryWindow.h"
#include "data/DataAccess.h"
#include "quiz/QuizWindow.h"
#include "support/FakePlatform.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "widgets/FaceButton.h"

namespace {

bool Acts(QAccessibleInterface* item) {
    static const std::set<QAccessible::Role> kActing{
        QAccessible::Button,     QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::SpinBox,
        QAccessible::Link,       QAccessible::PageTab,      QAccessible::List,
        QAccessible::ProgressBar};
    const QAccessible::State state = item->state();
    if (state.invisible) return false;
    QAccessibleActionInterface* actions = item->actionInterface();
    return kActing.count(item->role()) || state.focusable ||
           (actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

// Every acting control under item without a name, as "objectName (role)";
// the visible tree itself goes to dump, one object a line.
void Unnamed(QAccessibleInterface* item, QStringList& found, QStringList& dump, int depth = 0) {
    ASSERT_LT(depth, 40);
    if (item->state().invisible) return;
    const QString object = item->object() ? item->object()->objectName() : "?";
    const QString name = item->text(QAccessible::Name).trimmed();
    dump.append(QStringLiteral("%1%2 (%3) \"%4\"")
                    .arg(QString(depth * 2, ' '), object)
                    .arg(int(item->role()), 0, 16)
                    .arg(name));
    // A drop-down reads as its chosen item: a label must say what it is for.
    const bool unlabelled =
        item->role() == QAccessible::ComboBox && item->relations(QAccessible::Label).isEmpty();
    if (Acts(item) && (name.isEmpty() || unlabelled))
        found.append(QStringLiteral("%1 (%2)").arg(object).arg(int(item->role())));
    for (int i = 0; i < item->childCount(); ++i)
        if (QAccessibleInterface* child = item->child(i)) Unnamed(child, found, dump, depth + 1);
}

// Keeps the dump where TERRAVIKA_TREE_DUMP points, for reading.
void KeepDump(int module, const QStringList& dump) {
    const QString folder = qEnvironmentVariable("TERRAVIKA_TREE_DUMP");
    if (folder.isEmpty()) return;
    QFile file(QStringLiteral("%1/accessible-tree-%2.txt").arg(folder).arg(module));
    if (file.open(QIODevice::WriteOnly)) file.write(dump.join('\n').toUtf8() + '\n');
}

class AccessibleTree : public ::testing::TestWithParam<int> {};

TEST_P(AccessibleTree, EveryControlThatActsHasAName) {
    TempWorkDir dir;
    // A photo set, so that the puzzle and the country window start their games.
    dir.write("Data/a.dat", MakePhotoSet("S\r\nA*a\r\nB*b\r\n", 2));
    FakePlatform fp;
    Config config;
    DataAccess data{config, fp.services};
    AppContext ctx{fp.services, config, data};
    MainWindow form(ctx);
    form.show();
    form.PositionWindows(QRect(0, 0, 1024, 768));
    const int module = GetParam();
    if (module != 0) form.LaunchEntry(module);
    if (module == 1 || module == 2)
        form.findChild<QuizWindow*>()->ShowNextQuestion();  // rows with texts
    QStringList unnamed, dump;
    Unnamed(QAccessible::queryAccessibleInterface(&form), unnamed, dump);
    KeepDump(module, dump);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(MainWindowAndModules, AccessibleTree, ::testing::Range(0, 9));

// What the window has announced: the names of its notifications, which a
// screen reader speaks as they are shown.
QStringList Announced(QWidget* window) {
    QStringList texts;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(widget);
        if (item && item->role() == QAccessible::Notification)
            texts.append(item->text(QAccessible::Name));
    }
    return texts;
}

class Spoken : public MainWindowFixture {
protected:
    void SetUp() override {
        dir.write("Data/a.dat", MakePhotoSet("S\r\nA*a\r\nB*b\r\n", 2));
        Start();
    }
    void Click(QWidget* window, const char* button) {
        QTest::mouseClick(window->findChild<FaceButton*>(button), Qt::LeftButton);
    }
};

TEST_F(Spoken, QuizQuestionWithItsAnswersThenTheVerdictButNotTheTicks) {
    form->LaunchEntry(1);
    auto* quiz = form->findChild<QuizWindow*>();
    quiz->ShowNextQuestion();
    const QStringList question = Announced(quiz);
    ASSERT_EQ(question.size(), 1);
    EXPECT_TRUE(QRegularExpression("^Pytanie numer: 1\\. .+\\. 1\\. .+\\. 2\\. .+\\. 3\\. .+$")
                    .match(question[0])
                    .hasMatch())
        << question[0].toStdString();
    for (int tick = 0; tick < 3; ++tick) quiz->CountdownTick();
    EXPECT_EQ(Announced(quiz), question) << "the countdown spoke";
    quiz->ModuleKey(Qt::Key_1);
    const QStringList verdict = Announced(quiz);
    ASSERT_EQ(verdict.size(), 2);
    EXPECT_TRUE(verdict.contains(question[0]));
    const QString said = verdict[verdict[0] == question[0] ? 1 : 0];
    EXPECT_TRUE(said.startsWith("Dobrze. Poprawnych: 1") ||
                said.startsWith("Źle. Poprawna odpowiedź: "))
        << said.toStdString();
}

TEST_F(Spoken, CoordinatesVerdict) {
    form->LaunchEntry(5);
    Click(form->findChild<CoordinatesWindow*>(), "Nastepny");
    Click(form->findChild<CoordinatesWindow*>(), "E");
    Click(form->findChild<CoordinatesWindow*>(), "N");
    const QStringList said = Announced(form->findChild<CoordinatesWindow*>());
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith("Odpowiedziałeś ")) << said[0].toStdString();
    // The grid's bare numbers say which line they belong to.
    QWidget* leftMeridian = form->findChild<CoordinatesWindow*>()->findChild<QWidget*>("Szer1");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(leftMeridian)
                    ->text(QAccessible::Name)
                    .startsWith("Południk lewy: "));
}

TEST_F(Spoken, CountryWrongName) {
    form->LaunchEntry(4);
    Click(form->findChild<CountryWindow*>(), "Sprawdz");
    EXPECT_EQ(Announced(form->findChild<CountryWindow*>()), QStringList{"NIESTETY NIE"});
}

}  // namespace

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Walks the accessible tree of the main window with each module open and
// finds a name for every control that acts.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <set>

#include "app/MainWindow.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "quiz/QuizWindow.h"
#include "support/FakePlatform.h"
#include "support/TestFiles.h"

namespace {

bool Acts(QAccessibleInterface* item) {
    static const std::set<QAccessible::Role> kActing{
        QAccessible::Button,   QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox, QAccessible::EditableText, QAccessible::SpinBox,
        QAccessible::Link,     QAccessible::PageTab,      QAccessible::List};
    const QAccessible::State state = item->state();
    if (state.invisible) return false;
    QAccessibleActionInterface* actions = item->actionInterface();
    return kActing.count(item->role()) || state.focusable ||
           (actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

// Every acting control under item without a name, as "objectName (role)".
void Unnamed(QAccessibleInterface* item, QStringList& found, int depth = 0) {
    ASSERT_LT(depth, 40);
    if (item->state().invisible) return;
    if (Acts(item) && item->text(QAccessible::Name).trimmed().isEmpty())
        found.append(QStringLiteral("%1 (%2)")
                         .arg(item->object() ? item->object()->objectName() : "?")
                         .arg(int(item->role())));
    for (int i = 0; i < item->childCount(); ++i)
        if (QAccessibleInterface* child = item->child(i)) Unnamed(child, found, depth + 1);
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
    QStringList unnamed;
    Unnamed(QAccessible::queryAccessibleInterface(&form), unnamed);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(MainWindowAndModules, AccessibleTree, ::testing::Range(0, 9));

}  // namespace

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The number fields' key filter, with key events as the window system gives
// them: Delete arrives with the character 127.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "widgets/NumberKeyFilter.h"

namespace {

struct Key {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
};

const Key kDelete{Qt::Key_Delete, "\x7f"}, kBackspace{Qt::Key_Backspace, "\b"},
    kLeft{Qt::Key_Left, ""}, kHome{Qt::Key_Home, ""}, kEnd{Qt::Key_End, ""},
    kSelectAll{Qt::Key_A, "\x01", Qt::ControlModifier};

Key Typed(char c) {
    return {Qt::Key(QChar(c).toUpper().unicode()), QString(QChar(c))};
}

TEST(NumberField, EditingKeysWorkAndOnlyDigitsAreTyped) {
    struct Case {
        const char* start;
        QList<Key> keys;
        const char* result;
    };
    const Case cases[] = {
        {"12", {kHome, kDelete}, "2"},
        {"12", {kLeft, kLeft, kDelete, kEnd, kBackspace}, ""},
        {"12", {kSelectAll, kDelete}, ""},
        {"", {Typed('4'), Typed('a'), Typed('-'), Typed(' '), Typed('5')}, "45"},
        {"", {{Qt::Key_unknown, QStringLiteral("ą")}, Typed('1')}, "1"},
    };
    for (const Case& c : cases) {
        QLineEdit edit;
        MakeNumberField(&edit);
        edit.setText(c.start);
        for (const Key& k : c.keys) {
            QKeyEvent press(QEvent::KeyPress, k.key, k.mods, k.text);
            QApplication::sendEvent(&edit, &press);
        }
        EXPECT_EQ(edit.text(), c.result) << c.start;
    }
}

// Pasted text passes the validator only when it is all ASCII digits.
TEST(NumberField, PastedTextIsKeptToDigits) {
    QLineEdit edit;
    MakeNumberField(&edit);
    edit.insert("12");
    edit.insert("3a");
    edit.insert(QStringLiteral("٣"));  // a digit, but not one the field takes
    edit.insert("-4");
    EXPECT_EQ(edit.text(), "12");
    edit.insert("34");
    EXPECT_EQ(edit.text(), "1234");
}

}  // namespace

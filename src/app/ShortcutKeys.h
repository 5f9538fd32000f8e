// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program-wide keys: Ctrl+L (photo-set chooser), Ctrl+U (settings),
// Ctrl+W (the pupil's results) and F1 (help). A shortcut acts when its letter comes up with Ctrl
// held, and also when the letter went down with Ctrl held and Ctrl came up a moment (kGraceMs)
// before the letter.
#include <Qt>

class Clock;

class ShortcutKeys {
public:
    enum class Action { None, Chooser, Settings, Results, Help };
    static constexpr double kGraceMs = 400;

    explicit ShortcutKeys(Clock& clock) : clock(clock) {}

    // A key went down; true when it belongs to a shortcut and must not reach
    // the focused control.
    bool Press(int key, Qt::KeyboardModifiers modifiers);
    // A key came up; the action it completes. Consumed() then tells whether
    // the key belonged to a shortcut.
    Action Release(int key, Qt::KeyboardModifiers modifiers);
    bool Consumed() const { return consumed; }

private:
    static bool OnlyCtrl(Qt::KeyboardModifiers modifiers);

    Clock& clock;
    double ctrlUpMs = -1e9;
    int armedKey = 0;  // a shortcut letter that went down with Ctrl held
    bool consumed = false;
};

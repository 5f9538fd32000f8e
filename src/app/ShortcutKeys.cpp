// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ShortcutKeys.h"

#include "platform/Platform.h"

namespace {

bool IsLetter(int key) {
    return key == Qt::Key_L || key == Qt::Key_U || key == Qt::Key_W;
}

}  // namespace

bool ShortcutKeys::OnlyCtrl(Qt::KeyboardModifiers modifiers) {
    return (modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)) ==
           Qt::ControlModifier;
}

bool ShortcutKeys::Press(int key, Qt::KeyboardModifiers modifiers) {
    if (IsLetter(key) && OnlyCtrl(modifiers)) {
        armedKey = key;
        return true;
    }
    return key == Qt::Key_F1 && !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
}

ShortcutKeys::Action ShortcutKeys::Release(int key, Qt::KeyboardModifiers modifiers) {
    consumed = false;
    if (key == Qt::Key_Control) {
        ctrlUpMs = clock.nowMs();
        return Action::None;
    }
    if (key == Qt::Key_F1) {
        consumed = !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
        return consumed ? Action::Help : Action::None;
    }
    if (!IsLetter(key)) return Action::None;
    const bool armed = armedKey == key;
    armedKey = 0;
    const bool lateCtrl = armed && !(modifiers & (Qt::ShiftModifier | Qt::AltModifier)) &&
                          clock.nowMs() - ctrlUpMs <= kGraceMs;
    const bool acts = OnlyCtrl(modifiers) || lateCtrl;
    consumed = acts || armed;
    if (!acts) return Action::None;
    switch (key) {
        case Qt::Key_L:
            return Action::Chooser;
        case Qt::Key_W:
            return Action::Results;
        default:
            return Action::Settings;
    }
}

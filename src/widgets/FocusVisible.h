// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keyboard focus is drawn only when it came from the keyboard: a key press
// (Tab, an arrow, a shortcut, typing) makes it visible, a mouse press or a
// touch hides it again, so that a mouse user sees the screens unchanged.
// Widgets that paint their own focus ask shown(); every other focused widget
// gets a ring drawn over it, and the style's own focus frames are dropped.
class QApplication;
class QWidget;

namespace FocusVisible {

// Watches the input of the whole program and sets the style; call once.
void Install(QApplication& app);

// Whether the widget with the focus is to show it now. Always true
// until Install() runs, so that widgets tested alone draw their focus.
bool shown();

// Marks a widget that draws its own focus (with PaintFocusRing); the ring
// over focused widgets leaves it alone.
void PaintsOwnFocus(QWidget* widget);

}  // namespace FocusVisible

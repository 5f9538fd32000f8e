// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keyboard focus is drawn only when it came from the keyboard: a key press
// (Tab, an arrow, a shortcut, typing) makes it visible, a mouse press, the
// wheel or a touch hides it again, so that a mouse user sees the screens
// unchanged.
// Widgets that paint their own focus ask shown(); every other focused widget
// gets a ring drawn over it, and the style's own focus frames are dropped.
#include <QRect>
#include <QWidget>
#include <functional>

class QApplication;

namespace FocusVisible {

// Watches the input of the whole program and sets the style; call once.
void Install(QApplication& app);

// Whether the widget with the focus is to show it now. Always true
// until Install() runs, so that widgets tested alone draw their focus.
bool shown();

// Marks a widget that draws its own focus (with PaintFocusRing); the ring
// over focused widgets leaves it alone.
void PaintsOwnFocus(QWidget* widget);

// Calls `changed` each time shown() changes, while `context` lives.
void WhenChanged(QObject* context, std::function<void()> changed);

}  // namespace FocusVisible

// A ring of two tones, dark outside and yellow inside, that stands out at 3:1
// at least against any colour round it. It shows over its target while the
// target has the focus and FocusVisible::shown(), in place of the shared ring.
class KeyFocusRing : public QWidget {
    Q_OBJECT
public:
    // Rings the target's whole rectangle, or the ellipse in `area()` when
    // that is not empty (a cursor inside the control).
    explicit KeyFocusRing(QWidget* target, std::function<QRect()> area = nullptr);
    // Shows or hides the ring after a change of focus, input or area.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;

private:
    QWidget* target;
    std::function<QRect()> area;
};

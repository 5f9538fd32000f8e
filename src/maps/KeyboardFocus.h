// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Focus shown only to a keyboard user: a watcher of the latest input (a key,
// or a mouse button) and a ring that a control shows while it has the focus
// and the latest input was a key. After a click the window looks exactly as
// it would without a keyboard.
#include <QObject>
#include <QRect>
#include <QWidget>
#include <functional>

class InputOrigin : public QObject {
    Q_OBJECT
public:
    // Watches every input event of the application while it lives.
    explicit InputOrigin(QObject* parent);
    bool FromKeys() const { return fromKeys; }

signals:
    void Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool fromKeys = false;
};

// A ring of two tones, dark outside and yellow inside, so that it stands out
// at 3:1 at least against any colour round it.
class KeyFocusRing : public QWidget {
    Q_OBJECT
public:
    // Rings the target's whole rectangle, or the ellipse in `area()` when
    // that is not empty (a cursor inside the control).
    KeyFocusRing(QWidget* target, const InputOrigin& origin, std::function<QRect()> area = nullptr);
    // Shows or hides the ring after a change of focus, input or area.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;

private:
    QWidget* target;
    const InputOrigin& origin;
    std::function<QRect()> area;
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/FocusVisible.h"

#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

#include "widgets/Accessibility.h"

namespace {

constexpr const char* kOwnFocusProperty = "terravikaPaintsOwnFocus";

bool installed = false;
bool keyboardFocus = true;

// Tells its listeners of each change of keyboardFocus.
class Notifier : public QObject {
    Q_OBJECT
signals:
    void Changed();
};

Notifier& notifier() {
    static Notifier instance;
    return instance;
}

bool IsModifier(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return true;
        default:
            return false;
    }
}

// The ring over a focused widget that does not draw its own focus. One ring
// follows the focus from widget to widget. As a focus frame it is no part of
// the accessible tree.
class Ring : public QFocusFrame {
public:
    explicit Ring(QWidget* target) : QFocusFrame(target) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        Follow(target);
    }

    void Follow(QWidget* target) {
        if (parentWidget()) parentWidget()->removeEventFilter(this);
        setParent(target);
        target->installEventFilter(this);
        Place();
    }

    void Place() {
        const bool wanted = keyboardFocus && parentWidget()->hasFocus();
        resize(parentWidget()->size());
        setVisible(wanted);
        if (wanted) raise();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::ChildAdded) Place();
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintFocusRing(p, rect());
    }
};

QPointer<Ring> ring;

// A window that holds the focus itself (to take the program's keys) gets no
// ring round the whole of it, nor does a drop-down's open list.
bool TakesRing(const QWidget* widget) {
    return widget && !widget->isWindow() && !widget->property(kOwnFocusProperty).toBool() &&
           widget->window()->windowType() != Qt::Popup;
}

void ShowFocusOf(QWidget* widget) {
    if (!TakesRing(widget)) {
        if (ring) ring->hide();
        return;
    }
    if (ring)
        ring->Follow(widget);
    else
        ring = new Ring(widget);
}

void SetKeyboardFocus(bool fromKeyboard) {
    if (keyboardFocus == fromKeyboard) return;
    keyboardFocus = fromKeyboard;
    QWidget* focus = QApplication::focusWidget();
    if (focus) focus->update();
    ShowFocusOf(focus);
    emit notifier().Changed();
}

// Tells keyboard input from pointer input for the whole program.
class InputWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride:
                if (!IsModifier(static_cast<QKeyEvent*>(event)->key())) SetKeyboardFocus(true);
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::TouchBegin:
            case QEvent::TabletPress:
            case QEvent::Wheel:
                SetKeyboardFocus(false);
                break;
            default:
                break;
        }
        return false;
    }
};

// Drops the style's own focus frames and highlights: the ring replaces them,
// and after a mouse action nothing shows the focus at all.
class NoFocusFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* p,
                       const QWidget* widget) const override {
        if (element == PE_FrameFocusRect) return;
        WithoutFocus(option, [&] { QProxyStyle::drawPrimitive(element, option, p, widget); });
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* p,
                     const QWidget* widget) const override {
        WithoutFocus(option, [&] { QProxyStyle::drawControl(element, option, p, widget); });
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* p,
                            const QWidget* widget) const override {
        WithoutFocus(option, [&] { QProxyStyle::drawComplexControl(control, option, p, widget); });
    }

private:
    template <typename Draw>
    static void WithoutFocus(const QStyleOption* option, Draw draw) {
        // The option belongs to the caller for this call only; its state is
        // put back before returning.
        auto* changed = const_cast<QStyleOption*>(option);
        const State state = option->state;
        changed->state &= ~(State_HasFocus | State_KeyboardFocusChange);
        draw();
        changed->state = state;
    }
};

}  // namespace

namespace FocusVisible {

void Install(QApplication& app) {
    if (installed) return;
    installed = true;
    keyboardFocus = false;
    app.setStyle(new NoFocusFrameStyle);
    app.installEventFilter(new InputWatch(&app));
    QObject::connect(&app, &QApplication::focusChanged,
                     [](QWidget*, QWidget* now) { ShowFocusOf(now); });
}

bool shown() {
    return keyboardFocus;
}

void PaintsOwnFocus(QWidget* widget) {
    widget->setProperty(kOwnFocusProperty, true);
}

void WhenChanged(QObject* context, std::function<void()> changed) {
    QObject::connect(&notifier(), &Notifier::Changed, context, std::move(changed));
}

}  // namespace FocusVisible

KeyFocusRing::KeyFocusRing(QWidget* target, std::function<QRect()> area)
    : QWidget(target), target(target), area(std::move(area)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    target->installEventFilter(this);
    FocusVisible::PaintsOwnFocus(target);
    FocusVisible::WhenChanged(this, [this] { Refresh(); });
    hide();
}

void KeyFocusRing::Refresh() {
    const bool shown = target->hasFocus() && FocusVisible::shown();
    if (shown) {
        resize(target->size());
        raise();
    }
    setVisible(shown);
    update();
}

bool KeyFocusRing::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut || type == QEvent::Resize) Refresh();
    return false;
}

void KeyFocusRing::paintEvent(QPaintEvent*) {
    QRect r = area ? area() : QRect();
    const bool round = !r.isEmpty();
    if (!round) r = rect();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, round);
    p.setBrush(Qt::NoBrush);
    // Dark outside, yellow inside, each two pixels wide.
    const QRectF outer = QRectF(r).adjusted(1, 1, -1, -1), inner = outer.adjusted(2, 2, -2, -2);
    for (const auto& [ring, colour] :
         {std::pair{outer, Theme::kButtonFace}, std::pair{inner, Theme::kFocusYellow}}) {
        p.setPen(QPen(colour, 2));
        if (round)
            p.drawEllipse(ring);
        else
            p.drawRect(ring);
    }
}

#include "FocusVisible.moc"

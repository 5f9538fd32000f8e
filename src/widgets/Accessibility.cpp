// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace {

constexpr const char* kRoleProperty = "terravikaAccessibleRole";

class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button && widget()->isEnabled()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &press);
        QCoreApplication::sendEvent(widget(), &release);
    }
};

class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* target) : QWidget(target) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        target->installEventFilter(this);
        hide();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            resize(parentWidget()->size());
            show();
            raise();
        }
        if (event->type() == QEvent::FocusOut) hide();
        if (event->type() == QEvent::Resize) resize(parentWidget()->size());
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintFocusRing(p, rect());
    }
};

QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new RoleAccessible(widget, QAccessible::Role(role.toInt()));
}

}  // namespace

void SetAccessible(QWidget* widget, QAccessible::Role role, const QString& name) {
    static const bool installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(kRoleProperty, int(role));
    widget->setAccessibleName(name);
}

void AddFocusRing(QWidget* widget) {
    new FocusRing(widget);
}

void Announce(QWidget* label) {
    QAccessibleEvent named(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent alert(label, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void PaintFocusRing(QPainter& p, const QRect& r, bool round, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, round);
    p.setPen(QPen(colour, 2));
    p.setBrush(Qt::NoBrush);
    const QRectF ring = QRectF(r).adjusted(1, 1, -1, -1);
    if (round)
        p.drawEllipse(ring);
    else
        p.drawRect(ring);
    p.restore();
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QWidget>

#include "widgets/Gauge.h"

namespace {

constexpr const char* kRoleProperty = "terravikaAccessibleRole";
constexpr const char* kContextProperty = "terravikaAccessibleContext";
constexpr const char* kAnnouncerName = "terravikaAnnouncer";

class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    // A label with a context reads as "context: text", so that a bare number
    // says what it counts.
    QString text(QAccessible::Text t) const override {
        const QString context = widget()->property(kContextProperty).toString();
        if (t != QAccessible::Name || context.isEmpty()) return QAccessibleWidget::text(t);
        const QString value = widget()->property("text").toString();
        return value.isEmpty() ? context : context + ": " + value;
    }

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

// A gauge reads as a progress bar with its value and range.
class GaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(Gauge* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return gauge()->progress(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return gauge()->maxValue(); }
    QVariant minimumValue() const override { return gauge()->minValue(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    Gauge* gauge() const { return static_cast<Gauge*>(widget()); }
};

QAccessibleInterface* ProgramFactory(const QString&, QObject* object) {
    if (auto* gauge = qobject_cast<Gauge*>(object)) return new GaugeAccessible(gauge);
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new RoleAccessible(widget, QAccessible::Role(role.toInt()));
}

}  // namespace

void InstallAccessibleObjects() {
    static const bool installed = [] {
        QAccessible::installFactory(ProgramFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void SetAccessible(QWidget* widget, QAccessible::Role role, const QString& name) {
    InstallAccessibleObjects();
    widget->setProperty(kRoleProperty, int(role));
    // An object Qt made for the widget before it had its role gives way.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<RoleAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    widget->setAccessibleName(name);
}

void NameByPurpose(QWidget* control, const QString& purpose) {
    control->setAccessibleName(purpose);
    auto* label = new QLabel(purpose, control->parentWidget());
    label->setBuddy(control);
    label->hide();
}

void NameWithContext(QWidget* label, const QString& context) {
    label->setProperty(kContextProperty, context);
    SetAccessible(label, QAccessible::StaticText, QString());
}

// Screen readers speak a notification when it appears, wherever the focus
// is; an unseen notification beside the label carries the text.
void Announce(QWidget* label) {
    const QString name = label->accessibleName();
    Announce(label, name.isEmpty() ? label->property("text").toString() : name);
}

void Announce(QWidget* label, const QString& text) {
    auto* announcer = label->findChild<QWidget*>(kAnnouncerName, Qt::FindDirectChildrenOnly);
    if (!announcer) {
        announcer = new QWidget(label);
        announcer->setObjectName(kAnnouncerName);
        announcer->hide();
        SetAccessible(announcer, QAccessible::Notification, text);
    }
    announcer->setAccessibleName(text);
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void PaintFocusRing(QPainter& p, const QRect& r, bool round, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, round);
    p.setBrush(Qt::NoBrush);
    auto draw = [&](const QColor& c, qreal width, qreal inset) {
        p.setPen(QPen(c, width));
        const QRectF ring = QRectF(r).adjusted(inset, inset, -inset, -inset);
        if (round)
            p.drawEllipse(ring);
        else
            p.drawRect(ring);
    };
    draw(QColor(0x10, 0x10, 0x10), 1, 0.5);
    draw(colour, 2, 2);
    p.restore();
}

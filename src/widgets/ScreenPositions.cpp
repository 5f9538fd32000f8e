// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ScreenPositions.h"

#include <QAccessible>
#include <QScreen>
#include <QWindow>

#include "widgets/Accessibility.h"

namespace {

// Qt's own accessible object for a control, with its places in pixels.
class ScreenPositioned : public QAccessibleInterface {
public:
    explicit ScreenPositioned(QAccessibleInterface* inner) : inner(inner) {}
    ~ScreenPositioned() override {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(inner));
    }

    QRect rect() const override { return ScreenPixels(inner->rect(), inner->window()); }
    QAccessibleInterface* childAt(int x, int y) const override {
        const qreal ratio = Ratio();
        return inner->childAt(qRound(x / ratio), qRound(y / ratio));
    }

    bool isValid() const override { return inner->isValid(); }
    QObject* object() const override { return inner->object(); }
    QWindow* window() const override { return inner->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        return inner->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return inner->focusChild(); }
    QAccessibleInterface* parent() const override { return inner->parent(); }
    QAccessibleInterface* child(int index) const override { return inner->child(index); }
    int childCount() const override { return inner->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return inner->indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override { return inner->text(t); }
    void setText(QAccessible::Text t, const QString& text) override { inner->setText(t, text); }
    QAccessible::Role role() const override { return inner->role(); }
    QAccessible::State state() const override { return inner->state(); }
    QColor foregroundColor() const override { return inner->foregroundColor(); }
    QColor backgroundColor() const override { return inner->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return inner->interface_cast(type);
    }

private:
    qreal Ratio() const {
        const QWindow* w = inner->window();
        return w ? w->devicePixelRatio() : 1.0;
    }
    QAccessibleInterface* inner;
};

bool making = false;

// Lets Qt make its object for the control, then wraps it.
QAccessibleInterface* ScreenPositionFactory(const QString&, QObject* object) {
    if (making) return nullptr;
    making = true;
    QAccessibleInterface* inner = QAccessible::queryAccessibleInterface(object);
    making = false;
    return inner ? new ScreenPositioned(inner) : nullptr;
}

}  // namespace

QRect ScreenPixels(const QRect& logical, const QWindow* window) {
    const qreal ratio = window ? window->devicePixelRatio() : 1.0;
    return QRect(logical.topLeft() * ratio, logical.size() * ratio);
}

void ReportScreenPositions() {
    // Qt asks the latest factory first: this one wraps all the others.
    InstallAccessibleObjects();
    QAccessible::installFactory(ScreenPositionFactory);
}

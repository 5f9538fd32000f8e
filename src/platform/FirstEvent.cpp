// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FirstEvent.h"

namespace {
class FirstEventFilter : public QObject {
public:
    FirstEventFilter(QObject* target, QEvent::Type type, std::function<void()> task)
        : QObject(target), type(type), task(std::move(task)) {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type && task) {
            const auto run = std::move(task);
            task = nullptr;
            deleteLater();
            run();
        }
        return false;
    }

private:
    QEvent::Type type;
    std::function<void()> task;
};
}  // namespace

void AtFirstEvent(QObject* target, QEvent::Type type, std::function<void()> task) {
    new FirstEventFilter(target, type, std::move(task));
}

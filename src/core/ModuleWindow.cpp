// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ModuleWindow.h"

ModuleWindow::ModuleWindow(QWidget* panel, const char* name, QRect place) : QWidget(panel) {
    setObjectName(name);
    move(place.topLeft());
    setFixedSize(place.size());
    hide();
}

void ModuleWindow::FillBackground(const QColor& colour) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

void ModuleWindow::Open(Module chosen) {
    show();
    raise();
    Opening(chosen);
}

void ModuleWindow::Close() {
    hide();
    Closing();
}

bool ModuleWindow::ModuleKey(int) {
    return false;
}

bool ModuleWindow::TakesKeysAt(const QWidget* focus) const {
    return focus == this;
}

void ModuleWindow::MenuChosen() {}

void ModuleWindow::Closing() {}

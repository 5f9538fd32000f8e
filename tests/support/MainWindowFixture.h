// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The whole program's main window in a fresh working folder, with fake
// platform services; Start() makes and shows it on a 1024 x 768 work area.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <string>

#include "app/MainWindow.h"
#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "support/FakePlatform.h"
#include "support/TestFiles.h"

// The widget with the keyboard focus, by class and name, for failure messages.
inline std::string FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus) return "no focus";
    return std::string(focus->metaObject()->className()) + " " + focus->objectName().toStdString();
}

class MainWindowFixture : public ::testing::Test {
protected:
    TempWorkDir dir;
    FakePlatform fp;
    Config config;
    DataAccess data{config, fp.services};
    AppContext ctx{fp.services, config, data};
    std::unique_ptr<MainWindow> form;

    void Start() {
        form = std::make_unique<MainWindow>(ctx);
        form->show();
        form->PositionWindows(QRect(0, 0, 1024, 768));
    }
    // A module's window once opened, as the pupil meets it; null before.
    template <class Window>
    Window* Open() const {
        return form->findChild<Window*>();
    }
};

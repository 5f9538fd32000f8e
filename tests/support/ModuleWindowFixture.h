// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One module window on a panel of its own, with fake platform services and
// the default settings; ShowPanel() puts the panel on screen at its size.
#include <gtest/gtest.h>

#include <QWidget>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "support/FakePlatform.h"

template <class Window>
struct ModuleWindowFixture : ::testing::Test {
    FakePlatform fp;
    Config config;
    DataAccess data{config, fp.services};
    AppContext ctx{fp.services, config, data};
    QWidget panel;
    Window* form = new Window(ctx, &panel);

    void ShowPanel() {
        panel.resize(800, 580);
        panel.show();
    }
};

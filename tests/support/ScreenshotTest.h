// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Base of the tests that write screenshots of module windows into the folder
// named by TERRAVIKA_SHOTS (skipped when it is not set): fake platform
// services, the bundled content as base folder, the program's own font, and
// an 800 x 580 panel standing in for the main window's panel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QWidget>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "platform/TarvoApplication.h"
#include "support/FakePlatform.h"

struct ScreenshotTest : ::testing::Test {
    QString folder = qEnvironmentVariable("TERRAVIKA_SHOTS");
    FakePlatform fp;
    Config config;
    DataAccess data{config, fp.services};
    AppContext ctx{fp.services, config, data};
    QWidget panel;

    void SetUp() override {
        if (folder.isEmpty())
            GTEST_SKIP() << "set TERRAVIKA_SHOTS to a folder to write screenshots";
        TarvoApplication::UseBundledFont();
        config.BaseFolder = TERRAVIKA_SOURCE_DIR "/content";
        panel.resize(800, 580);
        panel.show();
    }
    void Save(QWidget* window, const QString& name) {
        QApplication::processEvents();
        ASSERT_TRUE(window->grab().save(QDir(folder).filePath(name)));
    }
};

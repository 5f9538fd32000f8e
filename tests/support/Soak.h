// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Drives the whole program with random input: clicks and moves anywhere on
// the main window and its modules, keys to the focused control, menu
// launches, and the two dialogs opened and closed. Deterministic per seed.
#include <QPoint>
#include <QString>
#include <random>

#include "app/MainWindow.h"
#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "support/FakePlatform.h"

// The whole program with fake platform services, on a copy of the bundled
// photo sets and maps in base (made the working folder), shown on a
// 1024 x 768 work area.
struct SoakProgram {
    explicit SoakProgram(const QString& base);
    FakePlatform fp;
    Config config;
    DataAccess data{config, fp.services};
    AppContext ctx{fp.services, config, data};
    MainWindow form{ctx};
};

class SoakDriver {
public:
    SoakDriver(MainWindow& form, unsigned seed) : form(form), rng(seed) {}
    void Run(int events);
    // Resident memory of this process in KiB.
    static long ResidentKiB();

private:
    void Step();
    void Click(QPoint panelPoint);
    void Move(QPoint panelPoint);
    void Key();
    void Dialog();
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    MainWindow& form;
    std::mt19937 rng;
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakePlatform.h"

#include <QCoreApplication>
#include <algorithm>

void FakeWaits::processEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

int FakeRandom::uniform(int lo, int hi) {
    if (!script.empty()) {
        int v = script.front();
        script.pop_front();
        return std::clamp(v, lo, hi);
    }
    state = state * 1103515245u + 12345u;
    return lo + int((state >> 8) % unsigned(hi - lo + 1));
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The long soak: random events over the whole program on its bundled content
// with fake waits and sounds, printing resident memory as it goes.
// Usage: soak [EVENTS] (default 100000).
#include "support/Soak.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int events = argc > 1 ? atoi(argv[1]) : 100000;
    QTemporaryDir base;
    SoakProgram program(base.path());
    SoakDriver driver(program.form, 7);
    const int chunk = std::max(1, events / 20);
    long midKiB = 0, maxLate = 0, minLate = LONG_MAX;
    for (int done = 0; done < events; done += chunk) {
        driver.Run(std::min(chunk, events - done));
        const long kib = SoakDriver::ResidentKiB();
        if (done + chunk >= events / 2) {
            if (!midKiB) midKiB = kib;
            maxLate = std::max(maxLate, kib);
            minLate = std::min(minLate, kib);
        }
        std::printf("%d events, resident %ld KiB\n", std::min(done + chunk, events), kib);
        std::fflush(stdout);
    }
    std::printf("second half: resident %ld..%ld KiB, drift %.1f %% of %ld KiB\n", minLate, maxLate,
                100.0 * (maxLate - minLate) / midKiB, midKiB);
    return 0;
}

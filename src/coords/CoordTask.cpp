// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coords/CoordTask.h"

#include "platform/Platform.h"

void CoordTask::Solve() {
    longitude = east ? lonBase + column : lonBase + 10 - column;
    latitude = north ? latBase + 10 - row : latBase + row;
}

QString CoordTask::RightAnswer() const {
    return QStringLiteral("%1°%2 %3°%4")
        .arg(longitude)
        .arg(east ? 'E' : 'W')
        .arg(latitude)
        .arg(north ? 'N' : 'S');
}

CoordTask DrawCoordTask(Random& random) {
    CoordTask task;
    random.seedFromClock();
    task.lonBase = 10 * random.uniform(0, 16);
    task.east = random.uniform(0, 99) % 2 == 0;
    task.latBase = 10 * (random.uniform(0, 999) % 9);
    task.north = random.uniform(0, 99) % 2 != 0;
    random.seedFromClock();
    task.column = random.uniform(0, 999) % 11;
    task.row = random.uniform(0, 999) % 11;
    task.Solve();
    return task;
}

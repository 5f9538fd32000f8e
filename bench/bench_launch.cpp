// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Decoding one photo-set picture, and the time from a menu click to the
// module shown with the real clock and waits (the zoom frames included;
// their floor is 2 x 12 x 8.64 ms = 207.4 ms for a close and an open).
#include <benchmark/benchmark.h>

#include <QDir>

#include "app/MainWindow.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "data/ImageCodecs.h"
#include "data/PackReader.h"
#include "platform/RealPlatform.h"

namespace {

const QString kContent = QStringLiteral(TERRAVIKA_SOURCE_DIR "/content");

void BM_DecodePhoto(benchmark::State& state) {
    PackReader pak;
    pak.Open(kContent + "/Data/Europa.dat");
    const QByteArray jpeg = *pak.Extract("Im1.jpg");
    for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(jpeg));
}
BENCHMARK(BM_DecodePhoto)->Unit(benchmark::kMillisecond);

void BM_MenuClickToModuleShown(benchmark::State& state) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(kContent);  // the bundled base folder; Tarvo.ini exists after a run
    RealPlatform platform;
    Config config;
    DataAccess data(config, platform.services);
    AppContext ctx{platform.services, config, data};
    MainWindow form(ctx);
    form.show();
    form.PositionWindows(QRect(0, 0, 1024, 768));
    form.LaunchEntry(8);
    int entry = 3;
    for (auto _ : state) {
        form.LaunchEntry(entry);
        entry = entry == 8 ? 3 : entry + 1;
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_MenuClickToModuleShown)->Unit(benchmark::kMillisecond)->Iterations(12);

}  // namespace

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The map module's two hot paths: the Learn-mode lookup run on every pointer
// movement (one key-bitmap pixel and one table lookup), and the loading of a
// continent's two images (archive read plus JPEG and BMP decoding).
#include <benchmark/benchmark.h>

#include <QFile>

#include "core/Config.h"
#include "data/DataAccess.h"
#include "data/ImageCodecs.h"
#include "data/PackReader.h"
#include "maps/MapModel.h"
#include "maps/MapTables.h"
#include "support/FakePlatform.h"

namespace {

const QString kContent = QStringLiteral(TERRAVIKA_SOURCE_DIR "/content");

QByteArray Entry(const QString& name) {
    PackReader archive;
    if (!archive.Open(kContent + "/Maps/GeoMap.dat")) return {};
    return archive.Extract(name).value_or(QByteArray());
}

// Azja has the longest country list, so its lookups are the slowest.
void BM_LearnLookup(benchmark::State& state) {
    const QByteArray bmp = Entry("Azja.bmp");
    if (bmp.isEmpty()) return state.SkipWithError("no bundled map archive");
    const QImage key = DecodeBmp(bmp).convertToFormat(QImage::Format_RGB32);
    MapModel model;
    model.continent = 7;
    int x = 0, y = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.LookUp(MapModel::KeyColourAt(key, {x, y})));
        x = (x + 7) % key.width();
        y = (y + 3) % key.height();
    }
}
BENCHMARK(BM_LearnLookup);

void BM_DecodeContinent(benchmark::State& state) {
    const QByteArray jpg = Entry("Azja.jpg"), bmp = Entry("Azja.bmp");
    if (jpg.isEmpty() || bmp.isEmpty()) return state.SkipWithError("no bundled map archive");
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeBmp(bmp).convertToFormat(QImage::Format_RGB32));
        benchmark::DoNotOptimize(DecodeJpeg(jpg));
    }
}
BENCHMARK(BM_DecodeContinent)->Unit(benchmark::kMillisecond);

// What LoadContinent waits for: both LoadMapImage calls, each reopening the archive.
void BM_LoadMapImages(benchmark::State& state) {
    if (!QFile::exists(kContent + "/Maps/GeoMap.dat"))
        return state.SkipWithError("no bundled map archive");
    Config config;
    config.BaseFolder = kContent;
    FakePlatform fp;
    DataAccess data(config, fp.services);
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.LoadMapImage("Azja.bmp", 0));
        benchmark::DoNotOptimize(data.LoadMapImage("Azja.jpg", 1));
    }
}
BENCHMARK(BM_LoadMapImages)->Unit(benchmark::kMillisecond);

}  // namespace

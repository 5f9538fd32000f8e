// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The zoom effect with the real clock and waits: its floor is 12 frames of
// 8.64 ms = 103.7 ms; anything above is drawing and repainting.
#include <benchmark/benchmark.h>

#include "core/ZoomEffect.h"
#include "data/ResourceImages.h"
#include "platform/RealPlatform.h"
#include "widgets/ImageView.h"

static void BM_ZoomOpen(benchmark::State& state) {
    RealPlatform platform;
    ImageView view;
    view.resize(800, 580);
    view.image = LoadJpegResource("TloGlowne");
    view.show();
    const QRect target(QPoint(192, 234), QPoint(572, 504));
    for (auto _ : state) ZoomOpen({&view.image, &view}, platform.services, 600, 80, target);
}
BENCHMARK(BM_ZoomOpen)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

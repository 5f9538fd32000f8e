// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Parses arbitrary bytes as a Tarvo.ini; the puzzle's reading of the values
// must always be usable.
#include <cstdint>
#include <cstdlib>

#include "core/Config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Config config =
        ParseConfig(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const int seconds = PuzzleSeconds(config);
    if (seconds != 60 && seconds != 120 && seconds != 180) std::abort();
    return 0;
}

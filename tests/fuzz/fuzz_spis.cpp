// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Decodes arbitrary bytes as a photo set's Spis.txt.
#include <cstdint>

#include "data/DataAccess.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DataAccess::DecodeList(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}

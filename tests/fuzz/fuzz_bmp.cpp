// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Decodes arbitrary bytes as a Windows BMP; failures must be clean exceptions.
#include <cstdint>

#include "data/ImageCodecs.h"
#include "platform/TarvoError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        DecodeBmp(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const TarvoError&) {
    }
    return 0;
}

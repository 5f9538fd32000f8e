// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the PACK reader as an archive file and extracts
// every entry it lists.
#include <QTemporaryFile>
#include <cstdint>

#include "data/PackReader.h"
#include "platform/TarvoError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTemporaryFile file;
    if (!file.open()) return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();
    PackReader pak;
    try {
        if (pak.Open(file.fileName()))
            for (int i = 0; i < pak.Names().size(); ++i) pak.Extract(pak.Names()[i]);
    } catch (const TarvoError&) {
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens arbitrary bytes as a photo set in the set editor's draft, as the
// teacher's "Otwórz zestaw…" does: every picture is decoded and cut.
#include <QTemporaryFile>
#include <cstdint>

#include "editor/PhotoSetDraft.h"
#include "platform/TarvoError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTemporaryFile file;
    if (!file.open()) return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();
    // Opening measures no text, so the labels need no font.
    PhotoSetDraft draft{PhotoSetRules::PuzzleLabels{}};
    try {
        draft.Open(file.fileName());
    } catch (const TarvoError&) {
    }
    return 0;
}

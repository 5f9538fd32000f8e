// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens arbitrary bytes as a compiled help file, reads its table of contents
// and every object it lists; failures must be clean exceptions or empty reads.
#include <QFile>
#include <QTemporaryFile>
#include <cstdint>

#include "help/ChmFile.h"
#include "help/HelpContents.h"
#include "platform/TarvoError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryFile file;
    if (!file.isOpen() && !file.open()) return 0;
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();
    try {
        const ChmFile help(file.fileName());
        ReadHelpBook(help);
        for (const QString& path : help.files()) help.read(path);
    } catch (const TarvoError&) {
    }
    return 0;
}

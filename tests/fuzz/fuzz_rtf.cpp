// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the RTF reader and lays the document out at the
// width of the explorers' text view, as the window would.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

#include "explorers/RtfReader.h"

namespace {

void EnsureApplication() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnsureApplication();
    QTextDocument document;
    ReadRtf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), document);
    document.setTextWidth(329);
    (void)document.size();
    (void)document.toPlainText();
    return 0;
}

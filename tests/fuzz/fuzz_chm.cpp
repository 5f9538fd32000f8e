// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens arbitrary bytes as a compiled help file, reads its table of contents
// and every object it lists, looks up every name its pages link to as the
// viewer does, and checks and lays out each page that keeps the viewer's
// bounds; failures must be clean exceptions or empty reads.
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTextDocument>
#include <cstdint>

#include "help/ChmFile.h"
#include "help/HelpContents.h"
#include "help/HelpPage.h"
#include "platform/TarvoError.h"

namespace {

void EnsureApplication() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_chm";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

void ShowPage(const ChmFile& help, const QString& html) {
    static const QRegularExpression link("(?:href|src)\\s*=\\s*\"([^\"]*)\"",
                                         QRegularExpression::CaseInsensitiveOption);
    for (auto it = link.globalMatch(html.left(1 << 16)); it.hasNext();)
        help.read('/' + it.next().captured(1).section('#', 0, 0));
    if (!HelpPageProblem(html).isEmpty()) return;
    QTextDocument page;
    // Nothing outside the file: every resource is empty.
    page.setResourceProvider([](const QUrl&) { return QVariant(QString()); });
    page.setHtml(html);
    if (!HelpLayoutProblem(page).isEmpty()) return;
    page.setTextWidth(600);
    (void)page.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnsureApplication();
    static QTemporaryFile file;
    if (!file.isOpen() && !file.open()) return 0;
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();
    try {
        const ChmFile help(file.fileName());
        ReadHelpBook(help);
        for (const QString& path : help.files()) {
            const QByteArray bytes = help.read(path);
            if (path.endsWith(".htm", Qt::CaseInsensitive) ||
                path.endsWith(".html", Qt::CaseInsensitive))
                ShowPage(help, DecodeHelpText(bytes));
        }
    } catch (const TarvoError&) {
    }
    return 0;
}

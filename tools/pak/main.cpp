// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// terravika-pak: builds, lists, extracts and checks PACK archives, and builds
// photo sets from a folder of pictures.
#include <QGuiApplication>
#include <QTextStream>
#include <exception>

#include "PakCommands.h"
#include "platform/TarvoError.h"

namespace {

const char* const kUsage =
    "Użycie: terravika-pak POLECENIE ...\n"
    "  create ARCHIWUM PLIK...         buduje archiwum z plików\n"
    "  list ARCHIWUM                   wypisuje pozycje i ich rozmiary\n"
    "  extract ARCHIWUM NAZWA [-o PLIK] wydobywa jedną pozycję\n"
    "  check ARCHIWUM                  sprawdza budowę archiwum\n"
    "  photoset FOLDER ARCHIWUM        buduje zestaw obrazków z folderu\n";

// The tool speaks to its user in Polish only: Qt's own notes about the
// desktop it runs on (a missing runtime folder and the like) stay silent.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << "terravika-pak: " << message << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    // Photo sets are measured in the program's font, which needs a GUI
    // application; the tool shows no window, so it never needs a display.
    qInstallMessageHandler(QuietQt);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);
    PakIo io{out, err};
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    try {
        if (command == "create") return PakCreate(args, io);
        if (command == "list") return PakList(args, io);
        if (command == "extract") return PakExtract(args, io);
        if (command == "check") return PakCheck(args, io);
        if (command == "photoset") return PakPhotoset(args, io);
        err << QString::fromUtf8(kUsage);
    } catch (const TarvoError& error) {
        err << "terravika-pak: " << error.message() << "\n";
    } catch (const std::exception& error) {
        err << "terravika-pak: " << QString::fromUtf8(error.what()) << "\n";
    }
    return 2;
}

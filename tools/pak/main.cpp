// terravika-pak: builds, lists, extracts and checks PACK archives, and builds
// photo sets from a folder of pictures.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <exception>

#include "PakCommands.h"
#include "data/TarvoError.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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
        err << "usage: terravika-pak create|list|extract|check|photoset ...\n";
    } catch (const TarvoError& error) {
        err << "terravika-pak: " << error.message() << "\n";
    } catch (const std::exception& error) {
        err << "terravika-pak: " << error.what() << "\n";
    }
    return 2;
}

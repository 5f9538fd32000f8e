// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// terravika-zestawy: the teachers' editor of photo sets for the puzzle and
// country recognition.
#include <QApplication>

#include "editor/PhotoSetEditor.h"
#include "platform/RealPlatform.h"
#include "platform/TarvoApplication.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("terravika-zestawy");
    app.setApplicationDisplayName(QStringLiteral("Terravika – zestawy obrazków"));
    app.setDesktopFileName("pl.terravika.Zestawy");
    TarvoApplication::UseWindowIcon();
    RealPlatform platform;
    PhotoSetEditor window(platform.services.messages);
    if (app.arguments().size() > 1) window.OpenSet(app.arguments().at(1));
    window.show();
    return app.exec();
}

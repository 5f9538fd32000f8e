// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// terravika-zestawy: the teachers' editor of photo sets for the puzzle and
// country recognition.
#include <QApplication>
#include "platform/TarvoApplication.h"
#include "editor/PhotoSetEditor.h"
#include "platform/RealPlatform.h"
#include "platform/TarvoApplication.h"

int main(int argc, char** argv) {
    // No exception crosses Qt's event loop: the application shows it in a box.
    TarvoApplication app(argc, argv, TarvoApplication::Role::SetEditor);
    RealPlatform platform;
    PhotoSetEditor window(platform.services.messages);
    if (app.arguments().size() > 1) window.OpenSet(app.arguments().at(1));
    window.show();
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Terravika świata: reads the command line, sets the scale, starts the
// application, creates the main window (which makes each module window at
// its first open) and runs the message loop.
//
// --quit-when-shown ends the program as soon as the main window is on the
// screen; the start-up benchmark times that.
#include <QScreen>
#include <QTextStream>
#include <QWindow>
#include <cstdio>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/ScreenScale.h"
#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "platform/RealPlatform.h"
#include "platform/TarvoApplication.h"
#include "widgets/FocusVisible.h"
#include "widgets/ScreenPositions.h"

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    StartOptions options;
    {
        QTextStream out(stdout), err(stderr);
        if (const std::optional<int> exit =
                ReadCommandLine(Arguments(argc, argv), options, out, err))
            return *exit;
    }
    TarvoApplication::ChooseWindowSystem();
    std::optional<ScaleEnvironment> scaling;
    if (options.scale.kind != ScaleRequest::Kind::Plain) {
        scaling.emplace();
        scaling->SetFactor(ScaleFactorFor(options.scale));
    }
    TarvoApplication app(argc, argv);
    FocusVisible::Install(app);
    if (scaling) {
        scaling->Restore();
        ReportScreenPositions();
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (const QString note =
                CutOffNote(screen->availableGeometry().size(), screen->devicePixelRatio());
            !note.isEmpty())
            QTextStream(stderr) << note << '\n';
    }
    RealPlatform platform;
    Config config;
    DataAccess data(config, platform.services);
    AppContext ctx{platform.services, config, data};
    MainWindow main(ctx);
    main.show();
    if (options.quitWhenShown) {
        while (!main.windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();
        return 0;
    }
    return app.exec();
}

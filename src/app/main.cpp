// Terravika świata: starts the application, creates the main window (which
// creates the module windows) and runs the message loop.
//
// --quit-when-shown ends the program as soon as the main window is on the
// screen; the start-up benchmark times that.
#include <QWindow>

#include "app/TForm1.h"
#include "app/TarvoApplication.h"
#include "core/AppContext.h"
#include "core/Config.h"
#include "data/UPaker.h"
#include "platform/RealPlatform.h"

int main(int argc, char** argv) {
    TarvoApplication::ChooseWindowSystem();
    TarvoApplication app(argc, argv);
    RealPlatform platform;
    Config config;
    DataAccess data(config, platform.services);
    AppContext ctx{platform.services, config, data};
    TForm1 main(ctx);
    main.show();
    platform.sounds.PrepareAfterFirstPaint(main.windowHandle());
    if (app.arguments().contains("--quit-when-shown")) {
        while (!main.windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();
        return 0;
    }
    return app.exec();
}

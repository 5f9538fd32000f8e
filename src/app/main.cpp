// Terravika świata: starts the application, creates the main window (which
// creates the module windows) and runs the message loop.
#include "app/AppContext.h"
#include "app/Config.h"
#include "app/TForm1.h"
#include "app/TarvoApplication.h"
#include "data/UPaker.h"
#include "platform/RealPlatform.h"

int main(int argc, char** argv) {
    TarvoApplication app(argc, argv);
    RealPlatform platform;
    Config config;
    DataAccess data(config, platform.services);
    AppContext ctx{platform.services, config, data};
    TForm1 main(ctx);
    main.show();
    return app.exec();
}

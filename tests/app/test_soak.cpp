#include <gtest/gtest.h>

#include "app/Config.h"
#include "app/TForm1.h"
#include "data/UPaker.h"
#include "platform/FakePlatform.h"
#include "support/Soak.h"
#include "support/TestFiles.h"

// A few thousand random events over the whole program on its bundled
// content, with fake waits and sounds: nothing may crash or hang.
TEST(Soak, RandomInputOverTheWholeProgram) {
    TempWorkDir dir;
    for (const char* folder : {"Data", "Maps"}) {
        const QDir from(QStringLiteral(TERRAVIKA_SOURCE_DIR "/content/") + folder);
        QDir().mkpath(dir.file(folder));
        for (const QString& name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), dir.file(QString(folder) + "/" + name));
    }
    FakePlatform fp;
    Config config;
    DataAccess data(config, fp.services);
    AppContext ctx{fp.services, config, data};
    TForm1 form(ctx);
    form.show();
    form.PositionWindows(QRect(0, 0, 1024, 768));
    SoakDriver(form, 20261208).Run(3000);
    EXPECT_GE(form.ActiveModule, 1);
}

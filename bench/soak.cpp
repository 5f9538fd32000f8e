// The long soak: random events over the whole program on its bundled content
// with fake waits and sounds, printing resident memory as it goes.
// Usage: soak [EVENTS] (default 100000); run from the repository root.
#include "support/Soak.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "app/Config.h"
#include "app/TForm1.h"
#include "data/UPaker.h"
#include "platform/FakePlatform.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int events = argc > 1 ? atoi(argv[1]) : 100000;
    QTemporaryDir base;
    for (const char* folder : {"Data", "Maps"}) {
        const QDir from(QStringLiteral(TERRAVIKA_SOURCE_DIR "/content/") + folder);
        QDir().mkpath(base.filePath(folder));
        for (const QString& name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), base.filePath(QString(folder) + "/" + name));
    }
    QDir::setCurrent(base.path());
    FakePlatform fp;
    Config config;
    DataAccess data(config, fp.services);
    AppContext ctx{fp.services, config, data};
    TForm1 form(ctx);
    form.show();
    form.PositionWindows(QRect(0, 0, 1024, 768));
    SoakDriver driver(form, 7);
    const int chunk = std::max(1, events / 20);
    long midKiB = 0, maxLate = 0, minLate = LONG_MAX;
    for (int done = 0; done < events; done += chunk) {
        driver.Run(std::min(chunk, events - done));
        const long kib = SoakDriver::ResidentKiB();
        if (done + chunk >= events / 2) {
            if (!midKiB) midKiB = kib;
            maxLate = std::max(maxLate, kib);
            minLate = std::min(minLate, kib);
        }
        std::printf("%d events, resident %ld KiB\n", std::min(done + chunk, events), kib);
        std::fflush(stdout);
    }
    std::printf("second half: resident %ld..%ld KiB, drift %.1f %% of %ld KiB\n", minLate, maxLate,
                100.0 * (maxLate - minLate) / midKiB, midKiB);
    return 0;
}

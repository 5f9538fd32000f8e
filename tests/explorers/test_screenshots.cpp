// Writes the screenshots of the coordinates exercise, the explorers reader
// and the About window into the folder named by TERRAVIKA_SHOTS (skipped
// when it is not set), drawn with the program's own font and bundled content.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include "app/AppContext.h"
#include "app/Config.h"
#include "app/TFAutor.h"
#include "app/TarvoApplication.h"
#include "coords/TFUklad.h"
#include "data/UPaker.h"
#include "explorers/TFOdkrywcy.h"
#include "platform/FakePlatform.h"
#include "widgets/TColorButton.h"

namespace {

struct Shots : ::testing::Test {
    QString folder = qEnvironmentVariable("TERRAVIKA_SHOTS");
    FakePlatform fp;
    Config config;
    DataAccess data{config, fp.services};
    AppContext ctx{fp.services, config, data};
    QWidget panel;

    void SetUp() override {
        if (folder.isEmpty())
            GTEST_SKIP() << "set TERRAVIKA_SHOTS to a folder to write screenshots";
        TarvoApplication::UseBundledFont();
        config.BaseFolder = TERRAVIKA_SOURCE_DIR "/content";
        panel.resize(800, 580);
        panel.show();
    }
    void Save(QWidget* window, const QString& name) {
        QApplication::processEvents();
        ASSERT_TRUE(window->grab().save(QDir(folder).filePath(name)));
    }
    void Answer(TFUklad* form, const QString& lon, TColorButton* side, const QString& lat,
                TColorButton* pole) {
        QTest::keyClicks(form->OdpEdit, lon);
        QTest::mouseClick(side, Qt::LeftButton);
        QTest::keyClicks(form->OdpEdit, lat);
        QTest::mouseClick(pole, Qt::LeftButton);
    }
};

}  // namespace

TEST_F(Shots, Coordinates) {
    auto* form = new TFUklad(ctx, &panel);
    form->show();
    fp.random.script = {2, 10, 13, 7, 25, 40};  // 23°E 43°N
    QTest::mouseClick(form->Nastepny, Qt::LeftButton);
    QTest::keyClicks(form->OdpEdit, "23");
    Save(form, "coords-asking.png");
    QTest::mouseClick(form->E, Qt::LeftButton);
    QTest::keyClicks(form->OdpEdit, "44");
    QTest::mouseClick(form->N, Qt::LeftButton);
    Save(form, "coords-right.png");
    fp.random.script = {10, 1, 3, 0, 3, 7};  // 107°W 37°S
    QTest::mouseClick(form->Nastepny, Qt::LeftButton);
    Answer(form, "107", form->E, "37", form->S);
    Save(form, "coords-wrong.png");
}

TEST_F(Shots, ExplorersAndAbout) {
    auto* reader = new TFOdkrywcy(ctx, &panel);
    reader->show();
    Save(reader, "explorers-wstep.png");
    reader->ListaKombo->setCurrentIndex(8);
    emit reader->ListaKombo->activated(8);
    Save(reader, "explorers-kolumb.png");
    reader->hide();
    auto* about = new TFAutor(ctx, &panel);
    about->show();
    Save(about, "about.png");
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QStringEncoder>
#include <QtEndian>

#include "core/Config.h"
#include "data/DataAccess.h"
#include "platform/TarvoError.h"
#include "support/FakePlatform.h"
#include "support/Limits.h"
#include "support/TestFiles.h"

namespace {

QByteArray ListOf(int pictures) {
    QByteArray list = "Zestaw\r\nZERO*zero\r\n";
    for (int n = 1; n <= pictures; ++n) list += "KRAJ" + QByteArray::number(n) + "*opis\r\n";
    return list;
}

class DataTest : public ::testing::Test {
protected:
    TempWorkDir dir;
    FakePlatform fp;
    Config config;
    DataAccess data{config, fp.services};

    void Start() {
        ReadConfig(config);
        data.InitDataAccess();
    }
};

TEST_F(DataTest, NoPhotoSetIsReportedAndLeavesNothingOpen) {
    Start();
    EXPECT_EQ(fp.messages.shown, QStringList{"Brak pliku z fotografiami|Błąd"});
    EXPECT_EQ(data.PhotoSetCount(), 0);
    EXPECT_EQ(data.PictureCount(), 0);
    EXPECT_THROW(data.LoadPhotoSetPicture(1), TarvoError);
}

TEST_F(DataTest, StoredIndexTooLargeStartsWithTheFirstSetAndRewritesIt) {
    dir.write("Tarvo.ini", "Name=5\r\n");
    dir.write("Data/b.dat", MakePhotoSet(ListOf(2), 2));
    dir.write("Data/a.dat", MakePhotoSet(ListOf(10), 10));
    Start();
    EXPECT_EQ(data.PhotoSetList(), QStringList({"a", "b"}));
    EXPECT_EQ(config.PhotoSetIndex, 0);
    EXPECT_EQ(data.PictureCount(), 10);
    EXPECT_TRUE(dir.read("Tarvo.ini").contains("Name=0\r\n"));
    EXPECT_TRUE(fp.messages.shown.isEmpty());
}

TEST_F(DataTest, FindsSetsWithoutRegardToCaseSkippingFoldersAndSorting) {
    dir.write("DATA/Świat.DAT", MakePhotoSet(ListOf(1), 1));
    dir.write("DATA/europa.dat", MakePhotoSet(ListOf(1), 1));
    dir.write("DATA/Azja.dat", MakePhotoSet(ListOf(1), 1));
    dir.write("DATA/zdat", MakePhotoSet(ListOf(1), 1));
    dir.write("DATA/folder.dat/x.txt", "x");
    dir.write("DATA/notes.txt", "x");
    Start();
    EXPECT_EQ(data.PhotoSetList(), QStringList({"Azja", "europa", "Świat", "zdat"}));
}

TEST_F(DataTest, UpperCaseSetOpensByTheNameItWasFoundUnder) {
    dir.write("Data/EUROPA.DAT", MakePhotoSet(ListOf(2), 2));
    Start();
    EXPECT_EQ(data.PhotoSetList(), QStringList{"EUROPA"});
    EXPECT_EQ(data.PictureCount(), 2);
    EXPECT_EQ(data.PhotoSetFiles(), QStringList{"EUROPA.DAT"});
    EXPECT_NO_THROW(data.LoadPhotoSetPicture(2));  // opened by that name
    EXPECT_TRUE(fp.messages.shown.isEmpty());
}

TEST_F(DataTest, DamagedPictureLosesOnlyItselfAndHugeListsAreRefused) {
    QByteArray set = MakePhotoSet(ListOf(3), 3);
    // Picture 2 (the third directory record) claims more bytes than follow it.
    const qint32 records = qFromLittleEndian<qint32>(set.constData() + 4);
    qToLittleEndian<qint32>(1 << 30, set.data() + records + 2 * 128 + 124);
    dir.write("Data/a.dat", set);
    dir.write("Data/b.dat", MakePhotoSet("Zestaw\r\n" + QByteArray(2 << 20, '\n'), 0));
    Start();
    EXPECT_EQ(data.PictureCount(), 3);
    EXPECT_NO_THROW(data.LoadPhotoSetPicture(3));
    EXPECT_THROW(data.LoadPhotoSetPicture(2), TarvoError);
    config.PhotoSetIndex = 1;
    EXPECT_FALSE(data.OpenPhotoSet());
    EXPECT_EQ(data.PictureCount(), 3);
    EXPECT_EQ(fp.messages.shown, QStringList{"Problem z odczytem|Błąd"});
}

TEST_F(DataTest, SpecialFilesNamedLikeArchivesNeverBlock) {
    dir.write("Data/a.dat", MakePhotoSet(ListOf(1), 1));
    QDir(dir.path()).mkpath("Maps");
    for (const char* name : {"Data/fifo.dat", "Maps/GeoMap.dat"})
        ASSERT_EQ(mkfifo(QFile::encodeName(dir.file(name)).constData(), 0600), 0);
    const int result = RunInChild(
        [&] {
            Start();
            if (data.PhotoSetList() != QStringList{"a"} || data.PictureCount() != 1) return 1;
            // The listed set turns into a FIFO before it is opened again.
            QFile::remove(dir.file("Data/a.dat"));
            if (mkfifo(QFile::encodeName(dir.file("Data/a.dat")).constData(), 0600) != 0) return 4;
            if (data.OpenPhotoSet()) return 2;
            try {
                data.LoadMapImage("Europa.jpg", 1);
            } catch (const TarvoError&) {
                return 0;
            }
            return 3;
        },
        256 << 20, 1000);
    EXPECT_EQ(result, 0);
}

TEST_F(DataTest, ListLinesGivePictureCountAndPicturesLoad) {
    dir.write("Tarvo.ini", "Name=1\r\n");
    dir.write("Data/a.dat", MakePhotoSet(ListOf(1), 1));
    dir.write("Data/b.dat", MakePhotoSet(ListOf(10), 10));
    Start();
    ASSERT_EQ(data.PictureList().size(), 12);
    EXPECT_EQ(data.PictureCount(), 10);
    EXPECT_EQ(data.PictureList()[11], "KRAJ10*opis");
    data.LoadPhotoSetPicture(10);
    EXPECT_EQ(data.PictureBitmap().size(), QSize(384, 256));
    EXPECT_EQ(fp.waits.pauses, std::vector<int>{10});
    EXPECT_THROW(data.LoadPhotoSetPicture(11), TarvoError);
}

TEST_F(DataTest, UnreadableSetKeepsThePreviousList) {
    dir.write("Data/a.dat", MakePhotoSet(ListOf(3), 3));
    dir.write("Data/b.dat", "not an archive");
    Start();
    ASSERT_EQ(data.PictureCount(), 3);
    data.ChangePhotoSet(1);
    EXPECT_EQ(fp.messages.shown, QStringList{"Problem z odczytem|Błąd"});
    EXPECT_EQ(data.PictureCount(), 3);
    EXPECT_TRUE(dir.read("Tarvo.ini").contains("Name=1\r\n"));
}

TEST_F(DataTest, ArchivesAreOpenedReadOnly) {
    dir.write("Data/a.dat", MakePhotoSet(ListOf(1), 1));
    QFile::setPermissions(dir.file("Data/a.dat"), QFile::ReadOwner);
    Start();
    EXPECT_EQ(data.PictureCount(), 1);
    EXPECT_TRUE(fp.messages.shown.isEmpty());
}

TEST_F(DataTest, MapAndExplorerLoadersFindPathsWithoutCase) {
    dir.write("maps/GEOMAP.DAT", BuildPack({{"Europa.jpg", MakeJpeg(20, 10)}}));
    dir.write("maps/geomen.DAT", BuildPack({{"Wstep.rtf", "{\\rtf1 x}"}}));
    Start();
    EXPECT_EQ(data.LoadMapImage("europa.JPG", 1).size(), QSize(20, 10));
    EXPECT_THROW(data.LoadMapImage("Europa.bmp", 0), TarvoError);
    EXPECT_EQ(data.LoadExplorerText("Wstep.rtf"), "{\\rtf1 x}");
    EXPECT_TRUE(data.LoadExplorerText("Brak.rtf").isEmpty());
    EXPECT_TRUE(fp.messages.shown.contains("Problem z odczytem|Błąd"));
}

TEST(SpisDecoding, AnsiUtf8AndLineEnds) {
    QStringEncoder cp1250("windows-1250");
    const QByteArray ansi =
        cp1250.encode(QStringLiteral("Nagłówek\r\nŁÓDŹ*miasto\rPOLSKA*kraj\nX*y"));
    EXPECT_EQ(DataAccess::DecodeList(ansi),
              QStringList({"Nagłówek", "ŁÓDŹ*miasto", "POLSKA*kraj", "X*y"}));
    const QString text = QStringLiteral("Zestaw\r\nWŁOCHY*Rzym\r\n");
    EXPECT_EQ(DataAccess::DecodeList("\xEF\xBB\xBF" + text.toUtf8()),
              QStringList({"Zestaw", "WŁOCHY*Rzym"}));
    EXPECT_EQ(DataAccess::DecodeList(text.toUtf8()), QStringList({"Zestaw", "WŁOCHY*Rzym"}));
    EXPECT_EQ(DataAccess::DecodeList("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
    const QStringList cut = DataAccess::DecodeList("a\r\n" + QByteArray(5000, 'x') + "*y\r\n");
    EXPECT_EQ(cut.value(1), QString(1000, 'x'));
}

}  // namespace

#include <QAbstractItemView>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "app/PhotoSetChooser.h"
#include "core/AppContext.h"

namespace {

// Shows the chooser modally and lets `pick` act on it; true when the pick
// closed it (a dialog left open is rejected after two seconds).
bool PickAndClose(PhotoSetChooser& chooser, const std::function<void()>& pick) {
    QTimer::singleShot(0, &chooser, pick);
    QTimer::singleShot(2000, &chooser, &QDialog::reject);
    chooser.Choose();
    return chooser.result() == QDialog::Accepted;
}

TEST_F(DataTest, ChooserOpensTheSecondSetAndStoresIt) {
    dir.write("Data/a.dat", MakePhotoSet(ListOf(1), 1));
    dir.write("Data/b.dat", MakePhotoSet(ListOf(4), 4));
    Start();
    AppContext ctx{fp.services, config, data};
    PhotoSetChooser chooser(ctx, nullptr);
    chooser.Fill(data.PhotoSetTitles());
    chooser.Fill(data.PhotoSetTitles());  // filled again, the list does not grow
    ASSERT_EQ(chooser.setList->count(), 2);
    EXPECT_EQ(chooser.setList->itemText(1), "Zestaw nr 2 – Zestaw");

    // Picking the set already chosen closes the chooser and changes nothing.
    const QByteArray stored = dir.read("Tarvo.ini");
    QComboBox* list = chooser.setList;
    EXPECT_TRUE(PickAndClose(chooser, [list] {
        list->showPopup();
        QTest::keyClick(list->view(), Qt::Key_Return);
    }));
    EXPECT_EQ(config.PhotoSetIndex, 0);
    EXPECT_EQ(dir.read("Tarvo.ini"), stored);

    EXPECT_TRUE(PickAndClose(chooser, [list] {
        QTest::keyClick(list, Qt::Key_Down);  // browses only
        QTest::keyClick(list, Qt::Key_Return);
    }));
    EXPECT_EQ(config.PhotoSetIndex, 1);
    EXPECT_EQ(data.PictureCount(), 4);
    EXPECT_TRUE(dir.read("Tarvo.ini").contains("Name=1\r\n"));
    EXPECT_NO_THROW(data.LoadPhotoSetPicture(4));  // only b.dat has a fourth picture

    PhotoSetChooser single(ctx, nullptr);
    single.Fill({"Zestaw"});
    EXPECT_EQ(single.setList->count(), 0);
}

// Titles come from the first line of each Spis.txt, read only in part; a set
// without one, or one that cannot be read, is named by its file.
TEST_F(DataTest, ChooserNamesEachSetByItsTitleAndFitsTheLongest) {
    const QString longTitle = QString("Moja klasa: ") + QString(50, u'Ż');
    QStringEncoder ansi("windows-1250");
    dir.write("Data/a.dat", MakePhotoSet(ansi.encode(longTitle) + "\r\n" + ListOf(2).mid(8), 2));
    dir.write("Data/b.dat", MakePhotoSet("\r\nZERO*zero\r\nA*a\r\nB*b\r\n", 2));
    dir.write("Data/c.dat", "PACK\x0c\0\0\0\x80\0\0\0broken");
    dir.write("Data/d.dat", MakePhotoSet(QByteArray(100000, 'x'), 0));
    Start();
    const QStringList titles = data.PhotoSetTitles();
    ASSERT_EQ(titles.size(), 4);
    EXPECT_EQ(titles[0], longTitle);
    EXPECT_EQ(titles.mid(1, 2), QStringList({"b", "c"}));
    EXPECT_EQ(titles[3].size(), 80);  // a 100 kB first line, read in part

    AppContext ctx{fp.services, config, data};
    PhotoSetChooser chooser(ctx, nullptr);
    chooser.Fill(titles);
    const QComboBox* list = chooser.setList;
    EXPECT_EQ(list->itemText(1), "Zestaw nr 2 – b");
    EXPECT_GE(list->width(), list->fontMetrics().horizontalAdvance(list->itemText(0)));
    EXPECT_EQ(chooser.width(), list->width() + 33);
}

}  // namespace

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The set editor used as a teacher uses it: pictures of any size and kind
// added, named in small letters, cut, ordered and saved; the program then
// opens the set, and the names are answerable in country recognition.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest/QTest>

#include "core/AppContext.h"
#include "core/Config.h"
#include "country/CountryWindow.h"
#include "data/DataAccess.h"
#include "data/PictureChoice.h"
#include "editor/CropView.h"
#include "editor/PhotoSetEditor.h"
#include "support/FakePlatform.h"

namespace {

// Left half red, right half blue, so that the cut shows where it was taken.
QString WritePicture(const QTemporaryDir& dir, const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < size.height(); ++y)
        for (int x = size.width() / 2; x < size.width(); ++x) image.setPixelColor(x, y, Qt::blue);
    image.save(dir.filePath(name), name.endsWith("png") ? "PNG" : "JPG");
    return dir.filePath(name);
}

// Key presses carrying the text, as a keyboard with Polish letters sends them.
void Keys(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    Keys(field, text);
}

bool Bluish(QColor c) {
    return c.blue() > 200 && c.red() < 60;
}

struct Editor {
    QTemporaryDir dir;
    FakePlatform fp;
    PhotoSetEditor window{fp.services.messages};
    Editor() { window.show(); }

    void Name(int index, const QString& name, const QString& description) {
        window.Select(index);
        Type(window.nameField, name);
        Type(window.descriptionField, description);
    }
};

}  // namespace

TEST(PhotoSetEditor, BuildsASetTheProgramOpensAndWhoseNamesCanBeAnswered) {
    Editor e;
    e.window.AddFiles({WritePicture(e.dir, "wide.png", {1000, 500}),
                       WritePicture(e.dir, "TALL.JPG", {200, 300}),
                       WritePicture(e.dir, "photo.jpeg", {640, 480})});
    ASSERT_EQ(e.window.pictureList->count(), 3);
    EXPECT_TRUE(e.window.pictureList->item(0)->text().contains("⚠ Brak nazwy"));
    EXPECT_FALSE(e.window.saveButton->isEnabled());

    e.Name(0, "francja", "Stolica: Paryż");
    EXPECT_EQ(e.window.nameField->text(), "FRANCJA");
    e.Name(1, "łotwa", "Stolica: Ryga");
    e.Name(2, "wielka brytania", "Stolica: Londyn");
    // The cut of the wide picture dragged to its right edge: mostly blue.
    e.window.Select(0);
    EXPECT_FALSE(Bluish(e.window.draft.Fitted(0).pixelColor(160, 100)));
    QTest::mousePress(e.window.cropView, Qt::LeftButton, {}, {100, 100});
    QTest::mouseMove(e.window.cropView, {400, 100});
    QTest::mouseRelease(e.window.cropView, Qt::LeftButton, {}, {400, 100});
    EXPECT_TRUE(Bluish(e.window.draft.Fitted(0).pixelColor(160, 100)));
    // Great Britain moved up to second place.
    e.window.Select(2);
    e.window.MoveSelected(-1);
    Keys(e.window.titleField, "Moja klasa: Europa");
    ASSERT_TRUE(e.window.saveButton->isEnabled()) << e.window.statusLabel->text().toStdString();

    QDir(e.dir.path()).mkdir("Data");
    e.window.SaveTo(e.dir.filePath("Data/Moja klasa.dat"));
    EXPECT_TRUE(e.fp.messages.shown.isEmpty());

    FakePlatform fp;
    Config config;
    config.BaseFolder = e.dir.path();
    DataAccess data{config, fp.services};
    data.InitDataAccess();
    EXPECT_EQ(data.PhotoSetTitles(), QStringList{"Moja klasa: Europa"});
    ASSERT_EQ(data.PictureCount(), 3);
    const QStringList names{"FRANCJA", "WIELKA BRYTANIA", "ŁOTWA"};
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(SplitPictureLine(data.PictureList(), n).name, names[n - 1]);
        data.LoadPhotoSetPicture(n);
        EXPECT_EQ(data.PictureBitmap().size(), QSize(384, 256));
    }
    EXPECT_EQ(SplitPictureLine(data.PictureList(), 2).description, "Stolica: Londyn");
    data.LoadPhotoSetPicture(1);
    EXPECT_TRUE(Bluish(data.PictureBitmap().pixelColor(160, 100)));

    AppContext ctx{fp.services, config, data};
    QWidget parent;
    CountryWindow country(ctx, &parent);
    parent.show();
    country.show();
    country.pictureNumberField->setText("3");
    country.EnterNumberClick();
    country.nameField->clear();
    Keys(country.nameField, "łotwa");
    country.CheckClick();
    EXPECT_EQ(country.verdictLabel->text(), "Prób 0 - Fantastycznie");
}

TEST(PhotoSetEditor, OpensASetToEditAndKeepsTheInstalledOnesUntouched) {
    Editor e;
    e.window.AddFiles({WritePicture(e.dir, "a.png", {384, 256}),
                       WritePicture(e.dir, "b.png", {50, 50}), e.dir.filePath("missing.jpg")});
    EXPECT_EQ(e.fp.messages.shown.size(), 1);
    e.Name(0, "Polska", "Warszawa");
    e.Name(1, "Czechy", "Praga");
    e.window.SaveTo(e.dir.filePath("own.dat"));
    ASSERT_TRUE(QFile::link(e.dir.filePath("own.dat"), e.dir.filePath("linked.dat")));

    // Unsaved changes are dropped only when the teacher agrees.
    e.Name(1, "Słowacja", "Bratysława");
    bool agree = false;
    e.window.confirmDiscard = [&agree] { return agree; };
    e.window.NewSet();
    EXPECT_EQ(e.window.pictureList->count(), 2);
    agree = true;
    e.window.NewSet();
    EXPECT_EQ(e.window.pictureList->count(), 0);
    e.window.OpenSet(e.dir.filePath("linked.dat"));
    ASSERT_EQ(e.window.pictureList->count(), 2);
    EXPECT_EQ(e.window.nameField->text(), "POLSKA");
    EXPECT_TRUE(e.window.draft.path.isEmpty());  // saving asks for a name of one's own
    e.window.RemoveSelected();
    EXPECT_FALSE(e.window.saveButton->isEnabled());
    EXPECT_TRUE(e.window.statusLabel->text().contains("co najmniej dwóch obrazków"));

    // A photo dragged from a file manager is added at the end.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(WritePicture(e.dir, "drop.JPG", {900, 900}))});
    QDragEnterEvent enter({50, 50}, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&e.window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&e.window, &drop);
    ASSERT_EQ(e.window.pictureList->count(), 2);
    EXPECT_EQ(e.window.draft.Fitted(1).size(), QSize(384, 256));
}

// The wheel and + / - zoom the cut about its centre, in the set's proportions
// and inside the photo; the zoomed cut is what the set holds.
TEST(PhotoSetEditor, ZoomsTheCutInsideThePhoto) {
    Editor e;
    e.window.AddFiles({WritePicture(e.dir, "big.png", {1500, 1000})});
    const auto& picture = e.window.draft.pictures[0];
    const QRect photo(QPoint(), picture.cover.size());
    EXPECT_EQ(photo.height(), 768);  // kept large enough to zoom in
    EXPECT_EQ(picture.crop, photo);

    const auto wheel = [&](int angle) {
        const QPointF at = QRectF(e.window.cropView->rect()).center();
        QWheelEvent event(at, e.window.cropView->mapToGlobal(at), {}, {0, angle}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(e.window.cropView, &event);
    };
    wheel(120);
    EXPECT_LT(picture.crop.width(), photo.width());
    EXPECT_NEAR(picture.crop.center().x(), photo.center().x(), 1);
    EXPECT_NEAR(picture.crop.width() * 2, picture.crop.height() * 3, 3);

    e.window.cropView->setFocus();
    for (int i = 0; i < 10; ++i) QTest::keyClick(e.window.cropView, Qt::Key_Plus);
    EXPECT_EQ(picture.crop.size(), QSize(384, 256));  // no closer than the set's own pixels
    for (int i = 0; i < 100; ++i) QTest::keyClick(e.window.cropView, Qt::Key_Right);
    EXPECT_TRUE(photo.contains(picture.crop));
    EXPECT_EQ(picture.crop.right(), photo.right());
    EXPECT_TRUE(Bluish(e.window.draft.Fitted(0).pixelColor(0, 0)));  // the right half only

    QTest::keyClick(e.window.cropView, Qt::Key_Minus);
    EXPECT_EQ(picture.crop.width(), 480);
    EXPECT_TRUE(photo.contains(picture.crop));
    wheel(-120 * 20);
    EXPECT_EQ(picture.crop, photo);
    EXPECT_EQ(e.window.draft.Fitted(0).size(), QSize(384, 256));
}

// "Usuń" is undone by Ctrl+Z: the picture comes back at its place with its
// name, description and cut.
TEST(PhotoSetEditor, CtrlZPutsARemovedPictureBack) {
    Editor e;
    e.window.AddFiles({WritePicture(e.dir, "a.png", {384, 256}),
                       WritePicture(e.dir, "b.png", {900, 300}),
                       WritePicture(e.dir, "c.png", {384, 256})});
    e.Name(0, "Polska", "Warszawa");
    e.Name(1, "Czechy", "Praga");
    e.Name(2, "Niemcy", "Berlin");
    e.window.Select(1);
    e.window.draft.MoveCrop(1, {200, 0});
    const QRect crop = e.window.draft.pictures[1].crop;

    QApplication::setActiveWindow(&e.window);
    QTest::mouseClick(e.window.removeButton, Qt::LeftButton);
    ASSERT_EQ(e.window.pictureList->count(), 2);
    e.window.removeButton->setFocus();
    QTest::keyClick(e.window.removeButton, Qt::Key_Z, Qt::ControlModifier);

    ASSERT_EQ(e.window.pictureList->count(), 3);
    EXPECT_EQ(e.window.pictureList->currentRow(), 1);
    EXPECT_TRUE(e.window.pictureList->item(1)->text().startsWith("2. CZECHY"));
    EXPECT_TRUE(e.window.pictureList->item(2)->text().startsWith("3. NIEMCY"));
    EXPECT_EQ(e.window.descriptionField->text(), "Praga");
    EXPECT_EQ(e.window.draft.pictures[1].crop, crop);
    EXPECT_TRUE(e.window.modified);
    QTest::keyClick(e.window.removeButton, Qt::Key_Z, Qt::ControlModifier);  // nothing more
    EXPECT_EQ(e.window.pictureList->count(), 3);
}

// The description's length shows as it is typed; a description too long is
// kept whole and flagged, never cut without a word.
TEST(PhotoSetEditor, ShowsTheDescriptionsLengthAsItIsTyped) {
    Editor e;
    e.window.AddFiles(
        {WritePicture(e.dir, "a.png", {384, 256}), WritePicture(e.dir, "b.png", {384, 256})});
    e.Name(0, "Polska", "Stolica: Warszawa");
    EXPECT_EQ(e.window.descriptionLength->text(), "Opis: 17 z 100 znaków");
    Keys(e.window.descriptionField, "!");
    EXPECT_EQ(e.window.descriptionLength->text(), "Opis: 18 z 100 znaków");

    Keys(e.window.descriptionField, QString(85, u'a'));
    EXPECT_EQ(e.window.descriptionLength->text(),
              "Opis: 103 z 100 znaków – jest za długi o 3 znaki; puzzle obetną resztę");
    EXPECT_EQ(e.window.draft.pictures[0].description.size(), 103);
    EXPECT_FALSE(e.window.saveButton->isEnabled());
    e.window.Select(1);
    EXPECT_EQ(e.window.descriptionLength->text(), "Opis: 0 z 100 znaków");
}

// An item grows with its problem lines and never reaches over the next one.
TEST(PhotoSetEditor, ProblemLinesNeverOverlapTheNextPicture) {
    Editor e;
    e.window.AddFiles(
        {WritePicture(e.dir, "a.png", {384, 256}), WritePicture(e.dir, "b.png", {384, 256})});
    e.Name(0, "Polska", "Warszawa");
    e.Name(1, "Czechy", "Praga");
    const int plain = e.window.pictureList->item(0)->sizeHint().height();
    // Characters the set cannot hold in both, and a description too long.
    e.Name(0, "Polska☃", QString(120, u'W') + "☃");
    QListWidget* list = e.window.pictureList;
    ASSERT_GE(list->item(0)->text().count(u'\n'), 4);
    EXPECT_GT(list->item(0)->sizeHint().height(), plain);
    const QRect first = list->visualItemRect(list->item(0));
    EXPECT_GE(first.height(), list->item(0)->sizeHint().height());
    EXPECT_GT(list->visualItemRect(list->item(1)).top(), first.bottom());
}

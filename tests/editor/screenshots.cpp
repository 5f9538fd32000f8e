// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes screenshots of the set editor (a set with a problem, and one ready
// to save) and of the chooser listing named sets into the folder named by
// TERRAVIKA_SHOTS, for the teachers' help page.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/PhotoSetChooser.h"
#include "data/PhotoSetFile.h"
#include "editor/PhotoSetEditor.h"
#include "help/HelpViewer.h"
#include "support/ScreenshotTest.h"

namespace {

struct EditorShots : ScreenshotTest {
    QTemporaryDir photos;

    // Bundled pictures enlarged as a camera would give them, one as PNG.
    QStringList CameraFiles() {
        const PhotoSetContent set = ReadPhotoSet(config.BaseFolder + "/Data/Europa.dat");
        QStringList files;
        for (const auto& entry : set.entries) {
            if (!QStringList{"FRANCJA", "GRECJA", "WŁOCHY"}.contains(entry.name)) continue;
            const QString name = QStringLiteral("IMG_%1.%2")
                                     .arg(files.size() + 1041)
                                     .arg(files.size() == 1 ? "png" : "JPG");
            entry.picture.scaled(1600, 1200).save(photos.filePath(name));
            files << photos.filePath(name);
        }
        return files;
    }

    void Fill(PhotoSetEditor& window, const QStringList& names, const QStringList& descriptions) {
        for (int i = 0; i < names.size(); ++i) {
            window.draft.SetName(i, names[i]);
            window.draft.SetDescription(i, descriptions[i]);
        }
        window.Refresh();
        window.Select(int(names.size()) - 1);
    }
};

}  // namespace

TEST_F(EditorShots, EditorWithAProblemAndReady) {
    PhotoSetEditor window(fp.services.messages);
    window.resize(760, 540);  // narrow enough for the help page
    window.show();
    window.AddFiles(CameraFiles());
    window.draft.title = QStringLiteral("Moja klasa: Europa");
    Fill(window, {"francja", "Grecja", "włochy"},
         {"Stolica: Paryż", "Stolica: Ateny",
          "Stolica: Rzym. Kraj w kształcie buta nad Morzem Śródziemnym, z Alpami na północy"});
    Save(&window, "zestawy-problem.png");
    Fill(window, {"francja", "Grecja", "włochy"},
         {"Stolica: Paryż", "Stolica: Ateny", "Stolica: Rzym"});
    window.draft.path =
        QStringLiteral("/home/nauczyciel/.local/share/terravika/Data/Moja klasa.dat");
    Save(&window, "zestawy-gotowy.png");
}

TEST_F(EditorShots, ChooserListsNamedSets) {
    PhotoSetChooser chooser(ctx, nullptr);
    chooser.Fill({QStringLiteral("Państwa Europy"), QStringLiteral("Moja klasa: Europa"),
                  QStringLiteral("Państwa świata")});
    chooser.show();
    // The dialog with its list dropped down, drawn as the screen shows them.
    chooser.setList->showPopup();
    QApplication::processEvents();
    QWidget* popup = chooser.setList->view()->window();
    const QRect dialog = chooser.frameGeometry(), list = popup->frameGeometry();
    const QRect both = dialog.united(list);
    QPixmap shot(both.size());
    shot.fill(Qt::white);
    QPainter painter(&shot);
    painter.drawPixmap(dialog.topLeft() - both.topLeft(), chooser.grab());
    painter.drawPixmap(list.topLeft() - both.topLeft(), popup->grab());
    painter.end();
    ASSERT_TRUE(shot.save(QDir(folder).filePath("zestawy-wybor.png")));
}

TEST_F(EditorShots, HelpPageForTeachers) {
    HelpViewer viewer(config.BaseFolder + "/Terravika.chm");
    viewer.resize(1000, 760);
    viewer.show();
    viewer.ShowPage("/zestawy.html");
    Save(&viewer, "pomoc-zestawy.png");
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The set editor's window: the list of pictures with their problems on the
// left, the chosen picture's cut, name and description on the right, the
// set's title and the file buttons on top. Pictures may be dropped onto it.
#include <QStringList>
#include <QWidget>
#include <functional>

#include "editor/PhotoSetDraft.h"

class CropView;
class Messages;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class PhotoSetEditor : public QWidget {
    Q_OBJECT
public:
    PhotoSetEditor(Messages& messages, QWidget* parent = nullptr);

    // The top buttons: an empty set (once unsaved changes may be dropped),
    // a set or pictures chosen in a file dialog, saving to the set's own
    // file (asking for one when it has none) and saving under a new name.
    void NewSet();
    void ChooseSetToOpen();
    void ChoosePicturesToAdd();
    void Save();
    void SaveAs();
    void OpenSet(const QString& path);
    void AddFiles(const QStringList& files);
    void SaveTo(const QString& path);
    void Select(int index);
    void MoveSelected(int step);
    void RemoveSelected();
    // Ctrl+Z: puts the last removed picture back where it was.
    void UndoRemove();
    // Shows the draft again after it was changed directly.
    void Refresh();

    PhotoSetDraft draft;
    bool modified = false;  // changes not saved yet
    // Asks whether unsaved changes may be dropped; replaceable in tests.
    std::function<bool()> confirmDiscard;

    QLineEdit* titleField;
    QPushButton* newButton;
    QPushButton* openButton;
    QPushButton* addButton;
    QPushButton* saveButton;
    QPushButton* saveAsButton;
    QListWidget* pictureList;
    QPushButton* upButton;
    QPushButton* downButton;
    QPushButton* removeButton;
    CropView* cropView;
    QLineEdit* nameField;
    QLineEdit* descriptionField;
    QLabel* descriptionLength;  // how long the description is, and how long it may be
    QLabel* descriptionPreview;
    QLabel* problemsLabel;
    QLabel* statusLabel;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* BuildTop();
    QWidget* BuildList();
    QWidget* BuildDetail();
    void RefreshList(const QList<PhotoSetRules::Problem>& problems);
    void RefreshDetail(const QList<PhotoSetRules::Problem>& problems);
    void RefreshState(const QList<PhotoSetRules::Problem>& problems);
    int Selected() const;
    void Changed();
    void CropChanged();
    void ShowDescriptionLength(const QString& description);  // after the cut was moved or zoomed
    bool MayDiscard();
    bool AskAboutChanges();

    // What a list item shows; an item is drawn again only when it changes.
    struct Listed {
        QString name;
        QStringList problems;
        QString warning;
        qint64 picture = -1;
        bool operator==(const Listed&) const = default;
    };
    // Returns whether the item's height changed, so that the list is laid out again.
    bool ShowItem(QListWidgetItem* item, int index, const Listed& shown);

    // Pictures removed from this set, the last one last, for Ctrl+Z.
    struct Removed {
        int index;
        PhotoSetDraft::Picture picture;
    };
    QList<Removed> removed;

    Messages& messages;
    bool refreshing = false;
    QList<Listed> listed;
};

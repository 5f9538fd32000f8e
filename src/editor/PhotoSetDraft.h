// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A photo set being made by a teacher: its title and pictures, each with a
// movable 384 x 256 cut, a name and a description, checked by the photo-set
// rules after every change. Saved as a whole archive the program can use.
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include "data/PhotoSetRules.h"

class PhotoSetDraft {
public:
    struct Picture {
        // Scaled to cover 384 x 256, kept up to 768 px on its short side so
        // that the cut can be zoomed in; null when unreadable.
        QImage cover;
        QRect crop;    // the cut in cover, of the set's proportions
        QString name;  // in capitals, as typed
        QString description;
        QString problem;  // why the picture could not be read
        QString warning;  // what the teacher should know, not stopping the save
        QImage fitted;    // the cut, as the set will hold it
        // The picture's own problems, checked again only after it changed.
        mutable QStringList problems;
        mutable bool checked = false;
    };

    explicit PhotoSetDraft(PhotoSetRules::PuzzleLabels label);

    // Replaces the draft by the set in an archive. Throws TarvoError.
    void Open(const QString& path);
    // Empties the draft.
    void Clear();
    // Adds picture files (JPEG or PNG, any size) at the end, cut from the
    // centre. Returns the messages of files that could not be read; damaged
    // and small pictures are added with their warning.
    QStringList AddFiles(const QStringList& files);
    void AddPicture(const QImage& source, const QString& name = {});

    void Remove(int index);
    // Puts a picture back at index (kept within the list), as after Remove.
    void Insert(int index, const Picture& picture);
    void Move(int from, int to);
    void SetName(int index, const QString& typed);  // kept in capitals
    void SetDescription(int index, const QString& text);
    // Moves the cut by delta pixels of the cover picture, kept inside it.
    void MoveCrop(int index, QPoint delta);
    // Zooms the cut in (steps > 0) or out about its centre, its proportions
    // kept, between 384 x 256 cover pixels and the whole cover.
    void ZoomCrop(int index, int steps);
    // The picture as the set will hold it: the cut scaled to 384 x 256.
    QImage Fitted(int index) const { return pictures.at(index).fitted; }

    QList<PhotoSetRules::Problem> Problems() const;
    bool CanSave() const { return Problems().isEmpty(); }
    // Writes the archive. Throws TarvoError if the set has problems or the
    // file cannot be written.
    void Save(const QString& path);

    // The per-user Data folder the program's launcher uses.
    static QString UserDataFolder();
    // A file name for a set of this title ("Moja klasa.dat").
    static QString FileNameFor(const QString& title);

    QString title;
    QString path;  // where the set was opened from or saved to; empty if new
    QList<Picture> pictures;

private:
    QList<PhotoSetRules::Entry> Entries() const;
    PhotoSetRules::Entry EntryOf(const Picture& picture) const;

    PhotoSetRules::PuzzleLabels label;
};

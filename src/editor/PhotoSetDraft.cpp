// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/PhotoSetDraft.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

#include "data/PhotoSetFile.h"
#include "platform/TarvoError.h"

using namespace PhotoSetRules;

namespace {

constexpr int kLargestShortSide = 768;  // room to zoom a cut in three times
constexpr double kZoomStep = 1.25;

// The picture scaled to cover 384 x 256, but no smaller than the source
// allows up to 768 px on its short side.
QSize ZoomableCoverSize(QSize source) {
    const QSize cover = CoverSize(source);
    const double room = std::min(
        {double(kLargestShortSide) / std::min(cover.width(), cover.height()),
         double(source.width()) / cover.width(), double(source.height()) / cover.height()});
    return room > 1.0 ? cover * room : cover;
}

// The cut of the given width, of the set's proportions, centred on centre
// and moved inside the cover.
QRect CropAround(QSize cover, QPointF centre, int width) {
    const int largest =
        std::min(cover.width(), cover.height() * kPictureSize.width() / kPictureSize.height());
    width = std::clamp(width, std::min(kPictureSize.width(), largest), largest);
    const QSize size(width, width * kPictureSize.height() / kPictureSize.width());
    const QPoint corner(int(centre.x() - size.width() / 2.0),
                        int(centre.y() - size.height() / 2.0));
    return {QPoint(std::clamp(corner.x(), 0, cover.width() - size.width()),
                   std::clamp(corner.y(), 0, cover.height() - size.height())),
            size};
}

QImage Cut(const QImage& cover, QRect crop) {
    return cover.copy(crop)
        .scaled(kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

}  // namespace

PhotoSetDraft::PhotoSetDraft(PuzzleLabels label) : label(std::move(label)) {}

void PhotoSetDraft::Clear() {
    title.clear();
    path.clear();
    pictures.clear();
}

void PhotoSetDraft::Open(const QString& file) {
    const PhotoSetContent set = ReadPhotoSet(file);
    Clear();
    title = set.title;
    for (const Entry& entry : set.entries) {
        AddPicture(entry.picture, entry.name);
        pictures.last().description = entry.description;
        pictures.last().problem = entry.pictureProblem;
    }
    // A set linked in from the installation cannot be written over: saving
    // it asks for a name of the teacher's own.
    if (!QFileInfo(file).isSymLink()) path = file;
}

QStringList PhotoSetDraft::AddFiles(const QStringList& files) {
    QStringList failures;
    for (const QString& file : files) try {
            const PictureFile picture = LoadPictureFile(file);
            AddPicture(picture.image);
            pictures.last().warning = picture.warning;
        } catch (const TarvoError& error) {
            failures.append(error.message());
        }
    return failures;
}

void PhotoSetDraft::AddPicture(const QImage& source, const QString& name) {
    Picture picture;
    if (!source.isNull() && !UsualProportions(source.size())) {
        picture.problem = kOddProportions;
    } else if (!source.isNull()) {
        picture.cover = source.size() == kPictureSize
                            ? source
                            : source.scaled(ZoomableCoverSize(source.size()), Qt::IgnoreAspectRatio,
                                            Qt::SmoothTransformation);
        const QSize cover = picture.cover.size();
        picture.crop = CropAround(cover, QRectF(QPointF(), cover).center(), cover.width());
        picture.fitted = Cut(picture.cover, picture.crop);
    }
    picture.name = StoredName(name);
    pictures.append(picture);
}

void PhotoSetDraft::Remove(int index) {
    if (index >= 0 && index < pictures.size()) pictures.removeAt(index);
}

void PhotoSetDraft::Insert(int index, const Picture& picture) {
    pictures.insert(std::clamp(index, 0, int(pictures.size())), picture);
}

void PhotoSetDraft::Move(int from, int to) {
    if (from < 0 || from >= pictures.size() || to < 0 || to >= pictures.size()) return;
    pictures.move(from, to);
}

void PhotoSetDraft::SetName(int index, const QString& typed) {
    // Kept as typed but in capitals; spaces at the ends go when the set is
    // checked and saved, so that a space typed between words stays.
    if (index < 0 || index >= pictures.size()) return;
    pictures[index].name = typed.toUpper();
    pictures[index].checked = false;
}

void PhotoSetDraft::SetDescription(int index, const QString& text) {
    if (index < 0 || index >= pictures.size()) return;
    pictures[index].description = text;
    pictures[index].checked = false;
}

void PhotoSetDraft::MoveCrop(int index, QPoint delta) {
    if (index < 0 || index >= pictures.size()) return;
    Picture& picture = pictures[index];
    if (picture.cover.isNull()) return;
    picture.crop = CropAround(picture.cover.size(), QRectF(picture.crop).center() + delta,
                              picture.crop.width());
    picture.fitted = Cut(picture.cover, picture.crop);
}

void PhotoSetDraft::ZoomCrop(int index, int steps) {
    if (index < 0 || index >= pictures.size()) return;
    Picture& picture = pictures[index];
    if (picture.cover.isNull()) return;
    const double width = picture.crop.width() * std::pow(kZoomStep, -steps);
    picture.crop =
        CropAround(picture.cover.size(), QRectF(picture.crop).center(), int(std::lround(width)));
    picture.fitted = Cut(picture.cover, picture.crop);
}

Entry PhotoSetDraft::EntryOf(const Picture& picture) const {
    return {StoredName(picture.name), picture.description.trimmed(), picture.fitted,
            picture.problem};
}

QList<Entry> PhotoSetDraft::Entries() const {
    QList<Entry> entries;
    for (const Picture& picture : pictures) entries.append(EntryOf(picture));
    return entries;
}

QList<Problem> PhotoSetDraft::Problems() const {
    QStringList names;
    QList<QStringList> own;
    for (const Picture& picture : pictures) {
        if (!picture.checked) {
            picture.problems = EntryProblems(EntryOf(picture), label);
            picture.checked = true;
        }
        names.append(StoredName(picture.name));
        own.append(picture.problems);
    }
    return SetProblems(names, own);
}

void PhotoSetDraft::Save(const QString& file) {
    const QList<Entry> entries = Entries();
    if (!Check(entries, label).isEmpty())
        throw TarvoError(QStringLiteral("Zestaw ma problemy; popraw je przed zapisaniem"));
    QDir().mkpath(QFileInfo(file).absolutePath());
    WritePack(file, PhotoSetMembers({title.trimmed(), entries}));
    path = file;
}

QString PhotoSetDraft::UserDataFolder() {
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty()) home = QDir::homePath() + "/.local/share";
    return home + "/terravika/Data";
}

QString PhotoSetDraft::FileNameFor(const QString& title) {
    QString name = title;
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_') c = u' ';
    name = name.simplified();
    return (name.isEmpty() ? QStringLiteral("Mój zestaw") : name.left(60)) + ".dat";
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a photo set must be for the puzzle and country recognition to use it:
// the one place where names, descriptions and pictures of a set are checked
// and pictures are brought to the board's size. Shared by the set editor,
// the archive tool and the tests of the bundled sets.
#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

namespace PhotoSetRules {

inline constexpr QSize kPictureSize{384, 256};
inline constexpr int kMinPictures = 2;
inline constexpr int kMaxDescriptionLength = 100;  // the modules cut the rest

// A count of characters with the Polish noun that goes with it:
// "1 znak", "3 znaki", "12 znaków", "22 znaki".
QString Characters(int count);

// The puzzle's labels of a picture's name and description: their font and
// widths in pixels. A name or description wider than its label is cut.
struct PuzzleLabels {
    QFont font;
    int nameWidth = 0;
    int descriptionWidth = 0;
};

// Both labels are as wide as each other, so that the longest names
// ("BOŚNIA I HERCEGOWINA") show whole, and use the bundled font.
inline constexpr int kPuzzleLabelPixelSize = 11;
inline constexpr QSize kPuzzleLabelSize{233, 13};
// The labels with the bundled font; needs a QGuiApplication.
PuzzleLabels PuzzleLabelMetrics();

// A name as the set stores it: without surrounding spaces, in capitals
// (Polish letters too: "łódź" gives "ŁÓDŹ"), since the answer field of
// country recognition holds capitals and compares exactly.
QString StoredName(const QString& typed);

// Whether a picture is neither too narrow nor too flat to be cut: one side at
// most eight times the other. Scaling a 1 x 60,000 picture to cover 384 x 256
// would take gigabytes.
bool UsualProportions(QSize source);
inline const QString kOddProportions = QStringLiteral("Obrazek ma nietypowe proporcje");

// The size a picture is scaled to so that it covers 384 x 256 with its
// proportions kept; the cut then takes 384 x 256 out of it.
QSize CoverSize(QSize source);
// The top-left corner of the cut in the scaled picture, kept inside it.
QPoint ClampCrop(QSize source, QPoint offset);
QPoint CentredCrop(QSize source);
// The picture scaled to cover 384 x 256 and cut at offset (clamped).
QImage FitPicture(const QImage& source, QPoint offset);
QImage FitPicture(const QImage& source);  // cut from the centre

// One picture of a set as the rules see it.
struct Entry {
    QString name;
    QString description;
    QImage picture;          // null when it could not be read
    QString pictureProblem;  // why it could not be read
};

struct Problem {
    int picture = 0;  // 1-based; 0 for the set as a whole
    QString text;
};

// Every problem that keeps the set from working, in picture order.
QList<Problem> Check(const QList<Entry>& entries, const PuzzleLabels& label);
// The same in two steps, so that an editor checks again only the picture
// that changed: the problems of one picture on its own, then the set's.
QStringList EntryProblems(const Entry& entry, const PuzzleLabels& label);
QList<Problem> SetProblems(const QStringList& names, const QList<QStringList>& entryProblems);
// The problems of one picture (1-based) among them.
QStringList ProblemsOf(const QList<Problem>& problems, int picture);

}  // namespace PhotoSetRules

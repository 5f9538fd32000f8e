// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/PhotoSetRules.h"

#include <QFontMetrics>
#include <QHash>
#include <cmath>

#include "platform/BundledFont.h"
#include "platform/Windows1250.h"

namespace PhotoSetRules {

PuzzleLabels PuzzleLabelMetrics() {
    return {BundledFont(kPuzzleLabelPixelSize), kPuzzleLabelSize.width(), kPuzzleLabelSize.width()};
}

// "1 znak", "3 znaki", "12 znaków", "22 znaki".
QString Characters(int count) {
    const int ones = count % 10, tens = count % 100 / 10;
    const char* word = count == 1                            ? "znak"
                       : ones >= 2 && ones <= 4 && tens != 1 ? "znaki"
                                                             : "znaków";
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(word));
}

namespace {

// The first character Windows-1250 cannot hold, or a control, or an empty text.
QString Unstorable(const QString& text) {
    for (const QChar c : text)
        if (!Windows1250::Encode(QStringView(&c, 1)) || c.category() == QChar::Other_Control)
            return QString(c);
    return {};
}

void CheckText(QList<Problem>& problems, int n, const QString& text, const QString& what) {
    const QString bad = Unstorable(text);
    if (bad.isEmpty()) return;
    // An invisible character is named by its number.
    const QString shown = bad[0].category() == QChar::Other_Control
                              ? QStringLiteral("znak sterujący U+%1")
                                    .arg(bad[0].unicode(), 4, 16, QChar('0'))
                                    .toUpper()
                              : QStringLiteral("znak „%1”").arg(bad);
    problems.append(
        {n, QStringLiteral("%1 zawiera %2, którego nie da się zapisać").arg(what, shown)});
}

void CheckName(QList<Problem>& problems, int n, const QString& name, const PuzzleLabels& label) {
    if (name.isEmpty()) {
        problems.append({n, QStringLiteral("Brak nazwy")});
        return;
    }
    if (name != StoredName(name))
        problems.append(
            {n, QStringLiteral("Nazwa ma być zapisana wielkimi literami, bez spacji na końcach")});
    if (name.contains(u'*'))
        problems.append({n, QStringLiteral("Nazwa nie może zawierać gwiazdki *")});
    CheckText(problems, n, name, QStringLiteral("Nazwa"));
    if (QFontMetrics(label.font).horizontalAdvance(name) > label.nameWidth)
        problems.append({n, QStringLiteral("Nazwa nie mieści się w puzzlach: skróć ją")});
}

void CheckDescription(QList<Problem>& problems, int n, const QString& description,
                      const PuzzleLabels& label) {
    CheckText(problems, n, description, QStringLiteral("Opis"));
    if (description.size() > kMaxDescriptionLength)
        problems.append({n, QStringLiteral("Opis ma %1 znaków; mieści się najwyżej %2")
                                .arg(description.size())
                                .arg(kMaxDescriptionLength)});
    // The longest beginning that fits, found by halving: a long description
    // costs a few measurements, not one per character.
    const QFontMetrics metrics(label.font);
    qsizetype fits = 0, over = description.size() + 1;
    while (over - fits > 1) {
        const qsizetype middle = (fits + over) / 2;
        if (metrics.horizontalAdvance(description.left(middle)) > label.descriptionWidth)
            over = middle;
        else
            fits = middle;
    }
    if (fits < description.size())
        problems.append({n, QStringLiteral("Opis nie mieści się w puzzlach: skróć go o %1")
                                .arg(Characters(int(description.size() - fits)))});
}

void CheckPicture(QList<Problem>& problems, int n, const Entry& entry) {
    if (entry.picture.isNull())
        problems.append({n, entry.pictureProblem.isEmpty() ? QStringLiteral("Brak obrazka")
                                                           : entry.pictureProblem});
    else if (entry.picture.size() != kPictureSize)
        problems.append({n, QStringLiteral("Obrazek ma %1 × %2 pikseli zamiast 384 × 256")
                                .arg(entry.picture.width())
                                .arg(entry.picture.height())});
}

}  // namespace

QString StoredName(const QString& typed) {
    return typed.trimmed().toUpper();
}

bool UsualProportions(QSize source) {
    constexpr qint64 kMaxRatio = 8;
    return !source.isEmpty() && qint64(source.width()) <= kMaxRatio * source.height() &&
           qint64(source.height()) <= kMaxRatio * source.width();
}

QSize CoverSize(QSize source) {
    if (source.isEmpty()) return kPictureSize;
    const double scale = std::max(double(kPictureSize.width()) / source.width(),
                                  double(kPictureSize.height()) / source.height());
    // Rounded up so that the scaled picture never falls a pixel short.
    return {std::max(kPictureSize.width(), int(std::ceil(source.width() * scale - 1e-9))),
            std::max(kPictureSize.height(), int(std::ceil(source.height() * scale - 1e-9)))};
}

QPoint ClampCrop(QSize source, QPoint offset) {
    const QSize cover = CoverSize(source);
    return {std::clamp(offset.x(), 0, cover.width() - kPictureSize.width()),
            std::clamp(offset.y(), 0, cover.height() - kPictureSize.height())};
}

QPoint CentredCrop(QSize source) {
    const QSize cover = CoverSize(source);
    return {(cover.width() - kPictureSize.width()) / 2,
            (cover.height() - kPictureSize.height()) / 2};
}

QImage FitPicture(const QImage& source, QPoint offset) {
    if (source.isNull()) return {};
    const QImage scaled = source.size() == kPictureSize
                              ? source
                              : source.scaled(CoverSize(source.size()), Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
    return scaled.copy(QRect(ClampCrop(source.size(), offset), kPictureSize))
        .convertToFormat(QImage::Format_RGB888);
}

QImage FitPicture(const QImage& source) {
    return FitPicture(source, CentredCrop(source.size()));
}

QStringList EntryProblems(const Entry& entry, const PuzzleLabels& label) {
    QList<Problem> problems;
    CheckName(problems, 1, entry.name, label);
    CheckDescription(problems, 1, entry.description, label);
    CheckPicture(problems, 1, entry);
    return ProblemsOf(problems, 1);
}

QList<Problem> SetProblems(const QStringList& names, const QList<QStringList>& entryProblems) {
    QList<Problem> problems;
    if (names.size() < kMinPictures)
        problems.append({0, QStringLiteral("Zestaw potrzebuje co najmniej dwóch obrazków")});
    QHash<QString, int> firstWithName;
    for (int i = 0; i < names.size(); ++i) {
        for (const QString& text : entryProblems.value(i)) problems.append({i + 1, text});
        if (names[i].isEmpty()) continue;
        const auto first = firstWithName.constFind(names[i]);
        if (first != firstWithName.constEnd())
            problems.append(
                {i + 1,
                 QStringLiteral("Ta sama nazwa jest już przy obrazku nr %1").arg(first.value())});
        else
            firstWithName.insert(names[i], i + 1);
    }
    return problems;
}

QList<Problem> Check(const QList<Entry>& entries, const PuzzleLabels& label) {
    QStringList names;
    QList<QStringList> own;
    for (const Entry& entry : entries) {
        names.append(entry.name);
        own.append(EntryProblems(entry, label));
    }
    return SetProblems(names, own);
}

QStringList ProblemsOf(const QList<Problem>& problems, int picture) {
    QStringList texts;
    for (const Problem& problem : problems)
        if (problem.picture == picture) texts.append(problem.text);
    return texts;
}

}  // namespace PhotoSetRules

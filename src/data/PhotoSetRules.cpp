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

namespace {

// The first character Windows-1250 cannot hold, or a control, or an empty text.
QString Unstorable(const QString& text) {
    for (const QChar c : text)
        if (!Windows1250::Encode(QStringView(&c, 1)) || c.category() == QChar::Other_Control)
            return QString(c);
    return {};
}

// "1 znak", "3 znaki", "12 znaków", "22 znaki".
QString Characters(int count) {
    const int ones = count % 10, tens = count % 100 / 10;
    const char* word = count == 1                            ? "znak"
                       : ones >= 2 && ones <= 4 && tens != 1 ? "znaki"
                                                             : "znaków";
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(word));
}

void CheckText(QList<Problem>& problems, int n, const QString& text, const QString& what) {
    const QString bad = Unstorable(text);
    if (!bad.isEmpty())
        problems.append(
            {n, QStringLiteral("%1 zawiera znak „%2”, którego nie da się zapisać").arg(what, bad)});
}

void CheckName(QList<Problem>& problems, int n, const QString& name, const PuzzleLabels& label,
               QHash<QString, int>& firstWithName) {
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
    const auto first = firstWithName.constFind(name);
    if (first != firstWithName.constEnd())
        problems.append(
            {n, QStringLiteral("Ta sama nazwa jest już przy obrazku nr %1").arg(first.value())});
    else
        firstWithName.insert(name, n);
}

void CheckDescription(QList<Problem>& problems, int n, const QString& description,
                      const PuzzleLabels& label) {
    CheckText(problems, n, description, QStringLiteral("Opis"));
    if (description.size() > kMaxDescriptionLength)
        problems.append({n, QStringLiteral("Opis ma %1 znaków; mieści się najwyżej %2")
                                .arg(description.size())
                                .arg(kMaxDescriptionLength)});
    const QFontMetrics metrics(label.font);
    qsizetype fits = description.size();
    while (fits > 0 && metrics.horizontalAdvance(description.left(fits)) > label.descriptionWidth)
        --fits;
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

QList<Problem> Check(const QList<Entry>& entries, const PuzzleLabels& label) {
    QList<Problem> problems;
    if (entries.size() < kMinPictures)
        problems.append({0, QStringLiteral("Zestaw potrzebuje co najmniej dwóch obrazków")});
    QHash<QString, int> firstWithName;
    for (int i = 0; i < entries.size(); ++i) {
        CheckName(problems, i + 1, entries[i].name, label, firstWithName);
        CheckDescription(problems, i + 1, entries[i].description, label);
        CheckPicture(problems, i + 1, entries[i]);
    }
    return problems;
}

QStringList ProblemsOf(const QList<Problem>& problems, int picture) {
    QStringList texts;
    for (const Problem& problem : problems)
        if (problem.picture == picture) texts.append(problem.text);
    return texts;
}

}  // namespace PhotoSetRules

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PhotosetFolder.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include "data/DataAccess.h"
#include "platform/RegularFile.h"
#include "platform/TarvoError.h"

namespace {

constexpr qint64 kMaxListBytes = 1 << 20;  // as the program reads Spis.txt

// The folder's files by their lower-case names, so that IM1.JPG and
// spis.txt are found as well as Im1.jpg and Spis.txt.
QMap<QString, QString> FilesByLowerName(const QDir& folder) {
    QMap<QString, QString> files;
    for (const QString& name : folder.entryList(QDir::Files)) files.insert(name.toLower(), name);
    return files;
}

// Picture numbers (1 and up) and their file names.
QMap<int, QString> PictureFiles(const QMap<QString, QString>& files, QStringList& problems) {
    static const QRegularExpression pattern("^im([0-9]+)\\.(jpg|jpeg|png)$");
    QMap<int, QString> pictures;
    for (auto it = files.begin(); it != files.end(); ++it) {
        const auto match = pattern.match(it.key());
        const int n = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (n < 1) continue;
        if (pictures.contains(n))
            problems << QStringLiteral("Dwa pliki obrazka nr %1: %2 i %3")
                            .arg(n)
                            .arg(pictures[n], it.value());
        pictures.insert(n, it.value());
    }
    return pictures;
}

QStringList ReadLines(const QDir& folder, const QMap<QString, QString>& files) {
    const QString name = files.value("spis.txt");
    if (name.isEmpty()) throw TarvoError(QStringLiteral("W folderze brak pliku Spis.txt"));
    QFile file;
    QString why;
    if (!OpenRegularFile(file, folder.filePath(name), QIODevice::ReadOnly, why))
        throw TarvoError(QStringLiteral("Nie można odczytać pliku %1: %2").arg(name, why));
    if (file.size() > kMaxListBytes)
        throw TarvoError(QStringLiteral("Plik %1 jest za duży (więcej niż 1 MiB)").arg(name));
    QStringList lines = DataAccess::DecodeList(file.read(kMaxListBytes));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    return lines;
}

void CheckCount(int listed, const QMap<int, QString>& pictures, QStringList& problems) {
    const int found = int(pictures.size());
    if (listed == found) return;
    QString text = QStringLiteral(
                       "Spis.txt i folder nie zgadzają się: wierszy obrazków w Spis.txt jest %1 "
                       "(wiersz 1 to nagłówek, wiersz 2 obrazek 0, dalej po jednym wierszu na "
                       "obrazek), a plików obrazków w folderze %2")
                       .arg(listed)
                       .arg(found);
    if (listed == found - 1) text += QStringLiteral(": brakuje wiersza dla obrazka 0?");
    problems << text;
}

PhotoSetRules::Entry ReadEntry(const QDir& folder, int n, const QString& line, const QString& file,
                               QStringList& notes) {
    const qsizetype star = line.indexOf(u'*');
    PhotoSetRules::Entry entry{
        star < 0 ? line : line.left(star), star < 0 ? QString() : line.mid(star + 1), {}, {}};
    const QString stored = PhotoSetRules::StoredName(entry.name);
    if (stored != entry.name)
        notes << QStringLiteral("Obrazek %1: nazwę „%2” zapisano jako „%3”")
                     .arg(n)
                     .arg(entry.name, stored);
    entry.name = stored;
    if (file.isEmpty()) {
        entry.pictureProblem = QStringLiteral("Brak pliku Im%1.jpg").arg(n);
        return entry;
    }
    try {
        const PictureFile picture = LoadPictureFile(folder.filePath(file));
        entry.picture = PhotoSetRules::FitPicture(picture.image);
        if (picture.size != PhotoSetRules::kPictureSize)
            notes << QStringLiteral("%1: %2 × %3 pikseli, przeskalowano i przycięto do 384 × 256")
                         .arg(file)
                         .arg(picture.size.width())
                         .arg(picture.size.height());
        if (!picture.warning.isEmpty())
            notes << QStringLiteral("%1: %2").arg(file, picture.warning);
        if (!file.endsWith(".jpg", Qt::CaseInsensitive))
            notes << QStringLiteral("%1: zapisano jako Im%2.jpg").arg(file).arg(n);
    } catch (const TarvoError& error) {
        entry.pictureProblem = error.message();
    }
    return entry;
}

}  // namespace

PhotosetFolder ReadPhotosetFolder(const QString& path) {
    PhotosetFolder result;
    const QDir folder(path);
    if (!folder.exists()) throw TarvoError(QStringLiteral("Nie ma folderu %1").arg(path));
    const auto files = FilesByLowerName(folder);
    const QStringList lines = ReadLines(folder, files);
    const auto pictures = PictureFiles(files, result.problems);
    const int listed = std::max(0, int(lines.size()) - 2);
    CheckCount(listed, pictures, result.problems);
    result.set.title = lines.value(0);
    for (int n = 1; n <= listed; ++n) {
        const QString& line = lines[n + 1];
        if (!line.contains(u'*'))
            result.problems << QStringLiteral(
                                   "Wiersz %1 Spis.txt nie ma gwiazdki * między nazwą a "
                                   "opisem: „%2”")
                                   .arg(n + 2)
                                   .arg(line);
        result.set.entries.append(ReadEntry(folder, n, line, pictures.value(n), result.notes));
    }
    for (const auto& problem :
         PhotoSetRules::Check(result.set.entries, PhotoSetRules::PuzzleLabelMetrics())) {
        if (problem.picture == 0) {
            result.problems << problem.text;
            continue;
        }
        const auto& entry = result.set.entries[problem.picture - 1];
        result.problems << QStringLiteral("Obrazek %1 (%2): %3")
                               .arg(problem.picture)
                               .arg(entry.name.isEmpty() ? QStringLiteral("bez nazwy") : entry.name,
                                    problem.text);
    }
    return result;
}

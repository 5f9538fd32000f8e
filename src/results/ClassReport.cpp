// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ClassReport.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>

#include "results/ResultsSummary.h"

namespace {

QString Date(const ExerciseResult& result) {
    return result.finishedAt.isValid() ? result.finishedAt.toString(QStringLiteral("dd.MM.yyyy"))
                                       : QString();
}

// The mark with the continent of a map round: "Europa: 85%".
QString MarkWithSubject(const ExerciseResult& result) {
    if (result.exercise == Exercise::MapTest && !result.subject.isEmpty())
        return result.subject + QStringLiteral(": ") + Mark(result);
    return Mark(result);
}

QString RegionOf(const ExerciseResult& result) {
    if (result.exercise == Exercise::MapTest)
        return ExerciseName(result.exercise) + QStringLiteral(" – ") + result.subject;
    return ExerciseName(result.exercise);
}

// A field in quotes, a quote inside doubled. A field that a spreadsheet
// would take for a formula is kept as text by a leading apostrophe.
QByteArray CsvField(QString text) {
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front())) text.prepend('\'');
    text.replace('"', QStringLiteral("\"\""));
    return '"' + text.toUtf8() + '"';
}

}  // namespace

ReportTable ClassTable(const ClassResults& loaded) {
    ReportTable table;
    table.header = {QStringLiteral("Uczeń"),         QStringLiteral("Ćwiczenie"),
                    QStringLiteral("Ostatni wynik"), QStringLiteral("Najlepszy wynik"),
                    QStringLiteral("Podejścia"),     QStringLiteral("Czas razem"),
                    QStringLiteral("Ostatnio")};
    for (const PupilResults& pupil : loaded.pupils)
        for (const ExerciseSummary& s : Summarise(pupil.results))
            table.rows.push_back({pupil.login, ExerciseName(s.exercise), MarkWithSubject(s.last),
                                  MarkWithSubject(s.best), QString::number(s.count),
                                  Duration(s.totalSeconds), Date(s.last)});
    return table;
}

QStringList PupilDetail(const PupilResults& pupil) {
    QStringList lines;
    for (const ExerciseSummary& s : Summarise(pupil.results)) {
        lines << ExerciseName(s.exercise);
        lines << QStringLiteral("  Ostatnio: ") + Describe(s.last);
        lines << QStringLiteral("  Najlepiej: ") + Describe(s.best);
        lines << QStringLiteral("  Podejścia: %1, czas razem: %2")
                     .arg(s.count)
                     .arg(Duration(s.totalSeconds));
        const QString mistakes = MistakesLine(s.commonMistakes);
        if (!mistakes.isEmpty()) lines << QStringLiteral("  ") + mistakes;
        lines << QString();
    }
    if (lines.isEmpty()) lines << QStringLiteral("Ten uczeń nie ma jeszcze wyników.");
    return lines;
}

std::vector<RegionMistakes> ClassMistakes(const ClassResults& loaded) {
    struct Tally {
        int times = 0;
        QSet<QString> pupils;
    };
    std::map<QString, QHash<QString, Tally>> regions;
    for (const PupilResults& pupil : loaded.pupils)
        for (const StoredResult& stored : pupil.results)
            for (const QString& item : stored.result.mistakes) {
                Tally& tally = regions[RegionOf(stored.result)][item];
                ++tally.times;
                tally.pupils.insert(pupil.login);
            }
    std::vector<RegionMistakes> found;
    for (const auto& [region, items] : regions) {
        RegionMistakes entry{region, {}};
        for (auto it = items.cbegin(); it != items.cend(); ++it)
            entry.mistakes.push_back({it.key(), it.value().times, int(it.value().pupils.size())});
        std::sort(entry.mistakes.begin(), entry.mistakes.end(),
                  [](const ClassMistake& a, const ClassMistake& b) {
                      if (a.times != b.times) return a.times > b.times;
                      if (a.pupils != b.pupils) return a.pupils > b.pupils;
                      return a.item.localeAwareCompare(b.item) < 0;
                  });
        if (entry.mistakes.size() > size_t(kClassMistakesShown))
            entry.mistakes.resize(size_t(kClassMistakesShown));
        found.push_back(std::move(entry));
    }
    return found;
}

QByteArray CsvBytes(const ReportTable& table) {
    QByteArray bytes("\xEF\xBB\xBF");
    auto addLine = [&bytes](const QStringList& cells) {
        QByteArrayList fields;
        for (const QString& cell : cells) fields << CsvField(cell);
        bytes += fields.join(';') + "\r\n";
    };
    addLine(table.header);
    for (const QStringList& row : table.rows) addLine(row);
    return bytes;
}

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

// What a result is compared with: an exercise, and for the map Test its
// continent as well ("Państwa świata na mapie – Europa").
QString ChallengeName(const ExerciseResult& result) {
    if (result.exercise == Exercise::MapTest)
        return ExerciseName(result.exercise) + QStringLiteral(" – ") + result.subject;
    return ExerciseName(result.exercise);
}

struct ChallengeSummary {
    QString name;
    ExerciseSummary summary;
};

// One summary per exercise, and per continent for the map Test, whose rounds
// on different continents are not compared.
std::vector<ChallengeSummary> ChallengeSummaries(const std::vector<StoredResult>& results) {
    std::vector<StoredResult> exercises;
    std::map<QString, std::vector<StoredResult>> mapRounds;
    for (const StoredResult& stored : results) {
        if (stored.result.exercise == Exercise::MapTest)
            mapRounds[stored.result.subject].push_back(stored);
        else
            exercises.push_back(stored);
    }
    std::vector<ChallengeSummary> summaries;
    for (const ExerciseSummary& s : Summarise(exercises))
        summaries.push_back({ExerciseName(s.exercise), s});
    for (const auto& [continent, rounds] : mapRounds)
        summaries.push_back({ChallengeName(rounds.front().result), Summarise(rounds).front()});
    return summaries;
}

// Times in the table always carry the hours, "0:08:40": a spreadsheet reads
// "8:40" as eight hours and forty minutes.
QString ClockTime(qint64 seconds) {
    seconds = std::max<qint64>(seconds, 0);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString TimeSpent(qint64 seconds) {
    return seconds > 0 ? ClockTime(seconds) : QString();  // not every exercise keeps its time
}

QString TableMark(const ExerciseResult& result) {
    if (result.exercise == Exercise::Puzzle && result.solved) return ClockTime(result.seconds);
    return Mark(result);
}

QString MarkAndDate(const ExerciseResult& result) {
    const QString date = Date(result);
    return date.isEmpty() ? Mark(result) : Mark(result) + QStringLiteral(", ") + date;
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
        for (const auto& [name, s] : ChallengeSummaries(pupil.results))
            table.rows.push_back({pupil.login, name, TableMark(s.last), TableMark(s.best),
                                  QString::number(s.count), TimeSpent(s.totalSeconds),
                                  Date(s.last)});
    return table;
}

QStringList PupilDetail(const PupilResults& pupil) {
    QStringList lines;
    for (const auto& [name, s] : ChallengeSummaries(pupil.results)) {
        lines << name;
        lines << QStringLiteral("  Ostatnio: ") + MarkAndDate(s.last);
        lines << QStringLiteral("  Najlepiej: ") + MarkAndDate(s.best);
        QString count = QStringLiteral("  Podejścia: %1").arg(s.count);
        if (s.totalSeconds > 0)
            count += QStringLiteral(", czas razem: ") + Duration(s.totalSeconds);
        lines << count;
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
                Tally& tally = regions[ChallengeName(stored.result)][item];
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

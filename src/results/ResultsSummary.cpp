// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsSummary.h"

#include <QHash>
#include <algorithm>

std::vector<ExerciseSummary> Summarise(const std::vector<StoredResult>& results) {
    std::vector<ExerciseSummary> summaries;
    for (int e = 0; e <= int(Exercise::Unknown); ++e) {
        ExerciseSummary summary;
        summary.exercise = Exercise(e);
        std::vector<StoredResult> own;
        for (const StoredResult& stored : results) {
            const ExerciseResult& r = stored.result;
            if (r.exercise != summary.exercise) continue;
            own.push_back(stored);
            if (summary.count == 0 || Rating(r) > Rating(summary.best)) summary.best = r;
            summary.last = r;
            summary.totalSeconds += std::max(r.seconds, 0);
            ++summary.count;
        }
        if (summary.count == 0) continue;
        const size_t first = own.size() > size_t(kChartLength) ? own.size() - kChartLength : 0;
        for (size_t i = first; i < own.size(); ++i)
            summary.ratings.push_back(Rating(own[i].result));
        summary.commonMistakes = CommonMistakes(own, kMistakesShown);
        summaries.push_back(summary);
    }
    return summaries;
}

std::vector<MistakeCount> CommonMistakes(const std::vector<StoredResult>& results, int atMost) {
    QHash<QString, int> times;
    for (const StoredResult& stored : results)
        for (const QString& item : stored.result.mistakes) ++times[item];
    std::vector<MistakeCount> mistakes;
    for (auto it = times.cbegin(); it != times.cend(); ++it)
        if (it.value() >= 2) mistakes.push_back({it.key(), it.value()});
    std::sort(mistakes.begin(), mistakes.end(), [](const MistakeCount& a, const MistakeCount& b) {
        return a.times != b.times ? a.times > b.times : a.item.localeAwareCompare(b.item) < 0;
    });
    if (mistakes.size() > size_t(atMost)) mistakes.resize(size_t(atMost));
    return mistakes;
}

QString MistakesLine(const std::vector<MistakeCount>& mistakes) {
    if (mistakes.empty()) return QString();
    QStringList parts;
    for (const MistakeCount& m : mistakes)
        parts << QStringLiteral("%1 (%2 razy)").arg(m.item).arg(m.times);
    return QStringLiteral("Najczęstsze błędy: ") + parts.join(QStringLiteral(", "));
}

QString Describe(const ExerciseResult& result) {
    QString text = Mark(result);
    if (result.exercise == Exercise::MapTest && !result.subject.isEmpty())
        text = result.subject + QStringLiteral(": ") + text;
    if (result.finishedAt.isValid())
        text += QStringLiteral(", ") + result.finishedAt.toString(QStringLiteral("dd.MM.yyyy"));
    return text;
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the results windows show of a list of results: per exercise the last
// and the best result, the ratings over time and the mistakes that come back.
#include <QString>
#include <vector>

#include "results/ResultStore.h"

struct MistakeCount {
    QString item;
    int times = 0;
};

struct ExerciseSummary {
    Exercise exercise = Exercise::Unknown;
    int count = 0;
    int totalSeconds = 0;
    ExerciseResult last;
    ExerciseResult best;
    std::vector<double> ratings;  // the latest ones, oldest first, for the chart
    std::vector<MistakeCount> commonMistakes;
};

inline constexpr int kChartLength = 20;
inline constexpr int kMistakesShown = 3;

// One summary per exercise that has results, in the menu's order.
std::vector<ExerciseSummary> Summarise(const std::vector<StoredResult>& results);
// The mistakes made at least twice, most frequent first (then by name), at
// most atMost of them.
std::vector<MistakeCount> CommonMistakes(const std::vector<StoredResult>& results, int atMost);
// "Najczęstsze błędy: Mołdawia (3 razy), Litwa (2 razy)", or empty.
QString MistakesLine(const std::vector<MistakeCount>& mistakes);
// "dobry, 12.03.2026" or with the continent: "Europa: 85%, 12.03.2026"
QString Describe(const ExerciseResult& result);

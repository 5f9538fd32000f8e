// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ExerciseResult.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

struct ExerciseInfo {
    Exercise exercise;
    const char* key;
    const char* name;
};

const std::array<ExerciseInfo, 6> kExercises{{
    {Exercise::KnowledgeQuiz, "wiedza", "Sprawdź, ile wiesz"},
    {Exercise::CapitalsQuiz, "stolice", "Stolice świata"},
    {Exercise::Puzzle, "puzzle", "Puzzle"},
    {Exercise::Country, "panstwo", "Co to za państwo"},
    {Exercise::Coordinates, "wspolrzedne", "Współrzędne na mapie"},
    {Exercise::MapTest, "mapa-test", "Państwa świata na mapie"},
}};

}  // namespace

ExerciseResult ExerciseResult::Quiz(bool capitals, int right, int seconds, QStringList mistakes) {
    ExerciseResult result;
    result.exercise = capitals ? Exercise::CapitalsQuiz : Exercise::KnowledgeQuiz;
    result.score = right;
    result.maxScore = 10;
    result.seconds = seconds;
    result.solved = right == 10;
    result.mistakes = std::move(mistakes);
    return result;
}

ExerciseResult ExerciseResult::Puzzle(const QString& picture, int seconds, int swaps, bool solved) {
    ExerciseResult result;
    result.exercise = Exercise::Puzzle;
    result.subject = picture;
    result.seconds = seconds;
    result.moves = swaps;
    result.solved = solved;
    result.score = solved ? 1 : 0;
    result.maxScore = 1;
    return result;
}

ExerciseResult ExerciseResult::Country(const QString& picture, int attempts, int points, bool won) {
    ExerciseResult result;
    result.exercise = Exercise::Country;
    result.subject = picture;
    result.moves = attempts;
    result.score = points;
    result.maxScore = 50;
    result.solved = won;
    if (!won) result.mistakes = {picture};
    return result;
}

ExerciseResult ExerciseResult::Coordinates(int tasks, int right) {
    ExerciseResult result;
    result.exercise = Exercise::Coordinates;
    result.score = right;
    result.maxScore = tasks;
    result.solved = tasks > 0 && right == tasks;
    return result;
}

ExerciseResult ExerciseResult::MapTest(const QString& continent, int countries,
                                       QStringList missed) {
    ExerciseResult result;
    result.exercise = Exercise::MapTest;
    result.subject = continent;
    const int hit = std::max(countries - int(missed.size()), 0);
    result.score = countries > 0 ? (hit * 100 + countries / 2) / countries : 0;
    result.maxScore = 100;
    result.solved = missed.isEmpty();
    result.mistakes = std::move(missed);
    return result;
}

QString ExerciseKey(Exercise exercise) {
    for (const ExerciseInfo& info : kExercises)
        if (info.exercise == exercise) return QString::fromLatin1(info.key);
    return QString();
}

Exercise ExerciseFromKey(const QString& key) {
    for (const ExerciseInfo& info : kExercises)
        if (key == QLatin1String(info.key)) return info.exercise;
    return Exercise::Unknown;
}

QString ExerciseName(Exercise exercise) {
    for (const ExerciseInfo& info : kExercises)
        if (info.exercise == exercise) return QString::fromUtf8(info.name);
    return QStringLiteral("Inne ćwiczenie");
}

QString GradeWord(int right) {
    if (right <= 5) return QStringLiteral("niedostateczny");
    if (right == 6) return QStringLiteral("dopuszczający");
    if (right == 7) return QStringLiteral("dostateczny");
    if (right == 8) return QStringLiteral("dobry");
    if (right == 9) return QStringLiteral("bardzo dobry");
    return QStringLiteral("celujący");
}

QString MinutesSeconds(int seconds) {
    seconds = std::max(seconds, 0);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString Mark(const ExerciseResult& result) {
    switch (result.exercise) {
        case Exercise::KnowledgeQuiz:
        case Exercise::CapitalsQuiz:
            return GradeWord(result.score);
        case Exercise::Puzzle:
            return result.solved ? MinutesSeconds(result.seconds) : QStringLiteral("nieułożone");
        case Exercise::Country:
            return result.solved ? QStringLiteral("%1 pkt").arg(result.score)
                                 : QStringLiteral("nieodgadnięte");
        case Exercise::Coordinates:
            return QStringLiteral("%1 z %2").arg(result.score).arg(result.maxScore);
        case Exercise::MapTest:
            return QStringLiteral("%1%").arg(result.score);
        case Exercise::Unknown:
            break;
    }
    return QStringLiteral("%1 z %2").arg(result.score).arg(result.maxScore);
}

double Rating(const ExerciseResult& result) {
    if (result.exercise == Exercise::Puzzle)
        // A solved puzzle beats an unsolved one; among solved, the quicker.
        return result.solved ? 1.0 + 1.0 / (1.0 + std::max(result.seconds, 0)) : 0.0;
    if (result.exercise == Exercise::Country && !result.solved) return 0.0;
    if (result.maxScore <= 0) return 0.0;
    return double(result.score) / result.maxScore;
}

bool SameChallenge(const ExerciseResult& a, const ExerciseResult& b) {
    if (a.exercise != b.exercise) return false;
    return a.exercise != Exercise::MapTest || a.subject == b.subject;
}

QString ComparisonLine(const ExerciseResult* previousBest, const ExerciseResult& today) {
    if (!previousBest) return QString();
    return QStringLiteral("Poprzednio: %1, dziś: %2").arg(Mark(*previousBest), Mark(today));
}

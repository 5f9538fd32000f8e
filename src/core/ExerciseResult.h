// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One finished exercise as it is kept: which exercise, what it was about, how
// it went and what went wrong. The marks shown to the pupil and the teacher
// and the "better than" order of results are computed from these values.
#include <QDateTime>
#include <QString>
#include <QStringList>

enum class Exercise { KnowledgeQuiz, CapitalsQuiz, Puzzle, Country, Coordinates, MapTest, Unknown };

struct ExerciseResult {
    Exercise exercise = Exercise::Unknown;
    QString subject;  // the picture or the continent; empty for quizzes and coordinates
    int score = 0;    // right answers, points left or the percentage hit
    int maxScore = 0;
    int seconds = 0;
    int moves = 0;  // puzzle swaps, country attempts
    bool solved = false;
    QStringList mistakes;  // the questions, countries or places missed
    QDateTime finishedAt;  // set when the result is recorded

    static ExerciseResult Quiz(bool capitals, int right, int seconds, QStringList mistakes);
    static ExerciseResult Puzzle(const QString& picture, int seconds, int swaps, bool solved);
    static ExerciseResult Country(const QString& picture, int attempts, int points, bool won);
    static ExerciseResult Coordinates(int tasks, int right);
    // The score of a map round is the percentage of its countries not missed.
    static ExerciseResult MapTest(const QString& continent, int countries, QStringList missed);
};

// The key an exercise is stored under, and back (Unknown for a key of a
// later version).
QString ExerciseKey(Exercise exercise);
Exercise ExerciseFromKey(const QString& key);
// The Polish name shown in the results windows.
QString ExerciseName(Exercise exercise);

// The school grade word of a quiz series of ten questions ("dobry").
QString GradeWord(int right);
// What the pupil reads as the outcome: a grade, a time, points, a percentage.
QString Mark(const ExerciseResult& result);
// The outcome as a number, higher is better, for "best" and for the chart.
double Rating(const ExerciseResult& result);
// Whether two results are compared with each other: the same exercise, and
// for the maps the same continent.
bool SameChallenge(const ExerciseResult& a, const ExerciseResult& b);
// "Poprzednio: dostateczny, dziś: dobry", or empty without a previous result.
QString ComparisonLine(const ExerciseResult* previousBest, const ExerciseResult& today);
// "2:05"
QString MinutesSeconds(int seconds);

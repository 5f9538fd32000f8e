// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The questions of the current series that were answered wrongly, with the
// pupil's answer and the right one, for the list shown after the grade.
#include <QString>
#include <vector>

#include "quiz/QuizQuestions.h"

struct QuizMistake {
    QString question;
    QString chosen;  // empty when the time ran out
    QString right;
};

class QuizReview {
public:
    // Forgets the series: at every quiz entry and every first question.
    void StartSeries() { mistakes.clear(); }
    // Keeps the question when the chosen row (1..3, or 4 for no answer) is
    // not the right one.
    void Record(const PresentedQuestion& question, int chosenPosition);
    const std::vector<QuizMistake>& Mistakes() const { return mistakes; }
    // The questions answered wrongly: for the capitals quiz the countries.
    QStringList Questions() const;
    // One paragraph per mistake: the question, the pupil's answer, the
    // right answer.
    QStringList Paragraphs() const;

private:
    std::vector<QuizMistake> mistakes;
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/QuizReview.h"

#include <QStringList>

void QuizReview::Record(const PresentedQuestion& question, int chosenPosition) {
    if (chosenPosition == question.CorrectPosition) return;
    const bool chosen = chosenPosition >= 1 && chosenPosition <= 3;
    mistakes.push_back({question.question, chosen ? question.rows[chosenPosition - 1] : QString(),
                        question.rows[question.CorrectPosition - 1]});
}

QStringList QuizReview::Paragraphs() const {
    QStringList paragraphs;
    for (const QuizMistake& m : mistakes) {
        const QString yours = m.chosen.isEmpty() ? QStringLiteral("Brak odpowiedzi - minął czas")
                                                 : QStringLiteral("Twoja odpowiedź: ") + m.chosen;
        paragraphs.append(m.question + "\n" + yours + "\n" +
                          QStringLiteral("Poprawna odpowiedź: ") + m.right);
    }
    return paragraphs;
}

QStringList QuizReview::Questions() const {
    QStringList questions;
    for (const QuizMistake& mistake : mistakes) questions << mistake.question;
    return questions;
}

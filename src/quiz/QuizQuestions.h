// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The question-building logic of both quizzes: the knowledge quiz walks a
// shuffled order of records 1..218; the capitals quiz walks a shuffled table
// of 107 country-capital pairs. Each question comes out as a question text,
// three row texts and the row (1..3) holding the right answer.
#include <QString>
#include <array>
#include <optional>

#include "quiz/QuestionBank.h"

class Random;

struct QuestionRecord {
    QString question, answer1, answer2, answer3;
    int answerNumber = 1;  // which of the three answers is right
};

struct CapitalPair {
    QString country, capital;
};

struct PresentedQuestion {
    QString question;
    std::array<QString, 3> rows;  // top to bottom
    int CorrectPosition = 1;      // 1..3
};

// Returns the part of text before its first "*" and removes it and the "*"
// from text; with no "*" the whole text is returned and text becomes empty.
QString SplitField(QString& text);

// A knowledge record "question*a1*a2*a3*n"; nothing for an empty record, one
// with fewer than four separators or an answer number other than 1..3.
std::optional<QuestionRecord> ParseKnowledgeRecord(QString record);

// Places the answers on the three rows so that the right one (answerNumber)
// lands on targetRow.
std::array<QString, 3> ArrangeAnswers(const QString& a1, const QString& a2, const QString& a3,
                                      int answerNumber, int targetRow);

class QuizQuestions {
public:
    static constexpr int kDrawSize = 300;   // DrawOrder positions
    static constexpr int kWalkSize = 218;   // positions the knowledge walk uses
    static constexpr int kCapitals = 107;   // CapitalTable entries
    static constexpr int kShuffled = 106;   // entries the shuffle and wrong answers use
    static constexpr int kNameLength = 40;  // longest country or capital name

    QuizQuestions(const QuestionBank& bank, Random& random) : bank(bank), random(random) {}

    void ResetDrawOrder();
    PresentedQuestion NextKnowledgeQuestion();

    void LoadCapitalTable();
    void ShuffleCapitalTable();
    PresentedQuestion NextCapitalQuestion();

    // 1-based like the positions and entries they hold; index 0 is unused.
    std::array<int, kDrawSize + 1> DrawOrder{};
    int DrawPosition = 1;
    std::array<CapitalPair, kCapitals + 1> CapitalTable;
    int CapitalPosition = 1;

private:
    std::optional<QuestionRecord> ReadAt(int position) const;
    int DrawOtherThan(int a, int b);

    const QuestionBank& bank;
    Random& random;
};

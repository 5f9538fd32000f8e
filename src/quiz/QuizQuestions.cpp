// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/QuizQuestions.h"

#include <utility>

#include "platform/Platform.h"

namespace {
constexpr int kKnowledgeLength = 200;  // longest knowledge record
constexpr int kCapitalLength = 100;    // longest capital record
constexpr int kCapitalBase = 300;      // capital entry i is record 300 + i
constexpr int kSwapsOfDrawOrder = 500;
constexpr int kSwapsOfCapitals = 100;
}  // namespace

QString SplitField(QString& text) {
    const int star = text.indexOf('*');
    if (star < 0) return std::exchange(text, QString());
    const QString field = text.left(star);
    text.remove(0, star + 1);
    return field;
}

std::optional<QuestionRecord> ParseKnowledgeRecord(QString record) {
    if (record.count('*') < 4) return std::nullopt;
    QuestionRecord parsed;
    parsed.question = SplitField(record);
    parsed.answer1 = SplitField(record);
    parsed.answer2 = SplitField(record);
    parsed.answer3 = SplitField(record);
    const QChar digit = record.isEmpty() ? QChar() : record.front();
    if (digit < '1' || digit > '3') return std::nullopt;
    parsed.answerNumber = digit.digitValue();
    return parsed;
}

std::array<QString, 3> ArrangeAnswers(const QString& a1, const QString& a2, const QString& a3,
                                      int answerNumber, int targetRow) {
    // Rows for each answer number (1..3) and target row (1..3), as indexes
    // into {a1, a2, a3}.
    static constexpr int kRows[3][3][3] = {
        {{0, 2, 1}, {1, 0, 2}, {2, 1, 0}},
        {{1, 2, 0}, {0, 1, 2}, {2, 0, 1}},
        {{2, 0, 1}, {1, 2, 0}, {0, 1, 2}},
    };
    const QString* answers[3] = {&a1, &a2, &a3};
    const auto& order = kRows[answerNumber - 1][targetRow - 1];
    return {*answers[order[0]], *answers[order[1]], *answers[order[2]]};
}

void QuizQuestions::ResetDrawOrder() {
    for (int i = 1; i <= kDrawSize; ++i) DrawOrder[i] = i;
    for (int swap = 0; swap < kSwapsOfDrawOrder; ++swap) {
        const int p = random.uniform(1, kWalkSize);
        const int q = random.uniform(1, kWalkSize);
        std::swap(DrawOrder[p], DrawOrder[q]);
    }
    DrawPosition = random.uniform(1, kWalkSize - 1);
}

std::optional<QuestionRecord> QuizQuestions::ReadAt(int position) const {
    return ParseKnowledgeRecord(bank.Record(DrawOrder[position], kKnowledgeLength));
}

PresentedQuestion QuizQuestions::NextKnowledgeQuestion() {
    DrawPosition = DrawPosition >= kWalkSize ? 1 : DrawPosition + 1;
    auto record = ReadAt(DrawPosition);
    // An unusable record (number 209 has none) gives way to the record at the
    // following position, past 218 if need be. Should several follow one
    // another, the search goes on, round the whole order at most once.
    for (int tries = 0; !record && tries < kDrawSize; ++tries) {
        DrawPosition = DrawPosition % kDrawSize + 1;
        record = ReadAt(DrawPosition);
    }
    PresentedQuestion shown;
    shown.CorrectPosition = random.uniform(1, 3);
    if (!record) return shown;  // an empty bank: nothing to ask
    shown.question = record->question;
    shown.rows = ArrangeAnswers(record->answer1, record->answer2, record->answer3,
                                record->answerNumber, shown.CorrectPosition);
    return shown;
}

void QuizQuestions::LoadCapitalTable() {
    for (int i = 1; i <= kCapitals; ++i) {
        QString record = bank.Record(kCapitalBase + i, kCapitalLength);
        if (!record.contains('*')) record = "Polska*Warszawa";  // empty or unusable
        CapitalTable[i].country = SplitField(record).left(kNameLength);
        CapitalTable[i].capital = record.left(kNameLength);
    }
}

void QuizQuestions::ShuffleCapitalTable() {
    for (int swap = 0; swap < kSwapsOfCapitals; ++swap) {
        const int p = random.uniform(1, kShuffled);
        const int q = random.uniform(1, kShuffled);
        std::swap(CapitalTable[p], CapitalTable[q]);
    }
}

int QuizQuestions::DrawOtherThan(int a, int b) {
    int drawn;
    do drawn = random.uniform(1, kShuffled);
    while (drawn == a || drawn == b);
    return drawn;
}

PresentedQuestion QuizQuestions::NextCapitalQuestion() {
    CapitalPosition = CapitalPosition >= kCapitals ? 2 : CapitalPosition + 1;
    const int n = CapitalPosition;
    const int w1 = DrawOtherThan(n, n);
    const int w2 = DrawOtherThan(n, w1);
    PresentedQuestion shown;
    shown.question = CapitalTable[n].country;
    shown.CorrectPosition = random.uniform(1, 3);
    const QString& right = CapitalTable[n].capital;
    const QString& wrong1 = CapitalTable[w1].capital;
    const QString& wrong2 = CapitalTable[w2].capital;
    switch (shown.CorrectPosition) {
        case 1:
            shown.rows = {right, wrong1, wrong2};
            break;
        case 2:
            shown.rows = {wrong1, right, wrong2};
            break;
        default:
            shown.rows = {wrong1, wrong2, right};
            break;
    }
    return shown;
}

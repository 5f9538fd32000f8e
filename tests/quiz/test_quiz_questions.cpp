// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QSet>
#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

#include "quiz/QuizQuestions.h"
#include "support/FakePlatform.h"

namespace {

// Records every range asked for; returns scripted numbers first, then the low
// end of the range.
class RecordingRandom : public Random {
public:
    int uniform(int lo, int hi) override {
        ranges.emplace_back(lo, hi);
        if (script.empty()) return lo;
        const int v = script.front();
        script.pop_front();
        return std::clamp(v, lo, hi);
    }
    void seedFromClock() override {}
    std::deque<int> script;
    std::vector<std::pair<int, int>> ranges;
};

// A bank of knowledge records "Qn*An*B*C*1" for 1..300 without 209, and
// capital records "Country i*Capital i" for 301..407.
QString SmallBankText() {
    QString text;
    for (int n = 1; n <= 300; ++n)
        if (n != 209) text += QString("%1\tQ%1*A%1*B*C*1\n").arg(n);
    for (int i = 1; i <= 107; ++i)
        text += QString("%1\tCountry %2*Capital %2\n").arg(300 + i).arg(i);
    return text;
}

TEST(QuizQuestions, SplitFieldTakesTheTextUpToTheFirstStar) {
    QString text = "a*b**c";
    EXPECT_EQ(SplitField(text), "a");
    EXPECT_EQ(SplitField(text), "b");
    EXPECT_EQ(SplitField(text), "");
    EXPECT_EQ(text, "c");
    EXPECT_EQ(SplitField(text), "c");
    EXPECT_EQ(text, "");
}

TEST(QuizQuestions, ParseKnowledgeRecordRejectsUnusableRecords) {
    EXPECT_FALSE(ParseKnowledgeRecord(""));
    EXPECT_FALSE(ParseKnowledgeRecord("Q*a*b*c"));
    EXPECT_FALSE(ParseKnowledgeRecord("Q*a*b*c*4"));
    EXPECT_FALSE(ParseKnowledgeRecord("Q*a*b*c*"));
    const auto record = ParseKnowledgeRecord("Q*a*b* *2 and more");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->answer3, " ");
    EXPECT_EQ(record->answerNumber, 2);
}

TEST(QuizQuestions, ArrangeAnswersFollowsThePlacementTable) {
    // {answer number, target row, rows 1..3}
    const std::vector<std::pair<std::pair<int, int>, QString>> table = {
        {{1, 1}, "132"}, {{1, 2}, "213"}, {{1, 3}, "321"},  //
        {{2, 1}, "231"}, {{2, 2}, "123"}, {{2, 3}, "312"},  //
        {{3, 1}, "312"}, {{3, 2}, "231"}, {{3, 3}, "123"},
    };
    for (const auto& [key, expected] : table) {
        const auto rows = ArrangeAnswers("1", "2", "3", key.first, key.second);
        EXPECT_EQ(rows[0] + rows[1] + rows[2], expected) << key.first << "/" << key.second;
        EXPECT_EQ(rows[key.second - 1], QString::number(key.first));
    }
}

TEST(QuizQuestions, ResetDrawOrderShufflesOnlyTheFirst218Positions) {
    const QuestionBank bank(SmallBankText());
    RecordingRandom random;
    random.script = {1, 218, 5, 5, 200, 3};
    QuizQuestions quiz(bank, random);
    quiz.ResetDrawOrder();
    ASSERT_EQ(random.ranges.size(), 1001u);
    for (int i = 0; i < 1000; ++i) EXPECT_EQ(random.ranges[i], std::make_pair(1, 218));
    EXPECT_EQ(random.ranges[1000], std::make_pair(1, 217));
    std::vector<int> walked(quiz.DrawOrder.begin() + 1, quiz.DrawOrder.begin() + 219);
    std::sort(walked.begin(), walked.end());
    for (int i = 0; i < 218; ++i) EXPECT_EQ(walked[i], i + 1);
    for (int i = 219; i <= 300; ++i) EXPECT_EQ(quiz.DrawOrder[i], i);
}

TEST(QuizQuestions, KnowledgeWalkWrapsFrom218ToPosition1) {
    const QuestionBank bank(SmallBankText());
    FakeRandom random;
    QuizQuestions quiz(bank, random);
    quiz.ResetDrawOrder();
    quiz.DrawPosition = 218;
    const int first = quiz.DrawOrder[1];
    const PresentedQuestion shown = quiz.NextKnowledgeQuestion();
    EXPECT_EQ(quiz.DrawPosition, 1);
    EXPECT_EQ(shown.question, QString("Q%1").arg(first));
    EXPECT_EQ(shown.rows[shown.CorrectPosition - 1], QString("A%1").arg(first));
}

TEST(QuizQuestions, MissingRecord209At218IsSkippedTo219ThenTheWalkWraps) {
    const QuestionBank bank(SmallBankText());
    FakeRandom random;
    QuizQuestions quiz(bank, random);
    for (int i = 1; i <= 300; ++i) quiz.DrawOrder[i] = i;
    std::swap(quiz.DrawOrder[209], quiz.DrawOrder[218]);
    quiz.DrawPosition = 217;
    EXPECT_EQ(quiz.NextKnowledgeQuestion().question, "Q219");
    EXPECT_EQ(quiz.DrawPosition, 219);
    EXPECT_EQ(quiz.NextKnowledgeQuestion().question, "Q1");
}

TEST(QuizQuestions, SeveralUnusableRecordsInARowAreAllSkipped) {
    const QuestionBank bank("1\tQ1*a*b*c*1\n2\tbroken\n3\tQ3*a*b*c*9\n4\tQ4*a*b*c*2\n");
    FakeRandom random;
    QuizQuestions quiz(bank, random);
    for (int i = 1; i <= 300; ++i) quiz.DrawOrder[i] = i;
    quiz.DrawPosition = 1;
    EXPECT_EQ(quiz.NextKnowledgeQuestion().question, "Q4");
    quiz.DrawPosition = 218;
    EXPECT_EQ(quiz.NextKnowledgeQuestion().question, "Q1");
    const QuestionBank empty;
    QuizQuestions nothing(empty, random);
    EXPECT_EQ(nothing.NextKnowledgeQuestion().question, "");
}

TEST(QuizQuestions, LoadCapitalTableFillsGapsAndCutsLongNames) {
    const QString longName(45, QChar(u'Ł'));
    const QuestionBank bank("301\tNorwegia*Oslo\n302\t" + longName + "*" + longName +
                            "\n303\tno separator\n");
    FakeRandom random;
    QuizQuestions quiz(bank, random);
    quiz.LoadCapitalTable();
    EXPECT_EQ(quiz.CapitalTable[1].country, "Norwegia");
    EXPECT_EQ(quiz.CapitalTable[1].capital, "Oslo");
    EXPECT_EQ(quiz.CapitalTable[2].country, longName.left(40));
    EXPECT_EQ(quiz.CapitalTable[2].capital, longName.left(40));
    EXPECT_EQ(quiz.CapitalTable[3].country, "Polska");
    EXPECT_EQ(quiz.CapitalTable[107].capital, "Warszawa");
}

TEST(QuizQuestions, CapitalWalkAsksEntries2To107AndNeverOffersKingstonAsWrong) {
    const QuestionBank bank = QuestionBank::FromResource();
    FakeRandom random;
    QuizQuestions quiz(bank, random);
    quiz.CapitalPosition = 1;
    quiz.LoadCapitalTable();
    quiz.ShuffleCapitalTable();
    EXPECT_EQ(quiz.CapitalTable[107].country, "Jamajka");
    for (int round = 0; round < 3; ++round) {
        for (int n = 2; n <= 107; ++n) {
            const PresentedQuestion shown = quiz.NextCapitalQuestion();
            ASSERT_EQ(shown.question, quiz.CapitalTable[n].country);
            EXPECT_EQ(shown.rows[shown.CorrectPosition - 1], quiz.CapitalTable[n].capital);
            EXPECT_EQ(QSet<QString>(shown.rows.begin(), shown.rows.end()).size(), 3);
            for (int row = 1; row <= 3; ++row)
                if (row != shown.CorrectPosition) {
                    EXPECT_NE(shown.rows[row - 1], "Kingston");
                }
        }
    }
}

TEST(QuizQuestions, ShuffleCapitalTableNeverMovesEntry107) {
    const QuestionBank bank(SmallBankText());
    RecordingRandom random;
    random.script = {106, 1, 3, 50};
    QuizQuestions quiz(bank, random);
    quiz.LoadCapitalTable();
    quiz.ShuffleCapitalTable();
    EXPECT_EQ(random.ranges.size(), 200u);
    for (const auto& range : random.ranges) EXPECT_EQ(range, std::make_pair(1, 106));
    EXPECT_EQ(quiz.CapitalTable[1].country, "Country 106");
    EXPECT_EQ(quiz.CapitalTable[3].country, "Country 50");
    EXPECT_EQ(quiz.CapitalTable[107].country, "Country 107");
}

TEST(QuizQuestions, CapitalQuestionRedrawsWrongAnswersThatCollide) {
    const QuestionBank bank(SmallBankText());
    RecordingRandom random;
    QuizQuestions quiz(bank, random);
    quiz.LoadCapitalTable();
    quiz.CapitalPosition = 1;
    // n = 2: w1 draws 2 (the right one) then 5; w2 draws 2, 5, then 7; row 3.
    random.script = {2, 5, 2, 5, 7, 3};
    const PresentedQuestion shown = quiz.NextCapitalQuestion();
    EXPECT_EQ(shown.question, "Country 2");
    EXPECT_EQ(shown.CorrectPosition, 3);
    EXPECT_EQ(shown.rows, (std::array<QString, 3>{"Capital 5", "Capital 7", "Capital 2"}));
}

}  // namespace

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMap>
#include <QSet>

#include "platform/TarvoApplication.h"
#include "quiz/QuestionBank.h"

namespace {

const QuestionBank& Bank() {
    static const QuestionBank bank = QuestionBank::FromResource();
    return bank;
}

TEST(QuestionBank, ParsesNumberedLinesAndReportsMalformedOnes) {
    const QuestionBank bank(
        "1\tfirst\r\n3\tthird*x\nnot a number\n2\tnot rising\n4\t\n5 no tab\n7\tlast\n");
    EXPECT_EQ(bank.Record(1, 200), "first");
    EXPECT_EQ(bank.Record(3, 200), "third*x");
    EXPECT_EQ(bank.Record(2, 200), "");
    EXPECT_EQ(bank.Record(7, 3), "las");
    EXPECT_EQ(bank.RecordCount(), 3);
    EXPECT_EQ(bank.Problems().size(), 4) << bank.Problems().join("\n").toStdString();
}

TEST(QuestionBank, ResourceIsWellFormedAndNumberedAsTheQuizzesExpect) {
    EXPECT_TRUE(Bank().Problems().isEmpty()) << Bank().Problems().join("\n").toStdString();
    EXPECT_EQ(Bank().RecordCount(), 299 + 107);
    EXPECT_TRUE(Bank().Record(209, 200).isEmpty());
    EXPECT_TRUE(Bank().Record(0, 200).isEmpty());
    EXPECT_TRUE(Bank().Record(408, 200).isEmpty());
}

TEST(QuestionBank, KnowledgeRecordsHaveTheirShape) {
    QMap<QString, int> answerNumbers;
    QSet<int> blankThird;
    for (int n = 1; n <= 300; ++n) {
        if (n == 209) continue;
        const QString record = Bank().Record(n, 1000);
        const QStringList fields = record.split('*');
        ASSERT_EQ(fields.size(), 5) << n << ": " << record.toStdString();
        EXPECT_LE(record.size(), 100) << n;
        for (const QString& field : fields) EXPECT_FALSE(field.isEmpty()) << n;
        EXPECT_EQ(fields[4].size(), 1) << n;
        ++answerNumbers[fields[4]];
        if (fields[3] == " ") blankThird.insert(n);
        EXPECT_NE(fields[1].trimmed(), "") << n;
        EXPECT_NE(fields[2].trimmed(), "") << n;
    }
    EXPECT_EQ(answerNumbers, (QMap<QString, int>{{"1", 185}, {"2", 70}, {"3", 44}}));
    EXPECT_EQ(blankThird, (QSet<int>{57, 225, 267, 273, 289}));
    EXPECT_EQ(Bank().Record(57, 200),
              "Arktyka to obszar położony na półkuli:*północnej*południowej* *1");
    EXPECT_TRUE(
        Bank().Record(218, 200).startsWith("Najwyższy budynek świata znajduje się w:*USA*"));
    EXPECT_TRUE(Bank().Record(218, 200).endsWith("*2"));
}

TEST(QuestionBank, CapitalRecordsNameEachCountryAndCapitalOnce) {
    QSet<QString> countries, capitals;
    for (int n = 301; n <= 407; ++n) {
        const QString record = Bank().Record(n, 1000);
        const int star = record.indexOf('*');
        ASSERT_GT(star, 0) << n;
        const QString country = record.left(star), capital = record.mid(star + 1);
        EXPECT_FALSE(capital.isEmpty()) << n;
        EXPECT_LE(country.size(), 40) << n;
        EXPECT_LE(capital.size(), 40) << n;
        EXPECT_FALSE(countries.contains(country)) << country.toStdString();
        EXPECT_FALSE(capitals.contains(capital)) << capital.toStdString();
        countries.insert(country);
        capitals.insert(capital);
    }
    EXPECT_EQ(Bank().Record(407, 100), "Jamajka*Kingston");
}

TEST(QuestionBank, EveryQuestionFitsItsBoxAndEveryAnswerItsRow) {
    const QFont saved = QApplication::font();
    TarvoApplication::UseBundledFont();
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics question(bold), answer(QApplication::font());
    QApplication::setFont(saved);
    const int questionWidth = 253, questionHeight = 36, rowWidth = 265;  // as the window lays out
    for (int n = 1; n <= 407; ++n) {
        const QStringList fields = Bank().Record(n, 200).split('*');
        if (fields.size() < 2) continue;
        const QRect box =
            question.boundingRect(QRect(0, 0, questionWidth, 1000), Qt::TextWordWrap, fields[0]);
        EXPECT_LE(box.height(), questionHeight) << n;
        EXPECT_LE(box.width(), questionWidth) << n;
        for (int i = 1; i < std::min<int>(fields.size(), 4); ++i)
            EXPECT_LE(answer.horizontalAdvance(fields[i]), rowWidth) << n;
    }
}

}  // namespace

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The numbered table of texts behind both quizzes: knowledge records at
// 1..300 and country*capital records at 301..407. It is compiled in as
// ":/strings/questions.txt", UTF-8, one record a line as NUMBER<TAB>TEXT with
// rising numbers. A number without a record reads as an empty text.
#include <QString>
#include <QStringList>
#include <map>

class QuestionBank {
public:
    QuestionBank() = default;
    // Parses the table text. Lines that are not NUMBER<TAB>TEXT with a number
    // above the previous one are left out and listed in Problems().
    explicit QuestionBank(const QString& text);
    // The bank carried by the program; an empty bank if the resource is missing.
    static QuestionBank FromResource();

    // Record n cut to maxLength characters, or an empty text.
    QString Record(int n, int maxLength) const;
    int RecordCount() const { return int(records.size()); }
    const QStringList& Problems() const { return problems; }

private:
    std::map<int, QString> records;
    QStringList problems;
};

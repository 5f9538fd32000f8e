// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/QuestionBank.h"

#include <QFile>

QuestionBank::QuestionBank(const QString& text) {
    const QStringList lines = text.split('\n');
    int previous = 0;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (line.isEmpty() && i == lines.size() - 1) break;  // after the last newline
        const int tab = line.indexOf('\t');
        bool isNumber = false;
        const int number = tab > 0 ? line.left(tab).toInt(&isNumber) : 0;
        const QString record = line.mid(tab + 1);
        if (!isNumber || number <= previous || record.isEmpty()) {
            problems.append(QString("line %1: %2").arg(i + 1).arg(line));
            continue;
        }
        records[number] = record;
        previous = number;
    }
}

QuestionBank QuestionBank::FromResource() {
    QFile file(":/strings/questions.txt");
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QuestionBank(QString::fromUtf8(file.readAll()));
}

QString QuestionBank::Record(int n, int maxLength) const {
    const auto found = records.find(n);
    return found == records.end() ? QString() : found->second.left(maxLength);
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the teacher's view shows of a class's results: a table with a row per
// pupil and exercise, a pupil's detail, the mistakes the class makes most
// per region, and the table as a CSV file for a spreadsheet.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "results/ClassResults.h"

// The table: a header and rows of cells, as shown and as exported.
struct ReportTable {
    QStringList header;
    std::vector<QStringList> rows;
};
ReportTable ClassTable(const ClassResults& loaded);

// A pupil's results by exercise in plain text lines: last, best, how many,
// time spent and the mistakes that come back.
QStringList PupilDetail(const PupilResults& pupil);

struct ClassMistake {
    QString item;
    int times = 0;
    int pupils = 0;  // how many pupils made it
};
// A region is a continent of the map Test, or a quiz, or the country round.
struct RegionMistakes {
    QString region;
    std::vector<ClassMistake> mistakes;  // most frequent first
};
inline constexpr int kClassMistakesShown = 10;
std::vector<RegionMistakes> ClassMistakes(const ClassResults& loaded);

// UTF-8 with a byte order mark, fields in double quotes separated by
// semicolons, lines ended by CR LF: a spreadsheet opens it with the Polish
// letters intact and the columns split.
QByteArray CsvBytes(const ReportTable& table);

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// terravika-wyniki [FOLDER|FILE]: what to open at start, or the help.
#include <QString>
#include <QStringList>

struct TeacherArguments {
    QString path;  // empty: open nothing yet
    bool help = false;
    QString error;  // a Polish note on wrong usage
};

// The arguments after the program's name.
TeacherArguments ParseTeacherArguments(const QStringList& arguments);
QString TeacherUsage();

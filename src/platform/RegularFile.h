// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Opening files from the base folder safely: only regular files are opened,
// and a FIFO or device of the same name never blocks the program.
#include <QFile>
#include <QString>

// Opens path in file when it is a regular file. On failure returns false and
// puts a Polish reason into why.
bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode, QString& why);

// A Polish reason for a system error number, the system's words in brackets
// for the rare ones.
QString SystemErrorText(int error);

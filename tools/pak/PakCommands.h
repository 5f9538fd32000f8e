// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The commands of terravika-pak. Each returns the process exit code:
// 0 success, 1 entry not found, 2 bad archive or bad usage.
#include <QStringList>
#include <QTextStream>

struct PakIo {
    QTextStream& out;
    QTextStream& err;
};

int PakCreate(const QStringList& args, PakIo io);
int PakList(const QStringList& args, PakIo io);
int PakExtract(const QStringList& args, PakIo io);
int PakCheck(const QStringList& args, PakIo io);
int PakPhotoset(const QStringList& args, PakIo io);

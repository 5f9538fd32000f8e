// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers for tests that need files: a temporary folder made the working
// folder for the test's duration, and small writers.
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "data/PackWriter.h"

// A fresh temporary folder that is the current directory while it lives.
class TempWorkDir {
public:
    TempWorkDir();
    ~TempWorkDir();
    QString path() const { return dir.path(); }
    QString file(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir;
    QString previous;
};

// A small valid JPEG of the given size filled with one colour.
QByteArray MakeJpeg(int width, int height, QColor colour = Qt::darkGreen);
// A photo set archive with the given list text and pictures Im1..ImN.
QByteArray MakePhotoSet(const QByteArray& list, int pictures);

// A compiled help file holding the given objects uncompressed ("/index.html"
// and the like). With indexLoop its directory has an index page that sends
// every "/..." name back to itself, as a crafted file can.
QByteArray MakeHelpFile(const QList<PackMember>& objects, bool indexLoop = false);
// A PNG of the given size in one colour.
QByteArray MakePng(int width, int height);

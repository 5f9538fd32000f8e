// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestFiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>

TempWorkDir::TempWorkDir() : previous(QDir::currentPath()) {
    QDir::setCurrent(dir.path());
}

TempWorkDir::~TempWorkDir() {
    QDir::setCurrent(previous);
}

void TempWorkDir::write(const QString& name, const QByteArray& bytes) const {
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (out.open(QIODevice::WriteOnly)) out.write(bytes);
}

QByteArray TempWorkDir::read(const QString& name) const {
    QFile in(file(name));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

QByteArray MakeJpeg(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

QByteArray MakePhotoSet(const QByteArray& list, int pictures) {
    QList<PackMember> members{{"Spis.txt", list}};
    for (int n = 1; n <= pictures; ++n)
        members.append({QStringLiteral("Im%1.jpg").arg(n), MakeJpeg(384, 256)});
    return BuildPack(members);
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A base folder in a temporary directory with one photo set built in the
// test, and the context a module window needs: fake platform, settings and
// a data layer that has opened the set.
#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "data/PackWriter.h"
#include "support/FakePlatform.h"

// A 384 x 256 picture whose colour tells the position, different per number.
inline QImage TestPicture(int n) {
    QImage image(384, 256, QImage::Format_RGB888);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 384; ++x) image.setPixelColor(x, y, QColor(x * 255 / 383, y, n * 8));
    return image;
}

inline QByteArray Jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

struct PhotoSetFixture {
    // A set of `pictures` pictures named "KRAJ n"; the names listed in
    // `lines` replace the first list lines. Pictures in `missing` are left out.
    explicit PhotoSetFixture(int pictures, const QStringList& lines = {},
                             const QList<int>& missing = {}, bool withSet = true) {
        config.BaseFolder = dir.path();
        QDir(dir.path()).mkdir("Data");
        if (withSet) WriteSet(pictures, lines, missing);
        data.InitDataAccess();
    }

    void WriteSet(int pictures, const QStringList& lines, const QList<int>& missing) {
        QStringList list{"Zestaw testowy", "ZERO*picture zero"};
        for (int n = 1; n <= pictures; ++n)
            list << (n <= lines.size() ? lines[n - 1] : QStringLiteral("KRAJ %1*Opis %1").arg(n));
        QList<PackMember> members{{"Spis.txt", list.join("\r\n").toUtf8() + "\r\n"}};
        for (int n = 1; n <= pictures; ++n)
            if (!missing.contains(n))
                members.append({QStringLiteral("Im%1.jpg").arg(n), Jpeg(TestPicture(n))});
        WritePack(dir.filePath("Data/Zestaw.dat"), members);
    }

    QTemporaryDir dir;
    FakePlatform fp;
    Config config;
    DataAccess data{config, fp.services};
    AppContext ctx{fp.services, config, data};
};

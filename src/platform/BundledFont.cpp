// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/BundledFont.h"

#include <QDir>
#include <QFontDatabase>
#include <QResource>

namespace {

// The font file's bytes where the program's image holds them, not a copy:
// registered by name, a font would be read into memory twice (once for the
// font list, once for drawing), about 2 MiB for the two faces.
QByteArray FontBytes(const QString& path) {
    const QResource resource(path);
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
}

QString RegisterFamily() {
    const QDir fonts(":/fonts");
    QString family;
    for (const QString& entry : fonts.entryList(QDir::Files, QDir::Name)) {
        if (!entry.endsWith(".ttf") && !entry.endsWith(".otf")) continue;
        const int id = QFontDatabase::addApplicationFontFromData(FontBytes(fonts.filePath(entry)));
        if (id >= 0 && family.isEmpty())
            family = QFontDatabase::applicationFontFamilies(id).value(0);
    }
    return family;
}

}  // namespace

QFont BundledFont(int pixelSize) {
    static const QString family = RegisterFamily();
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

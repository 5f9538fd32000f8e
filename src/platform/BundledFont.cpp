// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/BundledFont.h"

#include <QDir>
#include <QFontDatabase>

namespace {

QString RegisterFamily() {
    const QDir fonts(":/fonts");
    QString family;
    for (const QString& entry : fonts.entryList({"*.ttf", "*.otf"}, QDir::Files, QDir::Name)) {
        const int id = QFontDatabase::addApplicationFont(fonts.filePath(entry));
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

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ClassFolderSetting.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "platform/Windows1250.h"

namespace {

constexpr qint64 kMaxSettingsBytes = 64 * 1024;

QString Decode(const QByteArray& text) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(text);
    if (!utf8.hasError()) return decoded;
    return Windows1250::Decode(text);
}

}  // namespace

QString ClassFolderFromSettings(const QByteArray& text) {
    for (const QString& line : Decode(text).split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq >= 0 && line.left(eq).compare(QLatin1String("Wyniki"), Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1).trimmed();
    }
    return QString();
}

QString SystemClassFolder() {
    QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (dirs.isEmpty()) dirs = QStringLiteral("/etc/xdg");
    for (const QString& dir : dirs.split(':', Qt::SkipEmptyParts)) {
        const QString path = dir + QStringLiteral("/terravika/Tarvo.ini");
        const QFileInfo info(path);
        if (!info.isFile() || info.size() > kMaxSettingsBytes) continue;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) return ClassFolderFromSettings(file.readAll());
    }
    return QString();
}

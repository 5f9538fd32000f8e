// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/ResourceImages.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>

#include "data/ImageCodecs.h"
#include "platform/FirstEvent.h"
#include "platform/TarvoError.h"

QString FindResource(const QString& folder, const QString& name) {
    const QDir dir(":/" + folder);
    for (const QString& entry : dir.entryList(QDir::Files)) {
        if (QString::compare(entry, name, Qt::CaseInsensitive) == 0 ||
            QString::compare(QFileInfo(entry).completeBaseName(), name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

QImage LoadJpegResource(const QString& name) {
    const QString path = FindResource("images", name);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        throw TarvoError(QStringLiteral("Brak zasobu %1").arg(name));
    return DecodeJpeg(file.readAll());
}

void LoadJpegResourceToBitmap(const QString& name, QImage& bitmap) {
    bitmap = LoadJpegResource(name);
}

void WhenFirstShown(QWidget* widget, std::function<void()> load) {
    if (widget->isVisible())
        load();
    else
        AtFirstEvent(widget, QEvent::Show, std::move(load));
}

QPixmap ScreenPixmap(const QImage& picture, const QWidget* widget, QSize size) {
    if (size.isEmpty()) size = picture.size();
    const qreal ratio = widget->devicePixelRatioF();
    if (ratio == 1 && size == picture.size()) return QPixmap::fromImage(picture);
    QPixmap pixmap = QPixmap::fromImage(
        picture.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

void LoadJpegResourceToImage(const QString& name, QLabel* image) {
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    WhenFirstShown(
        image, [name, image] { image->setPixmap(ScreenPixmap(LoadJpegResource(name), image)); });
}

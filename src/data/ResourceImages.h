// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Loaders for the JPEG pictures compiled into the program (resources/images).
// Names match without regard to letter case; a missing resource is a build
// fault and throws TarvoError.
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <functional>

// The path (":/images/...") of the resource of this name, with or without
// its extension; an empty string when there is none.
QString FindResource(const QString& folder, const QString& name);

QImage LoadJpegResource(const QString& name);
void LoadJpegResourceToBitmap(const QString& name, QImage& bitmap);
// The picture as a pixmap in the device pixels of the widget's screen, drawn
// at `size` (its own size when empty) in logical pixels: a scaled program
// shows it smoothly resampled, not in blocks.
QPixmap ScreenPixmap(const QImage& picture, const QWidget* widget, QSize size = {});
// Shows the picture unscaled from the top-left corner of the label. The
// picture is decoded when the label is first shown, so that a module's
// pictures cost neither time nor memory at start-up.
void LoadJpegResourceToImage(const QString& name, QLabel* image);

// Runs load now when the widget is visible, otherwise at its first showing.
void WhenFirstShown(QWidget* widget, std::function<void()> load);

#pragma once
// Loaders for the JPEG pictures compiled into the program (resources/images).
// Names match without regard to letter case; a missing resource is a build
// fault and throws TarvoError.
#include <QImage>
#include <QLabel>
#include <QString>

// The path (":/images/...") of the resource of this name, with or without
// its extension; an empty string when there is none.
QString FindResource(const QString& folder, const QString& name);

QImage LoadJpegResource(const QString& name);
void LoadJpegResourceToBitmap(const QString& name, QImage& bitmap);
// Shows the picture unscaled from the top-left corner of the label.
void LoadJpegResourceToImage(const QString& name, QLabel* image);

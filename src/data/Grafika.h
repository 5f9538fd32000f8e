#pragma once
// Loaders for the JPEG pictures compiled into the program (resources/images).
// Names match without regard to letter case; a missing resource is a build
// fault and throws TarvoError.
#include <QImage>
#include <QLabel>
#include <QString>
#include <functional>

// The path (":/images/...") of the resource of this name, with or without
// its extension; an empty string when there is none.
QString FindResource(const QString& folder, const QString& name);

QImage LoadJpegResource(const QString& name);
void LoadJpegResourceToBitmap(const QString& name, QImage& bitmap);
// Shows the picture unscaled from the top-left corner of the label. The
// picture is decoded when the label is first shown, so that a module's
// pictures cost neither time nor memory at start-up.
void LoadJpegResourceToImage(const QString& name, QLabel* image);

// Runs load now when the widget is visible, otherwise at its first showing.
void WhenFirstShown(QWidget* widget, std::function<void()> load);

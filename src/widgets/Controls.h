// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small factories for the controls the module windows share: white text
// labels drawn straight on the window's background, the dark-blue buttons,
// and the bare panels and image views that carry the pictures.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class ImageView;
class QLabel;
class QLineEdit;
class QWidget;
class FaceButton;

// A label in the parent's font with white text and no background of its own.
// Every label made here shows its text as plain text, never as rich text.
QLabel* WhiteLabel(QWidget* parent, const char* name);

// The same in a font of the given pixel size, bold or not.
QLabel* WhiteLabel(QWidget* parent, const char* name, int pixelSize, bool bold);

// A white label of fixed geometry in a font of the given pixel size.
QLabel* WhiteLabel(QWidget* parent, const char* name, QRect geometry, int pixelSize, bool bold);

// A white label in the parent's font, placed at `at` and sized to its text.
QLabel* WhiteCaption(QWidget* parent, const char* name, const QString& text, QPoint at);

// The same in a font of the given pixel size, bold or not.
QLabel* WhiteCaption(QWidget* parent, const char* name, const QString& text, QPoint at,
                     int pixelSize, bool bold = false);

// A button with the dark-blue face and the given caption.
FaceButton* ChildFaceButton(QWidget* parent, const char* name, QRect geometry,
                            const QString& caption);

// A plain child panel with no background of its own.
QWidget* ChildPanel(QWidget* parent, const char* name, QRect geometry);

// A child panel filled with a solid colour.
QWidget* ColourPanel(QWidget* parent, const char* name, QRect geometry, const QColor& colour);

// An empty image view.
ImageView* ChildImageView(QWidget* parent, const char* name, QRect geometry);

// The width a line edit lays its text out in: inside its frame, less its text
// margins and the 2 pixels it keeps free on each side.
int LineEditTextRoom(const QLineEdit* edit);

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Accessible roles and names for the controls the program paints itself
// (picture hotspots, answer rows, canvases), announcements of verdicts, and
// the focus ring those controls draw.
#include <QAccessible>
#include <QColor>
#include <QRect>

#include "platform/Theme.h"

class QPainter;
class QWidget;

// Makes the program's own accessible objects (for the widgets below and for
// gauges) known to Qt; done on first use, and early by ReportScreenPositions.
void InstallAccessibleObjects();

// Gives a widget that is no standard control an accessible role and name.
// A button's press action sends it a Space key press and release, which the
// widget handles like a click.
void SetAccessible(QWidget* widget, QAccessible::Role role, const QString& name);

// Has a screen reader speak a verdict now: the label's accessible name, or
// its text when it has none.
void Announce(QWidget* label);
// The same with a text of its own, spoken beside the label.
void Announce(QWidget* label, const QString& text);

// Names a control by its purpose. A drop-down list reads as its chosen item
// on Linux, so an unseen label names it there, as a label beside it would.
void NameByPurpose(QWidget* control, const QString& purpose);

// Names a label that shows a bare value by what it is: "Numer obrazka: 7".
void NameWithContext(QWidget* label, const QString& context);

// A clear focus ring inside the rectangle: a dark outer line and a two-pixel
// band of the colour, yellow unless told, so that one of the two stands out
// at 3:1 or more against any surroundings. Drawn as an ellipse for round
// controls.
void PaintFocusRing(QPainter& p, const QRect& r, bool round = false,
                    const QColor& colour = Theme::kFocusYellow);

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Accessible roles and names for the controls the program paints itself
// (picture hotspots, answer rows, canvases), announcements of verdicts, and
// the focus ring drawn on those controls.
#include <QAccessible>
#include <QRect>

class QPainter;
class QWidget;

// Gives a widget that is no standard control an accessible role and name.
// A button's press action sends it a Space key press and release, which the
// widget handles like a click.
void SetAccessible(QWidget* widget, QAccessible::Role role, const QString& name);

// Tells assistive technology that the text of a label is a verdict to be
// read out now.
void Announce(QWidget* label);

#include <QColor>

// Draws a focus ring over a widget that paints itself (a label, a picture)
// while it has the keyboard focus.
void AddFocusRing(QWidget* widget);

// A clear focus ring: two pixels inside the rectangle, yellow unless told,
// drawn as an ellipse for round controls.
void PaintFocusRing(QPainter& p, const QRect& r, bool round = false,
                    const QColor& colour = QColor(0xFF, 0xD7, 0x00));

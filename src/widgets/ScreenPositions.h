// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A scaled program still tells assistive technology where its controls are
// in screen pixels, so that a magnifier following the focus lands on them:
// Qt gives their places in its own scaled units.
#include <QRect>

class QWindow;

// From now on every accessible object reports screen pixels. Call once,
// after the application object is made, only when the program is scaled.
void ReportScreenPositions();

// A rectangle in the program's units on the given window, in screen pixels.
QRect ScreenPixels(const QRect& logical, const QWindow* window);

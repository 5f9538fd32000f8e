// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The interface font carried in the program's resources, so that every
// machine draws (and measures) the same texts in the same boxes.
#include <QFont>

// The bundled font at the given pixel size; registered on first use. Needs
// a QGuiApplication.
QFont BundledFont(int pixelSize);

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where a lab's administrator names the class results folder: the line
// Wyniki=<folder> of the system-wide settings, terravika/Tarvo.ini in the
// first folder of $XDG_CONFIG_DIRS (by default /etc/xdg) that holds one. It
// is read from there and not from the pupil's own copy, which the program
// rewrites without it and which the pupil may edit.
#include <QByteArray>
#include <QString>

// The value of the first Wyniki line of a settings text (keys in any letter
// case; UTF-8 when the text is valid UTF-8, else Windows-1250), trimmed; empty
// without one.
QString ClassFolderFromSettings(const QByteArray& text);
// The class folder named by the system-wide settings, or empty.
QString SystemClassFolder();

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The colours and titles that more than one window uses, in one place.
#include <QColor>
#include <QString>

namespace Theme {

// The program's window title, also on its own error boxes.
inline const QString kProgramTitle = QStringLiteral("Terravika świata");
// The verdict of a box that reports a failure.
inline const QString kErrorVerdict = QStringLiteral("Błąd");

// The dialogs' panels, and the selected rows of lists (white on it: 7.3:1).
inline const QColor kDialogPanel{0x1B, 0x5C, 0x81};
// The darker blue of the dialogs' buttons and the results chart.
inline const QColor kDialogButton{0x14, 0x44, 0x61};
// The face of the program's round-cornered buttons and gauges.
inline const QColor kButtonFace{0x00, 0x00, 0x4A};
// The yellow of focus rings.
inline const QColor kFocusYellow{0xFF, 0xD7, 0x00};
// The fields a pupil types an answer in.
inline const QColor kAnswerField{0xC6, 0xE2, 0xFF};

}  // namespace Theme

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Pictures of the main window: the background with its sheet, the menu
// column, the module headers and the Next arrow. The small pictures that
// stand on the background are drawn over the matching piece of it, so their
// edges blend into the sheet.
#include <QImage>
#include <QString>

#include "Emblems.h"

namespace art {

QImage MainBackground();                        // 800 x 580
QImage ButtonColumn(const QImage& background);  // 167 x 529 at (630, 48)
QImage Header(const QImage& background, Emblem emblem, const QString& caption);  // 300 x 32
QImage NextArrow(const QImage& background);  // 106 x 53 at (496, 454)

}  // namespace art

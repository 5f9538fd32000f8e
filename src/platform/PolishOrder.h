// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Polish alphabetical order of names, letter case ignored, without ICU's
// collator (whose data the program would otherwise load at start-up to sort
// a handful of file names). Letters first by the Polish alphabet (a ą b c ć
// … z ź ż), other accented Latin letters beside their base letter and told
// apart only when all else is equal; spaces and punctuation before digits,
// digits before letters, as ICU's Polish collation orders them.
#include <QStringView>

namespace PolishOrder {

// Negative, zero or positive as a sorts before, with or after b.
int Compare(QStringView a, QStringView b);
inline bool Less(QStringView a, QStringView b) {
    return Compare(a, b) < 0;
}

}  // namespace PolishOrder

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Windows-1250, the code page of the settings, archives and photo-set lists,
// by a table of its upper 128 bytes. Qt reaches this code page only through
// ICU, whose converters cost more memory at start-up than the whole program
// needs for its texts. The table is ICU's mapping: the five bytes the code
// page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) are the C1 controls
// of the same number.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace Windows1250 {

QString Decode(QByteArrayView bytes);
// The text's bytes, or nothing when the code page lacks one of its characters.
std::optional<QByteArray> Encode(QStringView text);

}  // namespace Windows1250

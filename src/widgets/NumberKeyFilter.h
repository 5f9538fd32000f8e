// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Number entry fields: of the typed characters only the digits, backspace
// and character 7 get through. Editing keys (Delete, arrows, Home, End),
// Tab and shortcuts held with Ctrl work as in any edit field; Escape and
// Enter pass the field by, on to its window. Pasting is refused by a
// digits-only validator.
#include <QObject>

class QLineEdit;

void MakeNumberField(QLineEdit* edit);

class NumberKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

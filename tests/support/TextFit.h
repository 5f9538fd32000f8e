// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Whether a text fits a control that shows it on one line, measured in the
// program's bundled font as the pupil sees it.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "platform/TarvoApplication.h"
#include "widgets/Controls.h"

// Makes the bundled font the application font while it lives, so that windows
// built meanwhile measure and draw as the program does.
struct BundledFont {
    QFont saved = QApplication::font();
    BundledFont() { TarvoApplication::UseBundledFont(); }
    ~BundledFont() { QApplication::setFont(saved); }
};

inline int Room(const QLabel* label) {
    return label->contentsRect().width();
}

// The text area of a line edit, as the program measures it.
inline int Room(const QLineEdit* edit) {
    return LineEditTextRoom(edit);
}

// The text area of a closed drop-down list (left of its arrow).
inline int Room(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = false;
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
        .width();
}

template <typename Control>
int Overflow(const Control* control, const QString& text) {
    return control->fontMetrics().horizontalAdvance(text) - Room(control);
}

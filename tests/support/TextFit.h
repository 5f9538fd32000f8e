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
#include <QStyleOptionFrame>

#include "platform/TarvoApplication.h"

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

// The text area of a line edit: inside its frame, less the edit's own
// margin of 2 pixels on each side.
inline int Room(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
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

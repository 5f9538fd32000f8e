// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include "platform/Theme.h"
#include "widgets/FaceButton.h"
#include "widgets/ImageView.h"

namespace {

void SetWhiteText(QWidget* widget) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(pal);
}

void SetPixelFont(QWidget* widget, int pixelSize, bool bold) {
    QFont font = widget->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    widget->setFont(font);
}

void SizeToText(QLabel* label, const QString& text, QPoint at) {
    label->setText(text);
    label->move(at);
    label->adjustSize();
}

}  // namespace

QLabel* WhiteLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);  // texts may come from data files
    SetWhiteText(label);
    return label;
}

QLabel* WhiteLabel(QWidget* parent, const char* name, int pixelSize, bool bold) {
    QLabel* label = WhiteLabel(parent, name);
    SetPixelFont(label, pixelSize, bold);
    return label;
}

QLabel* WhiteLabel(QWidget* parent, const char* name, QRect geometry, int pixelSize, bool bold) {
    QLabel* label = WhiteLabel(parent, name, pixelSize, bold);
    label->setGeometry(geometry);
    return label;
}

QLabel* WhiteCaption(QWidget* parent, const char* name, const QString& text, QPoint at) {
    QLabel* label = WhiteLabel(parent, name);
    SizeToText(label, text, at);
    return label;
}

QLabel* WhiteCaption(QWidget* parent, const char* name, const QString& text, QPoint at,
                     int pixelSize, bool bold) {
    QLabel* label = WhiteLabel(parent, name, pixelSize, bold);
    SizeToText(label, text, at);
    return label;
}

FaceButton* ChildFaceButton(QWidget* parent, const char* name, QRect geometry,
                            const QString& caption) {
    auto* button = new FaceButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setColor(Theme::kButtonFace);
    button->setText(caption);
    return button;
}

QWidget* ChildPanel(QWidget* parent, const char* name, QRect geometry) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    return panel;
}

QWidget* ColourPanel(QWidget* parent, const char* name, QRect geometry, const QColor& colour) {
    QWidget* panel = ChildPanel(parent, name, geometry);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, colour);
    panel->setPalette(pal);
    return panel;
}

ImageView* ChildImageView(QWidget* parent, const char* name, QRect geometry) {
    auto* view = new ImageView(parent);
    view->setObjectName(name);
    view->setGeometry(geometry);
    return view;
}

int LineEditTextRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ListDialog.h"

#include <QLabel>
#include <QListWidget>

#include "platform/Theme.h"
#include "widgets/CentreOnScreen.h"
#include "widgets/Controls.h"
#include "widgets/FaceButton.h"

ListDialog::ListDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("ListDialog");
    setFixedSize(360, 330);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Theme::kDialogPanel);
    setPalette(pal);

    title = WhiteLabel(this, "LTytul", {12, 8, 336, 18}, 13, true);
    title->setTextFormat(Qt::PlainText);

    list = new QListWidget(this);
    list->setObjectName("Lista");
    list->setGeometry(12, 30, 336, 258);
    list->setWordWrap(true);
    list->setTextElideMode(Qt::ElideNone);
    list->setSpacing(3);

    close = ChildFaceButton(this, "BZamknij", {273, 298, 75, 20}, QStringLiteral("Zamknij"));
    connect(close, &QAbstractButton::clicked, this, &QDialog::accept);
}

void ListDialog::Show(const QString& heading, const QStringList& paragraphs) {
    title->setText(heading);
    setAccessibleName(heading);
    list->setAccessibleName(heading);
    list->clear();
    list->addItems(paragraphs);
    list->setCurrentRow(0);
    list->setFocus();
    CentreOnScreen(this);
    exec();
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A menu entry's clickable spot over the round button drawn in the column
// picture. It paints nothing but a focus ring, so that the keyboard focus
// is seen as it moves over the entries (and only then).
#include <QAbstractButton>

class MenuHotspot : public QAbstractButton {
    Q_OBJECT
public:
    MenuHotspot(QWidget* parent, const char* name, const QRect& geometry, const QString& caption);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A button that is a picture, such as the quiz's Next arrow: a click, an
// assistive technology's press action or click() act on it once, through
// its clicked() signal.
#include <QAbstractButton>
#include <QImage>

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const char* name, const QRect& geometry, const QString& caption);
    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage picture;
};

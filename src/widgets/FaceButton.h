// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A flat push button painted in its own face colour: a 2-pixel bevel (face
// +64 light on top/left, -64 dark on bottom/right, swapped while pressed),
// the caption with its "&" mnemonic underlined, an optional glyph centred on
// the face, a dotted focus rectangle inside a yellow focus ring, and an
// embossed caption when disabled.
#include <QAbstractButton>
#include <QImage>

#include "platform/Theme.h"

class FaceButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit FaceButton(QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const { return face; }
    void setGlyph(const QImage& glyph);
    const QImage& Glyph() const { return glyph; }
    QSize sizeHint() const override { return {75, 25}; }

    static QColor Lighter(const QColor& c);  // each channel + 64, at most 255
    static QColor Darker(const QColor& c);   // each channel - 64, at least 0

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QColor face = Theme::kButtonFace;
    QImage glyph;
    bool enterHeld = false;
};

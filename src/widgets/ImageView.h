// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture shown unscaled from the top-left corner, drawn from a QImage the
// owner may paint on (the zoom effect, the puzzle board, the maps). An
// overlay picture may lie over it, and while it has the keyboard focus a
// ring marks the cursor's cell, or the whole view when there is none.
#include <QImage>
#include <QWidget>

#include "platform/Theme.h"

class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);
    QImage image;
    void setImage(const QImage& picture);
    void setOverlay(const QImage& picture);
    const QImage& Overlay() const { return overlay; }
    void setCursorRect(const QRect& cell);
    void setRingColour(const QColor& colour) { ringColour = colour; }
    const QRect& CursorRect() const { return cursorRect; }

signals:
    // Every press of a mouse button, the second press of a double-click too.
    void pressed(QPoint pos, Qt::MouseButton button);
    // A left-button click: released over the view, once per double-click.
    void clicked(QPoint pos);
    void moved(QPoint pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool secondPress = false;  // the button went down as part of a double-click
    QImage overlay;
    QRect cursorRect;
    QColor ringColour = Theme::kFocusYellow;
};

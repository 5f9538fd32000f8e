// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One line over a module window after an exercise ("Poprzednio: dostateczny,
// dziś: dobry"), in room the window leaves free. It goes away at the pupil's
// next key or click, or when the window hides.
#include <QLabel>

class ComparisonNote : public QLabel {
public:
    // A hidden line on window, drawn in geometry.
    ComparisonNote(QWidget* window, QRect geometry);
    void Show(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Dismiss();
};

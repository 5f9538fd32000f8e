// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The About window: the program's name and version, the credits and the
// pupils who wrote the quiz questions.

#include "core/ModuleWindow.h"

struct AppContext;
class QLabel;

class AboutWindow : public ModuleWindow {
    Q_OBJECT
public:
    AboutWindow(AppContext& ctx, QWidget* parent);

    QLabel *backgroundImage, *titleLabel, *placeDateLabel, *programmingLabel, *graphicsLabel,
        *authorsLabel, *authorsLeftColumn, *authorsRightColumn;

protected:
    void Opening(Module chosen) override;

private:
    AppContext& ctx;
};

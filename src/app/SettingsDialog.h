// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings dialog (Ctrl+U): working pace and the picture-choice lock.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>

#include "widgets/FaceButton.h"

struct AppContext;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(AppContext& ctx, QWidget* parent);

    void ShowStoredSettings();
    void ApplyClick();
    void CancelClick() { reject(); }

    QWidget* panel;
    QLabel* titleLabel;
    QGroupBox* paceGroup;
    QButtonGroup* tempoItems;  // ids 0..2 stand for Tempo 1..3
    QGroupBox* lockGroup;
    QCheckBox* lockChoice;
    FaceButton* applyButton;
    FaceButton* cancelButton;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool TempoKey(QAbstractButton* item, int key);

    AppContext& ctx;
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SettingsDialog.h"

#include <QKeyEvent>
#include <QRadioButton>

#include "core/AppContext.h"
#include "core/Config.h"
#include "platform/Platform.h"
#include "platform/TarvoError.h"
#include "platform/Theme.h"
#include "widgets/CentreOnScreen.h"

namespace {

// White captions on the dark panel, black marks in white boxes.
void SetChoiceColours(QWidget* choice) {
    QPalette pal = choice->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    choice->setPalette(pal);
}

}  // namespace

SettingsDialog::SettingsDialog(AppContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ctx(ctx) {
    setObjectName("SettingsDialog");
    setFixedSize(226, 182);
    setAccessibleName(QStringLiteral("Zmiana ustawień programu"));
    panel = new QWidget(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, 226, 182);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Theme::kDialogPanel);
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::white);
    panel->setPalette(pal);
    // Frames drawn light on the dark panel with the caption on the frame line.
    panel->setStyleSheet(
        "QGroupBox { border: 1px solid rgb(150, 190, 214); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 1px; color: white; }"
        "QLabel { color: white; }"
        "QRadioButton, QCheckBox { border: 1px solid transparent; }");

    titleLabel = new QLabel("Zmiana ustawień programu", panel);
    titleLabel->setObjectName("Label1");
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    titleLabel->move(24, 10);
    titleLabel->adjustSize();

    paceGroup = new QGroupBox(" Tempo pracy ", panel);
    paceGroup->setObjectName("RTempo");
    paceGroup->setGeometry(8, 29, 208, 74);
    tempoItems = new QButtonGroup(this);
    const char* items[] = {"Bardzo szybkie", "Szybkie", "Wolne"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(items[i], paceGroup);
        radio->setGeometry(8, 16 + 18 * i, 190, 17);
        SetChoiceColours(radio);
        radio->installEventFilter(this);
        tempoItems->addButton(radio, i);
    }

    lockGroup = new QGroupBox(panel);
    lockGroup->setObjectName("BBlokuj");
    lockGroup->setGeometry(8, 104, 208, 36);
    lockChoice = new QCheckBox(" Blokuj ponowny wybór obrazka", lockGroup);
    lockChoice->setObjectName("CBlokuj");
    lockChoice->setGeometry(8, 12, 185, 17);
    SetChoiceColours(lockChoice);

    const QColor face = Theme::kDialogButton;
    applyButton = new FaceButton(panel);
    applyButton->setObjectName("BWprowadz");
    applyButton->setText("Wprowadź");
    applyButton->setGeometry(141, 149, 75, 20);
    applyButton->setColor(face);
    cancelButton = new FaceButton(panel);
    cancelButton->setObjectName("BAnuluj");
    cancelButton->setText("Anuluj");
    cancelButton->setGeometry(61, 149, 75, 20);
    cancelButton->setColor(face);
    connect(applyButton, &FaceButton::clicked, this, &SettingsDialog::ApplyClick);
    connect(cancelButton, &FaceButton::clicked, this, &SettingsDialog::CancelClick);
}

void SettingsDialog::showEvent(QShowEvent* event) {
    CentreOnScreen(this);
    ShowStoredSettings();
    QDialog::showEvent(event);
}

void SettingsDialog::ShowStoredSettings() {
    // A pace below 1 selects nothing; one above 3 selects "Wolne".
    tempoItems->setExclusive(false);
    for (QAbstractButton* button : tempoItems->buttons()) button->setChecked(false);
    tempoItems->setExclusive(true);
    if (ctx.config.Tempo >= 1)
        tempoItems->button(std::min(ctx.config.Tempo, 3) - 1)->setChecked(true);
    lockChoice->setChecked(ctx.config.Blokada == 1);
    // The keyboard starts on the selected pace, or on the first when none is.
    QAbstractButton* selected = tempoItems->checkedButton();
    (selected ? selected : tempoItems->button(0))->setFocus(Qt::TabFocusReason);
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* item = qobject_cast<QAbstractButton*>(watched);
    if (event->type() == QEvent::KeyPress && item &&
        TempoKey(item, static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

// The arrows select within the pace group, as in any radio group: Up and Left
// the previous item, Down and Right the next, round from the last to the first.
bool SettingsDialog::TempoKey(QAbstractButton* item, int key) {
    int step = 0;
    if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
    if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
    if (step == 0) return false;
    const int count = int(tempoItems->buttons().size());
    QAbstractButton* next = tempoItems->button((tempoItems->id(item) + step + count) % count);
    next->setChecked(true);
    next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}

// The new values take effect only once they are written. A failed write is
// told and leaves the dialog open with the settings unchanged, so "Anuluj"
// then gives up the dialog's changes.
void SettingsDialog::ApplyClick() {
    Config chosen = ctx.config;
    chosen.Tempo = tempoItems->checkedId() + 1;  // 0 when nothing is selected
    chosen.Blokada = lockChoice->isChecked() ? 1 : 0;
    try {
        WriteConfig(chosen);
    } catch (const TarvoError& e) {
        ctx.platform.messages.error(e.message(), Theme::kErrorVerdict);
        return;
    }
    ctx.config = chosen;
    accept();
}

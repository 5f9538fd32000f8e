// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/PhotoSetChooser.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "platform/Platform.h"
#include "platform/TarvoError.h"
#include "platform/Theme.h"
#include "widgets/Accessibility.h"
#include "widgets/CentreOnScreen.h"

PhotoSetChooser::PhotoSetChooser(AppContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ctx(ctx) {
    setObjectName("PhotoSetChooser");
    setFixedSize(kWidth, kHeight);
    setAccessibleName(QStringLiteral("Wybór zestawu obrazków"));
    panel = new QWidget(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, kWidth, kHeight);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Theme::kDialogPanel);
    pal.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(pal);
    panel->setAttribute(Qt::WA_TransparentForMouseEvents);

    promptLabel = new QLabel("Wybierz zestaw lub kliknij w to okno", this);
    promptLabel->setObjectName("Label1");
    promptLabel->setPalette(pal);
    QFont bold = promptLabel->font();
    bold.setBold(true);
    promptLabel->setFont(bold);
    promptLabel->move(8, 16);
    promptLabel->adjustSize();

    setList = new BrowseList(this);
    setList->setObjectName("CWyborZestawu");
    setList->setGeometry(16, 40, kListWidth, 21);
    setList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    NameByPurpose(setList, QStringLiteral("Zestaw obrazków"));
    // Every pick closes the chooser, also a pick of the set already chosen.
    connect(setList, &BrowseList::chosen, this, &PhotoSetChooser::SetPicked);
}

void PhotoSetChooser::Fill(const QStringList& titles) {
    const QSignalBlocker block(setList);
    setList->clear();
    if (titles.size() > 1)
        for (int k = 1; k <= titles.size(); ++k)
            setList->addItem(QStringLiteral("Zestaw nr %1 – %2").arg(k).arg(titles[k - 1]));
    FitWidth();
}

void PhotoSetChooser::FitWidth() {
    // The list grows to its longest item; the window keeps its margins.
    const int listWidth = std::clamp(setList->sizeHint().width(), kListWidth, kMaxListWidth);
    setList->setFixedWidth(listWidth);
    const int width = listWidth + kWidth - kListWidth;
    setFixedSize(width, kHeight);
    panel->setGeometry(0, 0, width, kHeight);
}

void PhotoSetChooser::Choose() {
    setList->setChosen(ctx.config.PhotoSetIndex);
    CentreOnScreen(this);
    exec();
}

void PhotoSetChooser::SetPicked(int index) {
    if (index < 0) return;
    accept();
    if (index == ctx.config.PhotoSetIndex) return;  // no change, nothing to write
    try {
        ctx.data.ChangePhotoSet(index);
    } catch (const TarvoError& e) {
        ctx.platform.messages.error(e.message(), Theme::kErrorVerdict);
    }
}

void PhotoSetChooser::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) reject();
}

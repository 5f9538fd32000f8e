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
#include "widgets/Accessibility.h"
#include "widgets/CentreOnScreen.h"

PhotoSetChooser::PhotoSetChooser(AppContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ctx(ctx) {
    setObjectName("PhotoSetChooser");
    setFixedSize(kWidth, kHeight);
    setAccessibleName(QStringLiteral("Wybór zestawu obrazków"));
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(0, 0, kWidth, kHeight);
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QColor(0x1B, 0x5C, 0x81));
    pal.setColor(QPalette::WindowText, Qt::white);
    Panel1->setPalette(pal);
    Panel1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label1 = new QLabel("Wybierz zestaw lub kliknij w to okno", this);
    Label1->setObjectName("Label1");
    Label1->setPalette(pal);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->move(8, 16);
    Label1->adjustSize();

    CWyborZestawu = new BrowseList(this);
    CWyborZestawu->setObjectName("CWyborZestawu");
    CWyborZestawu->setGeometry(16, 40, kListWidth, 21);
    CWyborZestawu->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    NameByPurpose(CWyborZestawu, QStringLiteral("Zestaw obrazków"));
    // Every pick closes the chooser, also a pick of the set already chosen.
    connect(CWyborZestawu, &BrowseList::chosen, this, &PhotoSetChooser::CWyborZestawuChange);
}

void PhotoSetChooser::Fill(const QStringList& titles) {
    const QSignalBlocker block(CWyborZestawu);
    CWyborZestawu->clear();
    if (titles.size() > 1)
        for (int k = 1; k <= titles.size(); ++k)
            CWyborZestawu->addItem(QStringLiteral("Zestaw nr %1 – %2").arg(k).arg(titles[k - 1]));
    FitWidth();
}

void PhotoSetChooser::FitWidth() {
    // The list grows to its longest item; the window keeps its margins.
    const int listWidth = std::clamp(CWyborZestawu->sizeHint().width(), kListWidth, kMaxListWidth);
    CWyborZestawu->setFixedWidth(listWidth);
    const int width = listWidth + kWidth - kListWidth;
    setFixedSize(width, kHeight);
    Panel1->setGeometry(0, 0, width, kHeight);
}

void PhotoSetChooser::Choose() {
    CWyborZestawu->setChosen(ctx.config.PhotoSetIndex);
    CentreOnScreen(this);
    exec();
}

void PhotoSetChooser::CWyborZestawuChange(int index) {
    if (index < 0) return;
    accept();
    if (index == ctx.config.PhotoSetIndex) return;  // no change, nothing to write
    try {
        ctx.data.ChangePhotoSet(index);
    } catch (const TarvoError& e) {
        ctx.platform.messages.show(e.message(), QStringLiteral("Błąd"));
    }
}

void PhotoSetChooser::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) reject();
}

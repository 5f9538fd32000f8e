// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explorers/ExplorersWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextDocument>
#include <QTextEdit>

#include "core/AppContext.h"
#include "data/DataAccess.h"
#include "data/ResourceImages.h"
#include "explorers/Explorers.h"
#include "explorers/RtfReader.h"
#include "platform/Platform.h"
#include "platform/TarvoError.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"

namespace {

// Enter or Space on the portrait acts as a click on it.
bool IsPressKey(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

ExplorersWindow::ExplorersWindow(AppContext& ctx, QWidget* parent)
    : ModuleWindow(parent, {60, 110}), ctx(ctx) {
    setObjectName("ExplorersWindow");
    setFixedSize(489, 366);
    ImTlo = new QLabel(this);
    ImTlo->setObjectName("ImTlo");
    ImTlo->setGeometry(0, 0, 489, 366);
    LoadJpegResourceToImage("TloOdkrywcy", ImTlo);

    WhiteCaption(this, "Label1", "Dokonaj wyboru", {288, 0});
    ListaKombo = new BrowseList(this);
    ListaKombo->setObjectName("ListaKombo");
    ListaKombo->setGeometry(286, 12, 140, 21);
    for (int n = 1; n <= kExplorerCount; ++n) ListaKombo->addItem(ExplorerCaption(n));
    ListaKombo->setMaxVisibleItems(kExplorerCount);
    NameByPurpose(ListaKombo, QStringLiteral("Odkrywca"));
    connect(ListaKombo, &BrowseList::chosen, this, [this](int index) { ShowExplorer(index + 1); });

    Panel1 = ColourPanel(this, "Panel1", {8, 8, 98, 119}, QColor(0, 56, 113));
    ImOdkr = new QLabel(Panel1);
    ImOdkr->setObjectName("ImOdkr");
    ImOdkr->setGeometry(1, 1, 96, 117);
    ImOdkr->setAccessibleName("Mapka wyprawy");
    ImOdkr->setAccessibleDescription("Kliknij albo naciśnij Enter, aby powiększyć mapkę.");
    ImOdkr->setCursor(Qt::PointingHandCursor);
    ImOdkr->setFocusPolicy(Qt::TabFocus);
    ImOdkr->installEventFilter(this);

    BuildTextArea();
    WhiteCaption(this, "Label2", "Przesuwaj tekst, używając klawiszy <PageDown> <PageUp>",
                 {152, 351});
    BuildEnlargement();
}

void ExplorersWindow::BuildEnlargement() {
    ImPowiekszenie = new QLabel(this);
    ImPowiekszenie->setObjectName("ImPowiekszenie");
    ImPowiekszenie->setGeometry(rect());
    ImPowiekszenie->setAlignment(Qt::AlignCenter);
    ImPowiekszenie->setAutoFillBackground(true);
    QPalette dim = ImPowiekszenie->palette();
    dim.setColor(QPalette::Window, QColor(0, 20, 40, 200));
    ImPowiekszenie->setPalette(dim);
    ImPowiekszenie->setAccessibleName("Powiększona mapka wyprawy");
    ImPowiekszenie->setAccessibleDescription("Kliknij albo naciśnij Esc, aby zamknąć.");
    ImPowiekszenie->setFocusPolicy(Qt::StrongFocus);
    ImPowiekszenie->installEventFilter(this);
    ImPowiekszenie->hide();
}

void ExplorersWindow::BuildTextArea() {
    Panel2 = ColourPanel(this, "Panel2", {125, 52, 345, 291}, Qt::white);
    RE = new QTextEdit(Panel2);
    RE->setObjectName("RE");
    RE->setAccessibleName(QStringLiteral("Tekst o odkrywcy"));
    RE->setGeometry(8, 0, 329, 288);
    RE->setFrameShape(QFrame::NoFrame);
    RE->setReadOnly(true);
    RE->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RE->setFocusPolicy(Qt::StrongFocus);
    RE->setContextMenuPolicy(Qt::CustomContextMenu);

    ReMenu = new QMenu(RE);
    ReMenu->setObjectName("ReMenu");
    KopiujTekst = ReMenu->addAction("Kopiuj tekst", this, &ExplorersWindow::KopiujTekstClick);
    KopiujTekst->setObjectName("KopiujTekst");
    KopiujObraz = ReMenu->addAction("Kopiuj zdjęcie", this, &ExplorersWindow::KopiujObrazClick);
    KopiujObraz->setObjectName("KopiujObraz");
    connect(RE, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { ReMenu->popup(RE->viewport()->mapToGlobal(at)); });
}

void ExplorersWindow::Opening(Module) {
    ListaKombo->setChosen(0);
    ShowExplorer(1);
}

void ExplorersWindow::ShowExplorer(int n) {
    CloseEnlargement();
    ImPowiekszenie->clear();
    ShowText(ctx.data.LoadExplorerText(ExplorerAt(n).document));
    RE->moveCursor(QTextCursor::Start);
    RE->verticalScrollBar()->setValue(0);
    try {
        const QImage portrait = ctx.data.LoadExplorerPicture(ExplorerPictureName(n));
        ImOdkr->setPixmap(ScreenPixmap(portrait, ImOdkr, ImOdkr->size()));
        // A picture from the base folder may be of any size: one larger than
        // the window is shrunk to fit it.
        const bool fits = portrait.width() <= width() && portrait.height() <= height();
        ImPowiekszenie->setPixmap(ScreenPixmap(
            fits ? portrait
                 : portrait.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation),
            ImPowiekszenie));
    } catch (const TarvoError&) {
        ShowMissingData();
    }
    RE->setFocus();
}

// The document is built off screen and handed to the view whole, so that the
// view lays it out once rather than after every paragraph.
void ExplorersWindow::ShowText(const QByteArray& rtf) {
    auto* text = new QTextDocument(RE);
    QTextDocument* shown = RE->document();
    text->setDefaultFont(shown->defaultFont());
    text->setDocumentMargin(shown->documentMargin());
    if (!rtf.isEmpty()) ReadRtf(rtf, *text);
    // The view deletes the document it made itself; the earlier ones are ours.
    const bool ours = shown->parent() == RE;
    RE->setDocument(text);
    if (ours) delete shown;
}

void ExplorersWindow::ImOdkrClick() {
    if (ImPowiekszenie->pixmap().isNull()) return;
    focusBeforeEnlargement =
        QApplication::focusWidget() == ImOdkr ? static_cast<QWidget*>(ImOdkr) : RE;
    ImPowiekszenie->raise();
    ImPowiekszenie->show();
    ImPowiekszenie->setFocus();
}

void ExplorersWindow::CloseEnlargement() {
    if (!ImPowiekszenie->isVisible()) return;
    ImPowiekszenie->hide();
    focusBeforeEnlargement->setFocus();
}

bool ExplorersWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (watched == ImOdkr && (click || IsPressKey(event))) {
        ImOdkrClick();
        return true;
    }
    if (watched == ImPowiekszenie &&
        (click || (event->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape))) {
        CloseEnlargement();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ExplorersWindow::ShowMissingData() {
    ctx.platform.messages.show("Błąd", "BRAK PLIKÓW Z DANYMI. TEN MODUŁ NIE MOŻE DZIAŁAĆ");
}

void ExplorersWindow::KopiujTekstClick() {
    RE->selectAll();
    RE->copy();
}

void ExplorersWindow::KopiujObrazClick() {
    try {
        const int n = ListaKombo->Chosen() + 1;
        QApplication::clipboard()->setImage(ctx.data.LoadExplorerPicture(ExplorerPictureName(n)));
    } catch (const TarvoError&) {
        ShowMissingData();
    }
}

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
    : ModuleWindow(parent, "ExplorersWindow", ModuleGeometry::Explorers), ctx(ctx) {
    backgroundImage = new QLabel(this);
    backgroundImage->setObjectName("ImTlo");
    backgroundImage->setGeometry(0, 0, 489, 366);
    LoadJpegResourceToImage("TloOdkrywcy", backgroundImage);

    WhiteCaption(this, "Label1", "Dokonaj wyboru", {288, 0});
    topicList = new BrowseList(this);
    topicList->setObjectName("ListaKombo");
    topicList->setGeometry(286, 12, 140, 21);
    for (int n = 1; n <= kExplorerCount; ++n) topicList->addItem(ExplorerCaption(n));
    topicList->setMaxVisibleItems(kExplorerCount);
    NameByPurpose(topicList, QStringLiteral("Odkrywca"));
    connect(topicList, &BrowseList::chosen, this, [this](int index) { ShowExplorer(index + 1); });

    portraitFrame = ColourPanel(this, "Panel1", {8, 8, 98, 119}, QColor(0, 56, 113));
    portraitLabel = new QLabel(portraitFrame);
    portraitLabel->setObjectName("ImOdkr");
    portraitLabel->setGeometry(1, 1, 96, 117);
    portraitLabel->setAccessibleName("Mapka wyprawy");
    portraitLabel->setAccessibleDescription("Kliknij albo naciśnij Enter, aby powiększyć mapkę.");
    portraitLabel->setCursor(Qt::PointingHandCursor);
    portraitLabel->setFocusPolicy(Qt::TabFocus);
    portraitLabel->installEventFilter(this);

    BuildTextArea();
    WhiteCaption(this, "Label2", "Przesuwaj tekst, używając klawiszy <PageDown> <PageUp>",
                 {152, 351});
    BuildEnlargement();
}

void ExplorersWindow::BuildEnlargement() {
    enlargedPortrait = new QLabel(this);
    enlargedPortrait->setObjectName("ImPowiekszenie");
    enlargedPortrait->setGeometry(rect());
    enlargedPortrait->setAlignment(Qt::AlignCenter);
    enlargedPortrait->setAutoFillBackground(true);
    QPalette dim = enlargedPortrait->palette();
    dim.setColor(QPalette::Window, QColor(0, 20, 40, 200));
    enlargedPortrait->setPalette(dim);
    enlargedPortrait->setAccessibleName("Powiększona mapka wyprawy");
    enlargedPortrait->setAccessibleDescription("Kliknij albo naciśnij Esc, aby zamknąć.");
    enlargedPortrait->setFocusPolicy(Qt::StrongFocus);
    enlargedPortrait->installEventFilter(this);
    enlargedPortrait->hide();
}

void ExplorersWindow::BuildTextArea() {
    textPanel = ColourPanel(this, "Panel2", {125, 52, 345, 291}, Qt::white);
    textView = new QTextEdit(textPanel);
    textView->setObjectName("RE");
    textView->setAccessibleName(QStringLiteral("Tekst o odkrywcy"));
    textView->setGeometry(8, 0, 329, 288);
    textView->setFrameShape(QFrame::NoFrame);
    textView->setReadOnly(true);
    textView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textView->setFocusPolicy(Qt::StrongFocus);
    textView->setContextMenuPolicy(Qt::CustomContextMenu);

    textMenu = new QMenu(textView);
    textMenu->setObjectName("ReMenu");
    copyTextAction = textMenu->addAction("Kopiuj tekst", this, &ExplorersWindow::CopyText);
    copyTextAction->setObjectName("KopiujTekst");
    copyPictureAction = textMenu->addAction("Kopiuj zdjęcie", this, &ExplorersWindow::CopyPicture);
    copyPictureAction->setObjectName("KopiujObraz");
    connect(textView, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { textMenu->popup(textView->viewport()->mapToGlobal(at)); });
}

void ExplorersWindow::Opening(Module) {
    topicList->setChosen(0);
    ShowExplorer(1);
}

void ExplorersWindow::ShowExplorer(int n) {
    CloseEnlargement();
    enlargedPortrait->clear();
    ShowText(ctx.data.LoadExplorerText(ExplorerAt(n).document));
    textView->moveCursor(QTextCursor::Start);
    textView->verticalScrollBar()->setValue(0);
    try {
        const QImage portrait = ctx.data.LoadExplorerPicture(ExplorerPictureName(n));
        portraitLabel->setPixmap(ScreenPixmap(portrait, portraitLabel, portraitLabel->size()));
        // A picture from the base folder may be of any size: one larger than
        // the window is shrunk to fit it.
        const bool fits = portrait.width() <= width() && portrait.height() <= height();
        enlargedPortrait->setPixmap(ScreenPixmap(
            fits ? portrait
                 : portrait.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation),
            enlargedPortrait));
    } catch (const TarvoError&) {
        ShowMissingData();
    }
    textView->setFocus();
}

// The document is built off screen and handed to the view whole, so that the
// view lays it out once rather than after every paragraph.
void ExplorersWindow::ShowText(const QByteArray& rtf) {
    auto* text = new QTextDocument(textView);
    QTextDocument* shown = textView->document();
    text->setDefaultFont(shown->defaultFont());
    text->setDocumentMargin(shown->documentMargin());
    if (!rtf.isEmpty()) ReadRtf(rtf, *text);
    // The view deletes the document it made itself; the earlier ones are ours.
    const bool ours = shown->parent() == textView;
    textView->setDocument(text);
    if (ours) delete shown;
}

void ExplorersWindow::EnlargePortrait() {
    if (enlargedPortrait->pixmap().isNull()) return;
    focusBeforeEnlargement = QApplication::focusWidget() == portraitLabel
                                 ? static_cast<QWidget*>(portraitLabel)
                                 : textView;
    enlargedPortrait->raise();
    enlargedPortrait->show();
    enlargedPortrait->setFocus();
}

void ExplorersWindow::CloseEnlargement() {
    if (!enlargedPortrait->isVisible()) return;
    enlargedPortrait->hide();
    focusBeforeEnlargement->setFocus();
}

bool ExplorersWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (watched == portraitLabel && (click || IsPressKey(event))) {
        EnlargePortrait();
        return true;
    }
    if (watched == enlargedPortrait &&
        (click || (event->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape))) {
        CloseEnlargement();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ExplorersWindow::ShowMissingData() {
    ctx.platform.messages.info("Błąd", "BRAK PLIKÓW Z DANYMI. TEN MODUŁ NIE MOŻE DZIAŁAĆ");
}

void ExplorersWindow::CopyText() {
    textView->selectAll();
    textView->copy();
}

void ExplorersWindow::CopyPicture() {
    try {
        const int n = topicList->Chosen() + 1;
        QApplication::clipboard()->setImage(ctx.data.LoadExplorerPicture(ExplorerPictureName(n)));
    } catch (const TarvoError&) {
        ShowMissingData();
    }
}

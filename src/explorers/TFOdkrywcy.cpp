#include "explorers/TFOdkrywcy.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTextEdit>

#include "core/AppContext.h"
#include "data/Grafika.h"
#include "data/TarvoError.h"
#include "data/UPaker.h"
#include "explorers/Explorers.h"
#include "explorers/RtfReader.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"

TFOdkrywcy::TFOdkrywcy(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx(ctx) {
    setObjectName("TFOdkrywcy");
    setFixedSize(489, 366);
    ImTlo = new QLabel(this);
    ImTlo->setObjectName("ImTlo");
    ImTlo->setGeometry(0, 0, 489, 366);
    LoadJpegResourceToImage("TloOdkrywcy", ImTlo);

    WhiteCaption(this, "Label1", "Dokonaj wyboru", {288, 0});
    ListaKombo = new QComboBox(this);
    ListaKombo->setObjectName("ListaKombo");
    ListaKombo->setGeometry(286, 12, 140, 21);
    for (int n = 1; n <= kExplorerCount; ++n) ListaKombo->addItem(ExplorerCaption(n));
    ListaKombo->setMaxVisibleItems(kExplorerCount);
    connect(ListaKombo, &QComboBox::activated, this,
            [this](int index) { ShowExplorer(index + 1); });

    Panel1 = ColourPanel(this, "Panel1", {8, 8, 98, 119}, QColor(0, 56, 113));
    ImOdkr = new QLabel(Panel1);
    ImOdkr->setObjectName("ImOdkr");
    ImOdkr->setGeometry(1, 1, 96, 117);

    BuildTextArea();
    WhiteCaption(this, "Label2", "Przesuwaj tekst, używając klawiszy <PageDown> <PageUp>",
                 {152, 351});
    hide();
}

void TFOdkrywcy::BuildTextArea() {
    Panel2 = ColourPanel(this, "Panel2", {125, 52, 345, 291}, Qt::white);
    RE = new QTextEdit(Panel2);
    RE->setObjectName("RE");
    RE->setGeometry(8, 0, 329, 288);
    RE->setFrameShape(QFrame::NoFrame);
    RE->setReadOnly(true);
    RE->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RE->setFocusPolicy(Qt::StrongFocus);
    RE->setContextMenuPolicy(Qt::CustomContextMenu);

    ReMenu = new QMenu(RE);
    ReMenu->setObjectName("ReMenu");
    KopiujTekst = ReMenu->addAction("Kopiuj tekst", this, &TFOdkrywcy::KopiujTekstClick);
    KopiujTekst->setObjectName("KopiujTekst");
    KopiujObraz = ReMenu->addAction("Kopiuj zdjęcie", this, &TFOdkrywcy::KopiujObrazClick);
    KopiujObraz->setObjectName("KopiujObraz");
    connect(RE, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { ReMenu->popup(RE->viewport()->mapToGlobal(at)); });
}

void TFOdkrywcy::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ListaKombo->setCurrentIndex(0);
    ShowExplorer(1);
}

void TFOdkrywcy::ShowExplorer(int n) {
    RE->clear();
    const QByteArray rtf = ctx.data.LoadExplorerText(ExplorerAt(n).document);
    if (!rtf.isEmpty()) ReadRtf(rtf, *RE->document());
    RE->moveCursor(QTextCursor::Start);
    RE->verticalScrollBar()->setValue(0);
    try {
        const QImage portrait = ctx.data.LoadExplorerPicture(ExplorerPictureName(n));
        ImOdkr->setPixmap(QPixmap::fromImage(
            portrait.scaled(ImOdkr->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    } catch (const TarvoError&) {
        ShowMissingData();
    }
    RE->setFocus();
}

void TFOdkrywcy::ShowMissingData() {
    ctx.platform.messages.show("Błąd", "BRAK PLIKÓW Z DANYMI. TEN MODUŁ NIE MOŻE DZIAŁAĆ");
}

void TFOdkrywcy::KopiujTekstClick() {
    RE->selectAll();
    RE->copy();
}

void TFOdkrywcy::KopiujObrazClick() {
    try {
        const int n = ListaKombo->currentIndex() + 1;
        QApplication::clipboard()->setImage(ctx.data.LoadExplorerPicture(ExplorerPictureName(n)));
    } catch (const TarvoError&) {
        ShowMissingData();
    }
}

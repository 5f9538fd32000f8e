// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "country/CountryWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "core/AppContext.h"
#include "data/DataAccess.h"
#include "data/PictureChoice.h"
#include "data/ResourceImages.h"
#include "platform/Platform.h"
#include "platform/TarvoError.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"
#include "widgets/FaceButton.h"
#include "widgets/Gauge.h"
#include "widgets/ImageView.h"
#include "widgets/NumberKeyFilter.h"

namespace {

const QColor kEditColour{0xC6, 0xE2, 0xFF};
const QColor kCoverColour{128, 128, 128};
const QString kError = QStringLiteral("Błąd");
constexpr int kGaugeFull = 100;
constexpr int kGaugeStep = 5;

const QString kPrompt = QStringLiteral("Tu wpisz nazwę");

bool IsEnter(QEvent* event) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A key that puts a character into the field (not Ctrl shortcuts, editing
// keys or Enter).
bool TypesCharacter(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    return !(key->modifiers() & Qt::ControlModifier) && !text.isEmpty() && text.at(0).isPrint();
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, QRect geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, kEditColour);
    edit->setPalette(pal);
    return edit;
}

}  // namespace

CountryWindow::CountryWindow(AppContext& ctx, QWidget* parent)
    : ModuleWindow(parent, {100, 150}), ctx(ctx) {
    setObjectName("CountryWindow");
    setFixedSize(411, 329);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x80, 0x00, 0x40));
    setPalette(pal);
    BuildControls();
}

void CountryWindow::BuildControls() {
    Panel1 = ChildPanel(this, "Panel1", {0, 0, 411, 329});
    ImTlo = ChildImageView(Panel1, "ImTlo", {0, 0, 411, 329});
    WhenFirstShown(ImTlo, [this] { ImTlo->setImage(LoadJpegResource("TloGdzie")); });

    PPuzel = ChildPanel(Panel1, "PPuzel", {4, 5, 386, 258});
    Rys1 = ChildImageView(PPuzel, "Rys1", {0, 0, 386, 258});
    Rys1->image = QImage(386, 258, QImage::Format_RGB32);
    Cover();
    connect(Rys1, &ImageView::clicked, this, &CountryWindow::Rys1Click);
    Rys1->setFocusPolicy(Qt::TabFocus);
    Rys1->installEventFilter(this);
    Rys1->setCursorRect(QRect(CountryGame::TileDrawPos(0), CountryGame::TileRect(0).size()));
    SetAccessible(Rys1, QAccessible::Graphic, "Zakryty obrazek");

    Postep = new Gauge(Panel1);
    Postep->setObjectName("Postep");
    Postep->setGeometry(400, 6, 5, 258);
    Postep->setKind(Gauge::Kind::Vertical);
    Postep->setBorder(false);
    Postep->setColors(QColor(0x00, 0x00, 0x4A), Qt::white);
    Postep->setRange(0, kGaugeFull);

    Nazwa = new QLabel(Panel1);
    Nazwa->setObjectName("Nazwa");
    Nazwa->setTextFormat(Qt::PlainText);  // shows the answer from Spis.txt
    Nazwa->setGeometry(16, 280, 169, 13);
    Nazwa->setAlignment(Qt::AlignCenter);
    QFont bold = Nazwa->font();
    bold.setBold(true);
    Nazwa->setFont(bold);
    QPalette white = Nazwa->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Nazwa->setPalette(white);

    NazwaEdit = MakeEdit(Panel1, "NazwaEdit", {16, 296, 169, 21});
    NazwaEdit->installEventFilter(this);
    connect(NazwaEdit, &QLineEdit::textChanged, this, &CountryWindow::CapitaliseName);
    connect(NazwaEdit, &QLineEdit::textEdited, this, [this] { promptShown = false; });
    Sprawdz = ChildFaceButton(Panel1, "Sprawdz", {192, 275, 65, 43}, QStringLiteral("Sprawdź"));
    NrEdit = MakeEdit(Panel1, "NrEdit", {268, 276, 49, 21});
    NrEdit->setMaxLength(2);
    NrEdit->setText(QStringLiteral("1"));
    MakeNumberField(NrEdit);
    NrBut = ChildFaceButton(Panel1, "NrBut", {260, 298, 65, 20}, QStringLiteral("Wprowadź"));
    Nastepny = ChildFaceButton(Panel1, "Nastepny", {328, 275, 73, 43}, QStringLiteral("Następny"));
    connect(Sprawdz, &QAbstractButton::clicked, this, &CountryWindow::SprawdzClick);
    connect(NrBut, &QAbstractButton::clicked, this, &CountryWindow::NrButClick);
    connect(Nastepny, &QAbstractButton::clicked, this, &CountryWindow::NastepnyClick);

    NazwaEdit->setAccessibleName("Nazwa państwa");
    NrEdit->setAccessibleName("Numer obrazka");
    setTabOrder(Rys1, Nastepny);
    setTabOrder(Nastepny, Sprawdz);
    setTabOrder(Sprawdz, NazwaEdit);
    setTabOrder(NazwaEdit, NrBut);
    setTabOrder(NrBut, NrEdit);
}

// The name field holds capitals only, whether typed, pasted or set.
void CountryWindow::CapitaliseName() {
    const QString upper = NazwaEdit->text().toUpper();
    if (upper == NazwaEdit->text()) return;
    const int cursor = NazwaEdit->cursorPosition();
    NazwaEdit->setText(upper);
    NazwaEdit->setCursorPosition(cursor);
}

bool CountryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Rys1)
        return event->type() == QEvent::KeyPress &&
               PictureKey(static_cast<QKeyEvent*>(event)->key());
    if (watched != NazwaEdit) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && TypesCharacter(event) && PromptUntouched())
        NazwaEdit->clear();  // the first character typed replaces the prompt
    if (event->type() == QEvent::KeyPress && IsEnter(event)) {
        Sprawdz->setFocus();
        SprawdzClick();
        NazwaEdit->setFocus();
        NazwaEdit->selectAll();
        return true;
    }
    return event->type() == QEvent::KeyRelease && IsEnter(event);
}

void CountryWindow::Opening(Module) {
    FormShow();
}

void CountryWindow::FormShow() {
    if (!CanChoosePicture()) return;
    if (!StartGame(RandomPictureNumber(ctx.platform.random, ctx.data.PictureCount))) return;
    NrEdit->setText(QString::number(pictureNumber));
    EnableChoice(true);
    PromptForName();
}

void CountryWindow::NastepnyClick() {
    if (loading || !CanChoosePicture()) return;
    if (!StartGame(RandomPictureNumber(ctx.platform.random, ctx.data.PictureCount))) return;
    NrEdit->setText(QString::number(pictureNumber));
    EnableChoice(false);
    PromptForName();
}

void CountryWindow::NrButClick() {
    if (loading || !CanChoosePicture()) return;
    const TypedPicture typed =
        TypedPictureNumber(NrEdit->text(), ctx.platform.random, ctx.data.PictureCount);
    if (typed.showNumber) NrEdit->setText(QString::number(typed.number));
    if (!StartGame(typed.number)) return;
    NazwaEdit->selectAll();
    EnableChoice(false);
}

// Covers the picture, loads picture n and uncovers the start tiles. A picture
// that cannot be loaded ends the start with a message; the game stays locked
// and the pupil may choose another picture.
bool CountryWindow::StartGame(int n) {
    game.Start();
    Postep->setProgress(kGaugeFull);
    pictureNumber = n;
    Cover();
    Nazwa->clear();
    game.answer = SplitPictureLine(ctx.data.PictureList, n).name;
    // Loading lets pending input be handled; clicks meanwhile must neither
    // start another game nor count against this one.
    loading = true;
    try {
        ctx.data.LoadPhotoSetPicture(n);
    } catch (const TarvoError& e) {
        loading = false;
        ctx.platform.messages.show(e.message(), kError);
        game.locked = true;
        EnableChoice(true);
        return false;
    }
    loading = false;
    game.ChooseStartTiles(ctx.platform.random);
    for (int tile : game.StartTiles()) DrawTile(tile);
    return true;
}

// Without pictures the module stays idle: covered, locked, buttons enabled.
bool CountryWindow::CanChoosePicture() {
    if (ctx.data.PictureCount > 0) return true;
    Cover();
    Nazwa->clear();
    game.locked = true;
    EnableChoice(true);
    ctx.platform.messages.show(ctx.data.PhotoSetCount == 0
                                   ? QStringLiteral("Brak pliku z fotografiami")
                                   : QStringLiteral("Brak obrazków w zestawie"),
                               kError);
    return false;
}

void CountryWindow::PromptForName() {
    NazwaEdit->setText(kPrompt);
    promptShown = true;
    NazwaEdit->selectAll();
    NazwaEdit->setFocus();
}

// The field still holds the prompt as it was put there, whether or not it is
// selected: a click into the field or the Tab key leave it unselected.
bool CountryWindow::PromptUntouched() const {
    return promptShown && NazwaEdit->text() == kPrompt.toUpper();
}

void CountryWindow::Cover() {
    QImage& image = Rys1->image;
    image.fill(kCoverColour);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawRect(0, 0, image.width() - 1, image.height() - 1);
    Rys1->update();
}

void CountryWindow::DrawTile(int tile) {
    QPainter(&Rys1->image)
        .drawImage(CountryGame::TileDrawPos(tile), ctx.data.PictureBitmap,
                   CountryGame::TileRect(tile));
    Rys1->update();
}

void CountryWindow::DrawWholePicture() {
    QPainter(&Rys1->image).drawImage(QPoint(1, 1), ctx.data.PictureBitmap);
    Rys1->update();
}

void CountryWindow::Penalize() {
    game.Penalty();
    Postep->setProgress(Postep->progress() - kGaugeStep);
}

bool CountryWindow::PictureKey(int key) {
    if (cursor.Move(key)) {
        const int tile = cursor.Index();
        Rys1->setCursorRect(
            QRect(CountryGame::TileDrawPos(tile), CountryGame::TileRect(tile).size()));
        Rys1->setAccessibleDescription(
            QString("Kolumna %1, wiersz %2").arg(cursor.Column() + 1).arg(cursor.Row() + 1));
        return true;
    }
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    // From the keyboard the focus stays on the picture, so that more tiles
    // can be uncovered before the name is typed.
    if (Uncover(cursor.Index())) Rys1->setFocus();
    return true;
}

void CountryWindow::Rys1Click() {
    const QPoint origin = mapToGlobal(Panel1->pos());
    Uncover(CountryGame::TileAt(CountryGame::WindowPoint(ctx.platform.pointer.pos(), origin)));
}

// Uncovers a tile at the price of a point; false when the game takes no
// clicks or the tile is none.
bool CountryWindow::Uncover(int tile) {
    if (game.locked || loading || tile < 0) return false;
    DrawTile(tile);
    Penalize();
    Nazwa->clear();
    NazwaEdit->setFocus();
    NazwaEdit->selectAll();
    if (game.IsLost()) Decide(false);
    return true;
}

void CountryWindow::SprawdzClick() {
    if (game.locked || loading) return;
    if (game.Matches(NazwaEdit->text())) {
        Decide(true);
        return;
    }
    Penalize();
    Nazwa->setText(QStringLiteral("NIESTETY NIE"));
    Announce(Nazwa);
    ctx.platform.sounds.play(QStringLiteral("Plim"));
    if (game.IsLost()) Decide(false);
}

// The game is decided: the verdict, the whole picture, the sound; a lost
// game also shows the answer.
void CountryWindow::Decide(bool won) {
    Nazwa->setText(game.ResultText());
    Announce(Nazwa);
    if (!won) NazwaEdit->setText(game.answer);
    DrawWholePicture();
    ctx.platform.sounds.play(won ? QStringLiteral("Plum") : QStringLiteral("Plim"));
    game.locked = true;
    EnableChoice(true);
    emit ExerciseFinished(ExerciseResult::Country(game.answer, game.attempts, game.points, won));
}

void CountryWindow::EnableChoice(bool enabled) {
    Nastepny->setEnabled(enabled);
    NrBut->setEnabled(enabled);
}

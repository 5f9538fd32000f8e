// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "puzzle/PuzzleWindow.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "data/ImageCodecs.h"
#include "data/PictureChoice.h"
#include "data/ResourceImages.h"
#include "platform/Platform.h"
#include "platform/TarvoError.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"
#include "widgets/FaceButton.h"
#include "widgets/ImageView.h"
#include "widgets/NumberKeyFilter.h"

namespace {

const QPoint kPlaceInPanel{50, 110};
const QColor kEditColour{0xC6, 0xE2, 0xFF};
const QColor kFrameColour{0xFF, 0xFF, 0x00};
const QString kError = QStringLiteral("Błąd");

// The keyboard cursor's ring lies inside its cell, clear of the edge pixels
// where the frame of a chosen piece is drawn, so that both show.
QRect CursorRing(int cell) {
    return PuzzleBoard::CellRect(cell).adjusted(2, 2, -2, -2);
}

QImage LoadGlyph(const QString& name) {
    QFile file(FindResource(QStringLiteral("glyphs"), name));
    if (!file.open(QIODevice::ReadOnly))
        throw TarvoError(QStringLiteral("Brak zasobu %1").arg(name));
    return DecodeBmp(file.readAll());
}

FaceButton* HintedButton(QWidget* parent, const char* name, QRect geometry, const QString& caption,
                         const QString& hint) {
    FaceButton* button = ChildFaceButton(parent, name, geometry, caption);
    button->setToolTip(hint);
    return button;
}

}  // namespace

PuzzleWindow::PuzzleWindow(AppContext& ctx, QWidget* parent)
    : ModuleWindow(parent, {50, 110}), ctx(ctx) {
    setObjectName("PuzzleWindow");
    setFixedSize(515, 407);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xBB, 0xCF, 0xAD));
    setPalette(pal);
    glyphOn = LoadGlyph("Z1");
    glyphOff = LoadGlyph("Z2");
    glyphBusy = LoadGlyph("Z3");
    BuildControls();
}

void PuzzleWindow::BuildControls() {
    Image2 = ChildImageView(this, "Image2", {0, 0, 515, 407});
    WhenFirstShown(Image2, [this] { Image2->setImage(LoadJpegResource("TloPuzzle")); });

    ZegLabel = WhiteLabel(this, "ZegLabel", {38, 44, 41, 13}, 13, true);
    ZegLabel->setAlignment(Qt::AlignCenter);
    NameWithContext(ZegLabel, QStringLiteral("Pozostało sekund"));
    Nazwa = WhiteLabel(this, "Nazwa", kNazwaGeometry, PhotoSetRules::kPuzzleLabelPixelSize, false);
    Nazwa2 =
        WhiteLabel(this, "Nazwa2", kNazwa2Geometry, PhotoSetRules::kPuzzleLabelPixelSize, false);

    Panel1 = ColourPanel(this, "Panel1", {357, 10, 115, 75}, Qt::white);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, 115, 75);
    Image1->setScaledContents(true);
    Image1->setAccessibleName(QStringLiteral("Podgląd obrazka"));

    Panel2 = ChildPanel(this, "Panel2", {12, 102, 393, 265});
    ImPuzzle = ChildImageView(Panel2, "ImPuzzle", {0, 0, 393, 265});
    ImPuzzle->image = QImage(393, 265, QImage::Format_RGB32);
    ImPuzzle->image.fill(Qt::white);
    connect(ImPuzzle, &ImageView::pressed, this, [this](QPoint pos) { ImPuzzleMouseDown(pos); });
    ImPuzzle->setFocusPolicy(Qt::TabFocus);
    ImPuzzle->setRingColour(Qt::cyan);  // unlike the yellow frame of a chosen piece
    ImPuzzle->installEventFilter(this);
    SetAccessible(ImPuzzle, QAccessible::Graphic, "Plansza puzzli");

    Nr1Edit = new QLineEdit(QStringLiteral("1"), this);
    Nr1Edit->setObjectName("Nr1Edit");
    Nr1Edit->setGeometry(422, 290, 41, 21);
    Nr1Edit->setMaxLength(2);
    Nr1Edit->setAccessibleName(QStringLiteral("Numer obrazka"));
    QPalette edit = Nr1Edit->palette();
    edit.setColor(QPalette::Base, kEditColour);
    Nr1Edit->setPalette(edit);
    MakeNumberField(Nr1Edit);

    bb1 =
        HintedButton(this, "bb1", {473, 288, 24, 24}, {}, QStringLiteral("Włącza i wyłącza zegar"));
    NrBut1 = HintedButton(this, "NrBut1", {422, 316, 75, 20}, QStringLiteral("Wprowadź"),
                          QStringLiteral("Wybór obrazka o podanym numerze"));
    Nastepny = HintedButton(this, "Nastepny", {422, 340, 75, 20}, QStringLiteral("Następny"),
                            QStringLiteral("Losowy wybór obrazka"));
    bb1->setAccessibleName("Zegar");
    connect(bb1, &QAbstractButton::clicked, this, &PuzzleWindow::bb1Click);
    connect(NrBut1, &QAbstractButton::clicked, this, &PuzzleWindow::NrBut1Click);
    connect(Nastepny, &QAbstractButton::clicked, this, &PuzzleWindow::NastepnyClick);

    Zeg1 = new QTimer(this);
    Zeg1->setInterval(1000);
    connect(Zeg1, &QTimer::timeout, this, &PuzzleWindow::Zeg1Timer);
}

void PuzzleWindow::Opening(Module) {
    FormShow();
}

void PuzzleWindow::Closing() {
    Zeg1->stop();
}

bool PuzzleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ImPuzzle && event->type() == QEvent::KeyPress &&
        BoardKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool PuzzleWindow::BoardKey(int key) {
    if (cursor.Move(key)) {
        ImPuzzle->setCursorRect(CursorRing(cursor.Index(1)));
        ImPuzzle->setAccessibleDescription(QString("Pole %1").arg(cursor.Index(1)));
        return true;
    }
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    ImPuzzleMouseDown(PuzzleBoard::CellRect(cursor.Index(1)).center());
    return true;
}

void PuzzleWindow::FormShow() {
    move(kPlaceInPanel);
    Zeg1->stop();
    board.timeLeft = PuzzleSeconds(ctx.config);
    Panel1->hide();
    Panel2->hide();
    Image1->hide();
    board.locked = false;
    EnableChoice(true);
    clockOn = true;
    SetClockGlyph(glyphOn, true);
    ZegLabel->clear();
    Nazwa->clear();
    Nazwa2->clear();
}

void PuzzleWindow::NastepnyClick() {
    if (loading || !CanChoosePicture()) return;
    pictureNumber = RandomPictureNumber(ctx.platform.random, ctx.data.PictureCount);
    if (!LoadPicture(pictureNumber)) return;
    Nr1Edit->setText(QString::number(pictureNumber));
    BeginGame();
}

void PuzzleWindow::NrBut1Click() {
    if (loading || !CanChoosePicture()) return;
    const TypedPicture typed =
        TypedPictureNumber(Nr1Edit->text(), ctx.platform.random, ctx.data.PictureCount);
    pictureNumber = typed.number;
    if (typed.showNumber) Nr1Edit->setText(QString::number(pictureNumber));
    if (!LoadPicture(pictureNumber)) return;
    BeginGame();
}

bool PuzzleWindow::CanChoosePicture() {
    if (ctx.data.PictureCount > 0) return true;
    ctx.platform.messages.show(ctx.data.PhotoSetCount == 0
                                   ? QStringLiteral("Brak pliku z fotografiami")
                                   : QStringLiteral("Brak obrazków w zestawie"),
                               kError);
    AbandonStart();
    return false;
}

bool PuzzleWindow::LoadPicture(int n) {
    const PictureLine line = SplitPictureLine(ctx.data.PictureList, n);
    // Loading lets pending input be handled; clicks meanwhile must not start
    // another game under this one.
    loading = true;
    try {
        ctx.data.LoadPhotoSetPicture(n);
    } catch (const TarvoError& e) {
        loading = false;
        ctx.platform.messages.show(e.message(), kError);
        AbandonStart();
        return false;
    }
    loading = false;
    Nazwa->setText(line.name);
    Nazwa2->setText(line.description);
    board.Shuffle(ctx.platform.random);
    return true;
}

// A start that could not get its picture leaves the module idle and usable.
void PuzzleWindow::AbandonStart() {
    Zeg1->stop();
    board.locked = true;
    Panel1->hide();
    Panel2->hide();
    Nazwa->clear();
    Nazwa2->clear();
    EnableChoice(true);
    SetClockGlyph(clockOn ? glyphOn : glyphOff, true);
}

void PuzzleWindow::BeginGame() {
    // A start from the keyboard hands the focus on to the board, where the
    // arrow keys play; it would otherwise leave with a disabled button.
    if (isAncestorOf(QApplication::focusWidget())) {
        Panel2->show();
        ImPuzzle->setFocus(Qt::OtherFocusReason);
    }
    cursor.Reset();
    ImPuzzle->setCursorRect(CursorRing(1));
    board.Start(PuzzleSeconds(ctx.config));
    ShowPicture();
    if (clockOn) Zeg1->start();
    SetClockGlyph(glyphBusy, false);
    EnableChoice(!PuzzleChoiceLocked(ctx.config));
    DrawBoard();
    Panel1->show();
    Panel2->show();
}

void PuzzleWindow::ShowPicture() {
    Image1->setPixmap(ScreenPixmap(ctx.data.PictureBitmap, Image1));
    Image1->show();
}

void PuzzleWindow::DrawBoard() {
    for (int cell = 1; cell <= PuzzleBoard::kPieces; ++cell) DrawCell(cell);
    ImPuzzle->update();
}

void PuzzleWindow::DrawCell(int cell) {
    QPainter p(&ImPuzzle->image);
    p.drawImage(PuzzleBoard::CellRect(cell).topLeft(), ctx.data.PictureBitmap,
                PuzzleBoard::PieceRect(board.PieceIn(cell)));
}

// A one-pixel frame on the outermost pixels of the cell.
void PuzzleWindow::DrawFrame(int cell) {
    const QRect r = PuzzleBoard::CellRect(cell);
    QPainter p(&ImPuzzle->image);
    p.setPen(kFrameColour);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.drawLine(r.bottomRight(), r.bottomLeft());
    p.drawLine(r.bottomLeft(), r.topLeft());
}

void PuzzleWindow::ImPuzzleMouseDown(QPoint pos) {
    if (loading) return;
    switch (board.ClickAt(pos)) {
        case PuzzleBoard::Click::Ignored:
            return;
        case PuzzleBoard::Click::First:
            DrawFrame(board.FirstCell());
            break;
        case PuzzleBoard::Click::Swapped:
            DrawCell(board.FirstCell());
            DrawCell(board.LastCell());
            break;
    }
    ImPuzzle->update();
    if (board.IsSolved()) Win();
}

void PuzzleWindow::Win() {
    Nazwa->setText(QStringLiteral("FANTASTYCZNIE!"));
    Announce(Nazwa);
    Zeg1->stop();
    EnableChoice(true);
    ctx.platform.sounds.play(QStringLiteral("Plum"));
    SetClockGlyph(clockOn ? glyphOn : glyphOff, true);
    board.locked = true;
    emit ExerciseFinished(
        ExerciseResult::Puzzle(SplitPictureLine(ctx.data.PictureList, pictureNumber).name,
                               board.timeLimit - board.timeLeft, board.swaps, true));
}

void PuzzleWindow::Zeg1Timer() {
    const bool timeUp = board.Tick();
    ZegLabel->setText(QString::number(board.timeLeft));
    if (timeUp) Lose();
}

// Time is up: the solution is drawn over the board.
void PuzzleWindow::Lose() {
    ctx.platform.sounds.play(QStringLiteral("Plim"));
    Zeg1->stop();
    Nazwa->setText(QStringLiteral("NIESTETY"));
    Announce(Nazwa);
    QPainter(&ImPuzzle->image)
        .drawImage(QPoint(PuzzleBoard::kMargin, PuzzleBoard::kMargin), ctx.data.PictureBitmap);
    ImPuzzle->update();
    SetClockGlyph(glyphOn, true);
    EnableChoice(true);
    board.locked = true;
    emit ExerciseFinished(
        ExerciseResult::Puzzle(SplitPictureLine(ctx.data.PictureList, pictureNumber).name,
                               board.timeLimit, board.swaps, false));
}

void PuzzleWindow::bb1Click() {
    clockOn = !clockOn;
    SetClockGlyph(clockOn ? glyphOn : glyphOff, true);
    ZegLabel->clear();
}

void PuzzleWindow::SetClockGlyph(const QImage& glyph, bool enabled) {
    bb1->setGlyph(glyph);
    bb1->setEnabled(enabled);
}

void PuzzleWindow::EnableChoice(bool enabled) {
    Nastepny->setEnabled(enabled);
    NrBut1->setEnabled(enabled);
}

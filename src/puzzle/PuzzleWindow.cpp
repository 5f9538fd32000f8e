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
#include "platform/Theme.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"
#include "widgets/FaceButton.h"
#include "widgets/ImageView.h"
#include "widgets/NumberKeyFilter.h"

namespace {

const QPoint kPlaceInPanel{50, 110};
const QColor kFrameColour{0xFF, 0xFF, 0x00};

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
    : ModuleWindow(parent, "PuzzleWindow", ModuleGeometry::Puzzle), ctx(ctx) {
    FillBackground(QColor(0xBB, 0xCF, 0xAD));
    glyphOn = LoadGlyph("Z1");
    glyphOff = LoadGlyph("Z2");
    glyphBusy = LoadGlyph("Z3");
    BuildControls();
}

void PuzzleWindow::BuildControls() {
    background = ChildImageView(this, "Image2", {0, 0, 515, 407});
    WhenFirstShown(background, [this] { background->setImage(LoadJpegResource("TloPuzzle")); });

    secondsLabel = WhiteLabel(this, "ZegLabel", {38, 44, 41, 13}, 13, true);
    secondsLabel->setAlignment(Qt::AlignCenter);
    NameWithContext(secondsLabel, QStringLiteral("Pozostało sekund"));
    nameLabel =
        WhiteLabel(this, "Nazwa", kNameLabelGeometry, PhotoSetRules::kPuzzleLabelPixelSize, false);
    descriptionLabel = WhiteLabel(this, "Nazwa2", kDescriptionLabelGeometry,
                                  PhotoSetRules::kPuzzleLabelPixelSize, false);

    previewPanel = ColourPanel(this, "Panel1", {357, 10, 115, 75}, Qt::white);
    preview = new QLabel(previewPanel);
    preview->setObjectName("Image1");
    preview->setGeometry(0, 0, 115, 75);
    preview->setScaledContents(true);
    preview->setAccessibleName(QStringLiteral("Podgląd obrazka"));

    boardPanel = ChildPanel(this, "Panel2", {12, 102, 393, 265});
    boardView = ChildImageView(boardPanel, "ImPuzzle", {0, 0, 393, 265});
    boardView->image = QImage(393, 265, QImage::Format_RGB32);
    boardView->image.fill(Qt::white);
    connect(boardView, &ImageView::pressed, this, [this](QPoint pos) { BoardPressed(pos); });
    boardView->setFocusPolicy(Qt::TabFocus);
    boardView->setRingColour(Qt::cyan);  // unlike the yellow frame of a chosen piece
    boardView->installEventFilter(this);
    SetAccessible(boardView, QAccessible::Graphic, "Plansza puzzli");

    pictureNumberField = new QLineEdit(QStringLiteral("1"), this);
    pictureNumberField->setObjectName("Nr1Edit");
    pictureNumberField->setGeometry(422, 290, 41, 21);
    pictureNumberField->setMaxLength(2);
    pictureNumberField->setAccessibleName(QStringLiteral("Numer obrazka"));
    QPalette edit = pictureNumberField->palette();
    edit.setColor(QPalette::Base, Theme::kAnswerField);
    pictureNumberField->setPalette(edit);
    MakeNumberField(pictureNumberField);

    clockButton =
        HintedButton(this, "bb1", {473, 288, 24, 24}, {}, QStringLiteral("Włącza i wyłącza zegar"));
    enterButton = HintedButton(this, "NrBut1", {422, 316, 75, 20}, QStringLiteral("Wprowadź"),
                               QStringLiteral("Wybór obrazka o podanym numerze"));
    nextButton = HintedButton(this, "Nastepny", {422, 340, 75, 20}, QStringLiteral("Następny"),
                              QStringLiteral("Losowy wybór obrazka"));
    clockButton->setAccessibleName("Zegar");
    connect(clockButton, &QAbstractButton::clicked, this, &PuzzleWindow::ClockButtonClick);
    connect(enterButton, &QAbstractButton::clicked, this, &PuzzleWindow::EnterNumberClick);
    connect(nextButton, &QAbstractButton::clicked, this, &PuzzleWindow::NextClick);

    countdown = new QTimer(this);
    countdown->setInterval(1000);
    connect(countdown, &QTimer::timeout, this, &PuzzleWindow::CountdownTick);
}

void PuzzleWindow::Opening(Module) {
    FormShow();
}

void PuzzleWindow::Closing() {
    countdown->stop();
}

bool PuzzleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == boardView && event->type() == QEvent::KeyPress &&
        BoardKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool PuzzleWindow::BoardKey(int key) {
    if (cursor.Move(key)) {
        boardView->setCursorRect(CursorRing(cursor.Index(1)));
        boardView->setAccessibleDescription(QString("Pole %1").arg(cursor.Index(1)));
        return true;
    }
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    BoardPressed(PuzzleBoard::CellRect(cursor.Index(1)).center());
    return true;
}

void PuzzleWindow::FormShow() {
    move(kPlaceInPanel);
    countdown->stop();
    board.timeLeft = PuzzleSeconds(ctx.config);
    previewPanel->hide();
    boardPanel->hide();
    preview->hide();
    board.locked = false;
    EnableChoice(true);
    clockOn = true;
    SetClockGlyph(glyphOn, true);
    secondsLabel->clear();
    nameLabel->clear();
    descriptionLabel->clear();
}

void PuzzleWindow::NextClick() {
    if (loading || !CanChoosePicture()) return;
    pictureNumber = RandomPictureNumber(ctx.platform.random, ctx.data.PictureCount());
    if (!LoadPicture(pictureNumber)) return;
    pictureNumberField->setText(QString::number(pictureNumber));
    BeginGame();
}

void PuzzleWindow::EnterNumberClick() {
    if (loading || !CanChoosePicture()) return;
    const TypedPicture typed = TypedPictureNumber(pictureNumberField->text(), ctx.platform.random,
                                                  ctx.data.PictureCount());
    pictureNumber = typed.number;
    if (typed.showNumber) pictureNumberField->setText(QString::number(pictureNumber));
    if (!LoadPicture(pictureNumber)) return;
    BeginGame();
}

bool PuzzleWindow::CanChoosePicture() {
    if (ctx.data.PictureCount() > 0) return true;
    ctx.platform.messages.error(ctx.data.PhotoSetCount() == 0
                                    ? QStringLiteral("Brak pliku z fotografiami")
                                    : QStringLiteral("Brak obrazków w zestawie"),
                                Theme::kErrorVerdict);
    AbandonStart();
    return false;
}

bool PuzzleWindow::LoadPicture(int n) {
    const PictureLine line = SplitPictureLine(ctx.data.PictureList(), n);
    // Loading lets pending input be handled; clicks meanwhile must not start
    // another game under this one.
    loading = true;
    try {
        ctx.data.LoadPhotoSetPicture(n);
    } catch (const TarvoError& e) {
        loading = false;
        ctx.platform.messages.error(e.message(), Theme::kErrorVerdict);
        AbandonStart();
        return false;
    }
    loading = false;
    nameLabel->setText(line.name);
    descriptionLabel->setText(line.description);
    board.Shuffle(ctx.platform.random);
    return true;
}

// A start that could not get its picture leaves the module idle and usable.
void PuzzleWindow::AbandonStart() {
    countdown->stop();
    board.locked = true;
    previewPanel->hide();
    boardPanel->hide();
    nameLabel->clear();
    descriptionLabel->clear();
    EnableChoice(true);
    SetClockGlyph(clockOn ? glyphOn : glyphOff, true);
}

void PuzzleWindow::BeginGame() {
    // A start from the keyboard hands the focus on to the board, where the
    // arrow keys play; it would otherwise leave with a disabled button.
    if (isAncestorOf(QApplication::focusWidget())) {
        boardPanel->show();
        boardView->setFocus(Qt::OtherFocusReason);
    }
    cursor.Reset();
    boardView->setCursorRect(CursorRing(1));
    board.Start(PuzzleSeconds(ctx.config));
    ShowPicture();
    if (clockOn) countdown->start();
    SetClockGlyph(glyphBusy, false);
    EnableChoice(!PuzzleChoiceLocked(ctx.config));
    DrawBoard();
    previewPanel->show();
    boardPanel->show();
}

void PuzzleWindow::ShowPicture() {
    preview->setPixmap(ScreenPixmap(ctx.data.PictureBitmap(), preview));
    preview->show();
}

void PuzzleWindow::DrawBoard() {
    for (int cell = 1; cell <= PuzzleBoard::kPieces; ++cell) DrawCell(cell);
    boardView->update();
}

void PuzzleWindow::DrawCell(int cell) {
    QPainter p(&boardView->image);
    p.drawImage(PuzzleBoard::CellRect(cell).topLeft(), ctx.data.PictureBitmap(),
                PuzzleBoard::PieceRect(board.PieceIn(cell)));
}

// A one-pixel frame on the outermost pixels of the cell.
void PuzzleWindow::DrawFrame(int cell) {
    const QRect r = PuzzleBoard::CellRect(cell);
    QPainter p(&boardView->image);
    p.setPen(kFrameColour);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.drawLine(r.bottomRight(), r.bottomLeft());
    p.drawLine(r.bottomLeft(), r.topLeft());
}

void PuzzleWindow::BoardPressed(QPoint pos) {
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
    boardView->update();
    if (board.IsSolved()) Win();
}

void PuzzleWindow::Win() {
    nameLabel->setText(QStringLiteral("FANTASTYCZNIE!"));
    Announce(nameLabel);
    countdown->stop();
    EnableChoice(true);
    ctx.platform.sounds.play(QStringLiteral("Plum"));
    SetClockGlyph(clockOn ? glyphOn : glyphOff, true);
    board.locked = true;
    emit ExerciseFinished(
        ExerciseResult::Puzzle(SplitPictureLine(ctx.data.PictureList(), pictureNumber).name,
                               board.timeLimit - board.timeLeft, board.swaps, true));
}

void PuzzleWindow::CountdownTick() {
    const bool timeUp = board.Tick();
    secondsLabel->setText(QString::number(board.timeLeft));
    if (timeUp) Lose();
}

// Time is up: the solution is drawn over the board.
void PuzzleWindow::Lose() {
    ctx.platform.sounds.play(QStringLiteral("Plim"));
    countdown->stop();
    nameLabel->setText(QStringLiteral("NIESTETY"));
    Announce(nameLabel);
    QPainter(&boardView->image)
        .drawImage(QPoint(PuzzleBoard::kMargin, PuzzleBoard::kMargin), ctx.data.PictureBitmap());
    boardView->update();
    SetClockGlyph(glyphOn, true);
    EnableChoice(true);
    board.locked = true;
    emit ExerciseFinished(
        ExerciseResult::Puzzle(SplitPictureLine(ctx.data.PictureList(), pictureNumber).name,
                               board.timeLimit, board.swaps, false));
}

void PuzzleWindow::ClockButtonClick() {
    clockOn = !clockOn;
    SetClockGlyph(clockOn ? glyphOn : glyphOff, true);
    secondsLabel->clear();
}

void PuzzleWindow::SetClockGlyph(const QImage& glyph, bool enabled) {
    clockButton->setGlyph(glyph);
    clockButton->setEnabled(enabled);
}

void PuzzleWindow::EnableChoice(bool enabled) {
    nextButton->setEnabled(enabled);
    enterButton->setEnabled(enabled);
}

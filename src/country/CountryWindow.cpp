// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "country/CountryWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>

#include "core/AppContext.h"
#include "data/DataAccess.h"
#include "data/PictureChoice.h"
#include "data/ResourceImages.h"
#include "platform/Platform.h"
#include "platform/TarvoError.h"
#include "platform/Theme.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"
#include "widgets/FaceButton.h"
#include "widgets/Gauge.h"
#include "widgets/ImageView.h"
#include "widgets/NumberKeyFilter.h"

namespace {

const QColor kCoverColour{128, 128, 128};
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
    pal.setColor(QPalette::Base, Theme::kAnswerField);
    edit->setPalette(pal);
    return edit;
}

}  // namespace

CountryWindow::CountryWindow(AppContext& ctx, QWidget* parent)
    : ModuleWindow(parent, "CountryWindow", ModuleGeometry::Country), ctx(ctx) {
    FillBackground(QColor(0x80, 0x00, 0x40));
    BuildControls();
}

void CountryWindow::BuildControls() {
    panel = ChildPanel(this, "Panel1", {0, 0, 411, 329});
    background = ChildImageView(panel, "ImTlo", {0, 0, 411, 329});
    WhenFirstShown(background, [this] { background->setImage(LoadJpegResource("TloGdzie")); });

    picturePanel = ChildPanel(panel, "PPuzel", {4, 5, 386, 258});
    pictureView = ChildImageView(picturePanel, "Rys1", {0, 0, 386, 258});
    pictureView->image = QImage(386, 258, QImage::Format_RGB32);
    Cover();
    connect(pictureView, &ImageView::clicked, this, &CountryWindow::PictureClick);
    pictureView->setFocusPolicy(Qt::TabFocus);
    pictureView->installEventFilter(this);
    pictureView->setCursorRect(QRect(CountryGame::TileDrawPos(0), CountryGame::TileRect(0).size()));
    SetAccessible(pictureView, QAccessible::Graphic, "Zakryty obrazek");

    pointsGauge = new Gauge(panel);
    pointsGauge->setObjectName("Postep");
    pointsGauge->setGeometry(400, 6, 5, 258);
    pointsGauge->setKind(Gauge::Kind::Vertical);
    pointsGauge->setBorder(false);
    pointsGauge->setColors(Theme::kButtonFace, Qt::white);
    pointsGauge->setRange(0, kGaugeFull);
    pointsGauge->setAccessibleName(QStringLiteral("Punkty"));

    verdictLabel = new QLabel(panel);
    verdictLabel->setObjectName("Nazwa");
    verdictLabel->setTextFormat(Qt::PlainText);  // shows the answer from Spis.txt
    verdictLabel->setGeometry(16, 280, 169, 13);
    verdictLabel->setAlignment(Qt::AlignCenter);
    QFont bold = verdictLabel->font();
    bold.setBold(true);
    verdictLabel->setFont(bold);
    QPalette white = verdictLabel->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    verdictLabel->setPalette(white);

    nameField = MakeEdit(panel, "NazwaEdit", {16, 296, 169, 21});
    nameField->installEventFilter(this);
    connect(nameField, &QLineEdit::textChanged, this, &CountryWindow::CapitaliseName);
    connect(nameField, &QLineEdit::textChanged, this, &CountryWindow::FitNameFont);
    connect(nameField, &QLineEdit::textEdited, this, [this] { promptShown = false; });
    checkButton = ChildFaceButton(panel, "Sprawdz", {192, 275, 65, 43}, QStringLiteral("Sprawdź"));
    pictureNumberField = MakeEdit(panel, "NrEdit", {268, 276, 49, 21});
    pictureNumberField->setMaxLength(2);
    pictureNumberField->setText(QStringLiteral("1"));
    MakeNumberField(pictureNumberField);
    enterButton = ChildFaceButton(panel, "NrBut", {260, 298, 65, 20}, QStringLiteral("Wprowadź"));
    nextButton = ChildFaceButton(panel, "Nastepny", {328, 275, 73, 43}, QStringLiteral("Następny"));
    connect(checkButton, &QAbstractButton::clicked, this, &CountryWindow::CheckClick);
    connect(enterButton, &QAbstractButton::clicked, this, &CountryWindow::EnterNumberClick);
    connect(nextButton, &QAbstractButton::clicked, this, &CountryWindow::NextClick);

    nameField->setAccessibleName("Nazwa państwa");
    pictureNumberField->setAccessibleName("Numer obrazka");
    verdictLabel->setAccessibleDescription(QStringLiteral("Wynik"));
    setTabOrder(pictureView, nextButton);
    setTabOrder(nextButton, checkButton);
    setTabOrder(checkButton, nameField);
    setTabOrder(nameField, enterButton);
    setTabOrder(enterButton, pictureNumberField);
}

// The name field holds capitals only, whether typed, pasted or set.
void CountryWindow::CapitaliseName() {
    const QString upper = nameField->text().toUpper();
    if (upper == nameField->text()) return;
    const int cursor = nameField->cursorPosition();
    nameField->setText(upper);
    nameField->setCursorPosition(cursor);
}

// The longest names ("WYSPY ŚWIĘTEGO TOMASZA I KSIĄŻĘCA") are wider than the
// field: their letters are narrowed, down to 60 %, so that the whole name shows,
// also when a lost game puts the answer there.
void CountryWindow::FitNameFont() {
    constexpr int kLeastStretch = 60;
    QFont font = nameField->font();
    font.setStretch(QFont::Unstretched);
    const int width = QFontMetrics(font).horizontalAdvance(nameField->text());
    const int room = LineEditTextRoom(nameField);
    if (width > room) font.setStretch(std::max(kLeastStretch, 100 * room / width));
    while (font.stretch() > kLeastStretch &&
           QFontMetrics(font).horizontalAdvance(nameField->text()) > room)
        font.setStretch(font.stretch() - 1);
    if (font != nameField->font()) nameField->setFont(font);
}

bool CountryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pictureView)
        return event->type() == QEvent::KeyPress &&
               PictureKey(static_cast<QKeyEvent*>(event)->key());
    if (watched != nameField) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && TypesCharacter(event) && PromptUntouched())
        nameField->clear();  // the first character typed replaces the prompt
    if (event->type() == QEvent::KeyPress && IsEnter(event)) {
        checkButton->setFocus();
        CheckClick();
        nameField->setFocus();
        nameField->selectAll();
        return true;
    }
    return event->type() == QEvent::KeyRelease && IsEnter(event);
}

void CountryWindow::Opening(Module) {
    FormShow();
}

void CountryWindow::FormShow() {
    if (!CanChoosePicture()) return;
    if (!StartGame(RandomPictureNumber(ctx.platform.random, ctx.data.PictureCount()))) return;
    pictureNumberField->setText(QString::number(pictureNumber));
    EnableChoice(true);
    PromptForName();
}

void CountryWindow::NextClick() {
    if (loading || !CanChoosePicture()) return;
    if (!StartGame(RandomPictureNumber(ctx.platform.random, ctx.data.PictureCount()))) return;
    pictureNumberField->setText(QString::number(pictureNumber));
    EnableChoice(false);
    PromptForName();
}

void CountryWindow::EnterNumberClick() {
    if (loading || !CanChoosePicture()) return;
    const TypedPicture typed = TypedPictureNumber(pictureNumberField->text(), ctx.platform.random,
                                                  ctx.data.PictureCount());
    if (typed.showNumber) pictureNumberField->setText(QString::number(typed.number));
    if (!StartGame(typed.number)) return;
    nameField->selectAll();
    EnableChoice(false);
}

// Covers the picture, loads picture n and uncovers the start tiles. A picture
// that cannot be loaded ends the start with a message; the game stays locked
// and the pupil may choose another picture.
bool CountryWindow::StartGame(int n) {
    game.Start();
    pointsGauge->setProgress(kGaugeFull);
    pictureNumber = n;
    Cover();
    verdictLabel->clear();
    game.answer = SplitPictureLine(ctx.data.PictureList(), n).name;
    // Loading lets pending input be handled; clicks meanwhile must neither
    // start another game nor count against this one.
    loading = true;
    try {
        ctx.data.LoadPhotoSetPicture(n);
    } catch (const TarvoError& e) {
        loading = false;
        ctx.platform.messages.error(e.message(), Theme::kErrorVerdict);
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
    if (ctx.data.PictureCount() > 0) return true;
    Cover();
    verdictLabel->clear();
    game.locked = true;
    EnableChoice(true);
    ctx.platform.messages.error(ctx.data.PhotoSetCount() == 0
                                    ? QStringLiteral("Brak pliku z fotografiami")
                                    : QStringLiteral("Brak obrazków w zestawie"),
                                Theme::kErrorVerdict);
    return false;
}

void CountryWindow::PromptForName() {
    nameField->setText(kPrompt);
    promptShown = true;
    nameField->selectAll();
    nameField->setFocus();
}

// The field still holds the prompt as it was put there, whether or not it is
// selected: a click into the field or the Tab key leave it unselected.
bool CountryWindow::PromptUntouched() const {
    return promptShown && nameField->text() == kPrompt.toUpper();
}

void CountryWindow::Cover() {
    QImage& image = pictureView->image;
    image.fill(kCoverColour);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawRect(0, 0, image.width() - 1, image.height() - 1);
    pictureView->update();
}

void CountryWindow::DrawTile(int tile) {
    QPainter(&pictureView->image)
        .drawImage(CountryGame::TileDrawPos(tile), ctx.data.PictureBitmap(),
                   CountryGame::TileRect(tile));
    pictureView->update();
}

void CountryWindow::DrawWholePicture() {
    QPainter(&pictureView->image).drawImage(QPoint(1, 1), ctx.data.PictureBitmap());
    pictureView->update();
}

void CountryWindow::Penalize() {
    game.Penalty();
    pointsGauge->setProgress(pointsGauge->progress() - kGaugeStep);
}

bool CountryWindow::PictureKey(int key) {
    if (cursor.Move(key)) {
        const int tile = cursor.Index();
        pictureView->setCursorRect(
            QRect(CountryGame::TileDrawPos(tile), CountryGame::TileRect(tile).size()));
        pictureView->setAccessibleDescription(
            QString("Kolumna %1, wiersz %2").arg(cursor.Column() + 1).arg(cursor.Row() + 1));
        return true;
    }
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    // From the keyboard the focus stays on the picture, so that more tiles
    // can be uncovered before the name is typed.
    if (Uncover(cursor.Index())) pictureView->setFocus();
    return true;
}

void CountryWindow::PictureClick() {
    const QPoint origin = mapToGlobal(panel->pos());
    Uncover(CountryGame::TileAt(CountryGame::WindowPoint(ctx.platform.pointer.pos(), origin)));
}

// Uncovers a tile at the price of a point; false when the game takes no
// clicks or the tile is none.
bool CountryWindow::Uncover(int tile) {
    if (game.locked || loading || tile < 0) return false;
    DrawTile(tile);
    Penalize();
    verdictLabel->clear();
    nameField->setFocus();
    nameField->selectAll();
    if (game.IsLost()) Decide(false);
    return true;
}

void CountryWindow::CheckClick() {
    if (game.locked || loading) return;
    if (game.Matches(nameField->text())) {
        Decide(true);
        return;
    }
    Penalize();
    verdictLabel->setText(QStringLiteral("NIESTETY NIE"));
    Announce(verdictLabel);
    ctx.platform.sounds.play(QStringLiteral("Plim"));
    if (game.IsLost()) Decide(false);
}

// The game is decided: the verdict, the whole picture, the sound; a lost
// game also shows the answer.
void CountryWindow::Decide(bool won) {
    verdictLabel->setText(game.ResultText());
    Announce(verdictLabel);
    if (!won) nameField->setText(game.answer);
    DrawWholePicture();
    ctx.platform.sounds.play(won ? QStringLiteral("Plum") : QStringLiteral("Plim"));
    game.locked = true;
    EnableChoice(true);
    emit ExerciseFinished(ExerciseResult::Country(game.answer, game.attempts, game.points, won));
}

void CountryWindow::EnableChoice(bool enabled) {
    nextButton->setEnabled(enabled);
    enterButton->setEnabled(enabled);
}

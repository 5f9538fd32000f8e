// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coords/CoordinatesWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/AppContext.h"
#include "data/ResourceImages.h"
#include "platform/Platform.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"
#include "widgets/FaceButton.h"
#include "widgets/NumberKeyFilter.h"

namespace {

// A bold label of fixed size whose text is centred.
QLabel* CentredLabel(QWidget* parent, const char* name, QRect geometry, int pixelSize) {
    QLabel* label = WhiteLabel(parent, name, geometry, pixelSize, true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void SetCaptionColour(QWidget* button, const QColor& colour) {
    QPalette pal = button->palette();
    pal.setColor(QPalette::ButtonText, colour);
    button->setPalette(pal);
}

void SetParallelLabel(QLabel* label, int value) {
    label->setText(QString::number(value));
    label->adjustSize();
}

}  // namespace

CoordinatesWindow::CoordinatesWindow(AppContext& ctx, QWidget* parent)
    : ModuleWindow(parent, "CoordinatesWindow", ModuleGeometry::Coords), ctx(ctx) {
    background = new QLabel(this);
    background->setObjectName("Image1");
    background->setGeometry(0, 0, 386, 261);
    LoadJpegResourceToImage("TloUklad", background);
    BuildGrid();
    BuildAnswerArea();
}

void CoordinatesWindow::BuildGrid() {
    leftMeridianLabel = CentredLabel(this, "Szer1", {43, 2, 39, 16}, 13);
    leftMeridianLabel->setText("0");
    rightMeridianLabel = CentredLabel(this, "Szer2", {142, 2, 39, 16}, 13);
    rightMeridianLabel->setText("10");
    topParallelLabel = WhiteLabel(this, "Szer3", 13, true);
    topParallelLabel->move(188, 28);
    SetParallelLabel(topParallelLabel, 0);
    bottomParallelLabel = WhiteLabel(this, "Szer4", 13, true);
    bottomParallelLabel->move(188, 129);
    SetParallelLabel(bottomParallelLabel, 10);
    const QColor blue(0x00, 0x00, 0xFF);
    leftMeridianLine = ColourPanel(this, "Panel3", {60, 20, 4, 136}, blue);
    rightMeridianLine = ColourPanel(this, "Panel2", {160, 20, 4, 136}, blue);
    topParallelLine = ColourPanel(this, "Panel4", {45, 36, 136, 4}, blue);
    bottomParallelLine = ColourPanel(this, "Panel5", {45, 136, 136, 4}, blue);
    point = ColourPanel(this, "Punkt", {59, 35, 6, 6}, QColor(0xFF, 0x00, 0x00));
    point->hide();
    SetAccessible(point, QAccessible::Graphic, QStringLiteral("Punkt do odczytania"));
    NameWithContext(leftMeridianLabel, QStringLiteral("Południk lewy"));
    NameWithContext(rightMeridianLabel, QStringLiteral("Południk prawy"));
    NameWithContext(topParallelLabel, QStringLiteral("Równoleżnik górny"));
    NameWithContext(bottomParallelLabel, QStringLiteral("Równoleżnik dolny"));
}

void CoordinatesWindow::BuildAnswerArea() {
    WhiteCaption(this, "Label3", "Poprawnie:", {240, 16}, 11);
    rightAnswerLabel = CentredLabel(this, "Odp", {240, 32, 121, 17}, 11);
    WhiteCaption(this, "Label4", "Twoja odpowiedź:", {240, 56}, 11);
    pupilAnswerLabel = CentredLabel(this, "JegoOdp", {240, 72, 121, 13}, 11);
    NameWithContext(rightAnswerLabel, QStringLiteral("Poprawnie"));
    NameWithContext(pupilAnswerLabel, QStringLiteral("Twoja odpowiedź"));

    northButton = SideButton("N", {295, 96});
    westButton = SideButton("W", {240, 147});
    eastButton = SideButton("E", {346, 147});
    southButton = SideButton("S", {295, 198});
    northButton->setAccessibleName("N, szerokość północna");
    southButton->setAccessibleName("S, szerokość południowa");
    eastButton->setAccessibleName("E, długość wschodnia");
    westButton->setAccessibleName("W, długość zachodnia");
    connect(eastButton, &QAbstractButton::clicked, this,
            [this] { LongitudeGiven(CoordAnswer::LonSide::East); });
    connect(westButton, &QAbstractButton::clicked, this,
            [this] { LongitudeGiven(CoordAnswer::LonSide::West); });
    connect(northButton, &QAbstractButton::clicked, this,
            [this] { LatitudeGiven(CoordAnswer::LatSide::North); });
    connect(southButton, &QAbstractButton::clicked, this,
            [this] { LatitudeGiven(CoordAnswer::LatSide::South); });

    promptLabel = CentredLabel(this, "NapWskaz", {32, 204, 185, 13}, 11);
    degreesField = new QLineEdit(this);
    degreesField->setObjectName("OdpEdit");
    degreesField->setGeometry(96, 220, 57, 18);
    degreesField->setMaxLength(3);
    degreesField->setFocusPolicy(Qt::ClickFocus);
    degreesField->setStyleSheet(
        "QLineEdit { background: #C6E2FF; color: black; border: 1px solid "
        "#00004A; padding: 0px 1px; }");
    MakeNumberField(degreesField);
    degreesField->installEventFilter(this);  // after the number filter, so it sees letters first
    degreesField->setAccessibleName("Stopnie");
    WhiteCaption(this, "Label5", "°", {158, 215}, 19);

    nextButton = ChildFaceButton(this, "Nastepny", {248, 220, 113, 20}, "Następny");
    connect(nextButton, &QAbstractButton::clicked, this, &CoordinatesWindow::NextClick);
}

FaceButton* CoordinatesWindow::SideButton(const char* name, QPoint at) {
    FaceButton* button = ChildFaceButton(this, name, {at.x(), at.y(), 20, 20}, name);
    button->installEventFilter(this);
    return button;
}

bool CoordinatesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == degreesField && event->type() == QEvent::KeyPress &&
        SideKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (watched == northButton || watched == westButton || watched == eastButton ||
            watched == southButton)
            SetCaptionColour(static_cast<QWidget*>(watched),
                             event->type() == QEvent::FocusIn ? Qt::red : Qt::white);
    }
    return QWidget::eventFilter(watched, event);
}

void CoordinatesWindow::keyPressEvent(QKeyEvent* event) {
    if (!SideKey(event->key())) QWidget::keyPressEvent(event);
}

// The letters of the compass rose press the button of that side while it
// is enabled (E and W for the longitude, N and S for the latitude).
bool CoordinatesWindow::SideKey(int key) {
    FaceButton* side = key == Qt::Key_E   ? eastButton
                       : key == Qt::Key_W ? westButton
                       : key == Qt::Key_N ? northButton
                       : key == Qt::Key_S ? southButton
                                          : nullptr;
    if (!side || !side->isEnabled()) return false;
    side->click();
    return true;
}

void CoordinatesWindow::SetSides(bool longitude, bool latitude) {
    eastButton->setEnabled(longitude);
    westButton->setEnabled(longitude);
    northButton->setEnabled(latitude);
    southButton->setEnabled(latitude);
}

// A run of tasks ends when the pupil leaves the exercise.
void CoordinatesWindow::Closing() {
    if (tasksDone == 0) return;
    emit ExerciseFinished(ExerciseResult::Coordinates(tasksDone, tasksRight));
    tasksDone = tasksRight = 0;
}

void CoordinatesWindow::Opening(Module) {
    SetSides(false, false);
    nextButton->setEnabled(true);
    point->hide();
    promptLabel->setText("Wybierz \"Następny\"");
    answer.lonSide = CoordAnswer::LonSide::None;
    answer.latSide = CoordAnswer::LatSide::None;
    rightAnswerLabel->clear();
    pupilAnswerLabel->clear();
    degreesField->clear();
    nextButton->setFocus();
}

void CoordinatesWindow::NextClick() {
    nextButton->setEnabled(false);
    promptLabel->setText("Podaj długość geograficzną:");
    SetSides(true, false);
    answer = CoordAnswer();
    task = DrawCoordTask(ctx.platform.random);
    ShowTask();
    rightAnswerLabel->clear();
    pupilAnswerLabel->clear();
    FocusField();
}

void CoordinatesWindow::ShowTask() {
    leftMeridianLabel->setText(QString::number(task.LeftMeridian()));
    rightMeridianLabel->setText(QString::number(task.RightMeridian()));
    SetParallelLabel(topParallelLabel, task.TopParallel());
    SetParallelLabel(bottomParallelLabel, task.BottomParallel());
    point->move(task.PointCorner());
    point->show();
    point->raise();
}

void CoordinatesWindow::FocusField() {
    degreesField->selectAll();
    degreesField->setFocus();
}

void CoordinatesWindow::LongitudeGiven(CoordAnswer::LonSide side) {
    SetSides(false, true);
    answer.lonSide = side;
    answer.lonGiven = CoordAnswer::ReadField(degreesField->text());
    promptLabel->setText("Podaj szerokość geograficzną:");
    FocusField();
}

void CoordinatesWindow::LatitudeGiven(CoordAnswer::LatSide side) {
    SetSides(false, false);
    answer.latSide = side;
    answer.latGiven = CoordAnswer::ReadField(degreesField->text());
    const bool right = answer.IsRight(task);
    ++tasksDone;
    tasksRight += right ? 1 : 0;
    promptLabel->setText(right ? "Odpowiedziałeś poprawnie" : "Odpowiedziałeś błędnie");
    Announce(promptLabel, promptLabel->text() + ". Poprawnie: " + task.RightAnswer());
    ctx.platform.sounds.play(right ? "Plum" : "Plim");
    nextButton->setEnabled(true);
    pupilAnswerLabel->setText(answer.Text());
    rightAnswerLabel->setText(task.RightAnswer());
    nextButton->setFocus();
}

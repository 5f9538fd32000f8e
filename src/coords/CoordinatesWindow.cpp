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
    : ModuleWindow(parent, {130, 180}), ctx(ctx) {
    setObjectName("CoordinatesWindow");
    setFixedSize(386, 261);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, 386, 261);
    LoadJpegResourceToImage("TloUklad", Image1);
    BuildGrid();
    BuildAnswerArea();
}

void CoordinatesWindow::BuildGrid() {
    Szer1 = CentredLabel(this, "Szer1", {43, 2, 39, 16}, 13);
    Szer1->setText("0");
    Szer2 = CentredLabel(this, "Szer2", {142, 2, 39, 16}, 13);
    Szer2->setText("10");
    Szer3 = WhiteLabel(this, "Szer3", 13, true);
    Szer3->move(188, 28);
    SetParallelLabel(Szer3, 0);
    Szer4 = WhiteLabel(this, "Szer4", 13, true);
    Szer4->move(188, 129);
    SetParallelLabel(Szer4, 10);
    const QColor blue(0x00, 0x00, 0xFF);
    Panel3 = ColourPanel(this, "Panel3", {60, 20, 4, 136}, blue);
    Panel2 = ColourPanel(this, "Panel2", {160, 20, 4, 136}, blue);
    Panel4 = ColourPanel(this, "Panel4", {45, 36, 136, 4}, blue);
    Panel5 = ColourPanel(this, "Panel5", {45, 136, 136, 4}, blue);
    Punkt = ColourPanel(this, "Punkt", {59, 35, 6, 6}, QColor(0xFF, 0x00, 0x00));
    Punkt->hide();
}

void CoordinatesWindow::BuildAnswerArea() {
    WhiteCaption(this, "Label3", "Poprawnie:", {240, 16}, 11);
    Odp = CentredLabel(this, "Odp", {240, 32, 121, 17}, 11);
    WhiteCaption(this, "Label4", "Twoja odpowiedź:", {240, 56}, 11);
    JegoOdp = CentredLabel(this, "JegoOdp", {240, 72, 121, 13}, 11);

    N = SideButton("N", {295, 96});
    W = SideButton("W", {240, 147});
    E = SideButton("E", {346, 147});
    S = SideButton("S", {295, 198});
    N->setAccessibleName("N, szerokość północna");
    S->setAccessibleName("S, szerokość południowa");
    E->setAccessibleName("E, długość wschodnia");
    W->setAccessibleName("W, długość zachodnia");
    connect(E, &QAbstractButton::clicked, this, [this] { LongitudeGiven(1); });
    connect(W, &QAbstractButton::clicked, this, [this] { LongitudeGiven(2); });
    connect(N, &QAbstractButton::clicked, this, [this] { LatitudeGiven(1); });
    connect(S, &QAbstractButton::clicked, this, [this] { LatitudeGiven(2); });

    NapWskaz = CentredLabel(this, "NapWskaz", {32, 204, 185, 13}, 11);
    OdpEdit = new QLineEdit(this);
    OdpEdit->setObjectName("OdpEdit");
    OdpEdit->setGeometry(96, 220, 57, 18);
    OdpEdit->setMaxLength(3);
    OdpEdit->setFocusPolicy(Qt::ClickFocus);
    OdpEdit->setStyleSheet(
        "QLineEdit { background: #C6E2FF; color: black; border: 1px solid "
        "#00004A; padding: 0px 1px; }");
    MakeNumberField(OdpEdit);
    OdpEdit->installEventFilter(this);  // after the number filter, so it sees letters first
    OdpEdit->setAccessibleName("Stopnie");
    WhiteCaption(this, "Label5", "°", {158, 215}, 19);

    Nastepny = ChildFaceButton(this, "Nastepny", {248, 220, 113, 20}, "Następny");
    connect(Nastepny, &QAbstractButton::clicked, this, &CoordinatesWindow::NastepnyClick);
}

FaceButton* CoordinatesWindow::SideButton(const char* name, QPoint at) {
    FaceButton* button = ChildFaceButton(this, name, {at.x(), at.y(), 20, 20}, name);
    button->installEventFilter(this);
    return button;
}

bool CoordinatesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == OdpEdit && event->type() == QEvent::KeyPress &&
        SideKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (watched == N || watched == W || watched == E || watched == S)
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
    FaceButton* side = key == Qt::Key_E   ? E
                       : key == Qt::Key_W ? W
                       : key == Qt::Key_N ? N
                       : key == Qt::Key_S ? S
                                          : nullptr;
    if (!side || !side->isEnabled()) return false;
    side->click();
    return true;
}

void CoordinatesWindow::SetSides(bool longitude, bool latitude) {
    E->setEnabled(longitude);
    W->setEnabled(longitude);
    N->setEnabled(latitude);
    S->setEnabled(latitude);
}

// A run of tasks ends when the pupil leaves the exercise.
void CoordinatesWindow::Closing() {
    if (tasksDone == 0) return;
    emit ExerciseFinished(ExerciseResult::Coordinates(tasksDone, tasksRight));
    tasksDone = tasksRight = 0;
}

void CoordinatesWindow::Opening(Module) {
    SetSides(false, false);
    Nastepny->setEnabled(true);
    Punkt->hide();
    NapWskaz->setText("Wybierz \"Następny\"");
    answer.lonSide = 0;
    answer.latSide = 0;
    Odp->clear();
    JegoOdp->clear();
    OdpEdit->clear();
    Nastepny->setFocus();
}

void CoordinatesWindow::NastepnyClick() {
    Nastepny->setEnabled(false);
    NapWskaz->setText("Podaj długość geograficzną:");
    SetSides(true, false);
    answer = CoordAnswer();
    task = DrawCoordTask(ctx.platform.random);
    ShowTask();
    Odp->clear();
    JegoOdp->clear();
    FocusField();
}

void CoordinatesWindow::ShowTask() {
    Szer1->setText(QString::number(task.LeftMeridian()));
    Szer2->setText(QString::number(task.RightMeridian()));
    SetParallelLabel(Szer3, task.TopParallel());
    SetParallelLabel(Szer4, task.BottomParallel());
    Punkt->move(task.PointCorner());
    Punkt->show();
    Punkt->raise();
}

void CoordinatesWindow::FocusField() {
    OdpEdit->selectAll();
    OdpEdit->setFocus();
}

void CoordinatesWindow::LongitudeGiven(int side) {
    SetSides(false, true);
    answer.lonSide = side;
    answer.lonGiven = CoordAnswer::ReadField(OdpEdit->text());
    NapWskaz->setText("Podaj szerokość geograficzną:");
    FocusField();
}

void CoordinatesWindow::LatitudeGiven(int side) {
    SetSides(false, false);
    answer.latSide = side;
    answer.latGiven = CoordAnswer::ReadField(OdpEdit->text());
    const bool right = answer.IsRight(task);
    ++tasksDone;
    tasksRight += right ? 1 : 0;
    NapWskaz->setText(right ? "Odpowiedziałeś poprawnie" : "Odpowiedziałeś błędnie");
    Announce(NapWskaz);
    ctx.platform.sounds.play(right ? "Plum" : "Plim");
    Nastepny->setEnabled(true);
    JegoOdp->setText(answer.Text());
    Odp->setText(task.RightAnswer());
    Nastepny->setFocus();
}

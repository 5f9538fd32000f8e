// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/QuizWindow.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "core/AppContext.h"
#include "data/ResourceImages.h"
#include "platform/Platform.h"
#include "quiz/Grade.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"
#include "widgets/FaceButton.h"
#include "widgets/ImageView.h"
#include "widgets/ListDialog.h"
#include "widgets/PictureButton.h"

namespace {
const QColor kNeutral(0, 0, 0);
const QColor kChosen(0, 0, 255);
const QColor kRight(255, 0, 0);
const QColor kWhite(255, 255, 255);
constexpr int kSeconds = 9;
constexpr int kSeriesLength = 10;
constexpr int kSeriesEndPauseMs = 3000;

// A tick for the right row and a cross for a wrong choice, so that the
// verdict reads without telling colours apart.
QPixmap Mark(bool right, qreal ratio) {
    // Drawn in the screen's device pixels, so that a scaled program shows it sharp.
    QPixmap mark(QSize(14, 14) * ratio);
    mark.setDevicePixelRatio(ratio);
    mark.fill(Qt::transparent);
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(right ? QColor(0, 120, 0) : QColor(0, 0, 0), 3, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    if (right) {
        p.drawPolyline(QPolygonF({{2, 7.5}, {5.5, 11}, {12, 3}}));
    } else {
        p.drawLine(QPointF(3, 3), QPointF(11, 11));
        p.drawLine(QPointF(11, 3), QPointF(3, 11));
    }
    p.end();
    return mark;
}

}  // namespace

QuizWindow::QuizWindow(AppContext& ctx, QWidget* parent)
    : ModuleWindow(parent, {120, 110}),
      ctx(ctx),
      bank(QuestionBank::FromResource()),
      questions(bank, ctx.platform.random) {
    setObjectName("QuizWindow");
    setFixedSize(403, 307);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, kWhite);
    setPalette(white);
    ZegF3 = new QTimer(this);
    ZegF3->setInterval(1000);
    connect(ZegF3, &QTimer::timeout, this, &QuizWindow::ZegF3Timer);
    BuildControls();
    // The Next arrow stands on the panel below the window.
    nextArrow = new PictureButton(parent, "ImNastepny", {496, 454, 105, 52}, "Następne");
    nextArrow->hide();
    WhenFirstShown(nextArrow,
                   [arrow = nextArrow] { arrow->setPicture(LoadJpegResource("Strzalka")); });
    connect(nextArrow, &QAbstractButton::clicked, this, &QuizWindow::ShowNextQuestion);
}

QLabel* QuizWindow::AddLabel(const char* name, QRect geometry, QColor colour) {
    auto* label = new QLabel(PPytanie);
    label->setObjectName(name);
    label->setGeometry(geometry);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

void QuizWindow::BuildControls() {
    PPytanie = new QWidget(this);
    PPytanie->setObjectName("PPytanie");
    PPytanie->setGeometry(0, 0, 404, 308);
    PPytanie->hide();
    ImPytanie = new ImageView(PPytanie);
    ImPytanie->setObjectName("ImPytanie");
    ImPytanie->setGeometry(0, 0, 404, 308);
    WhenFirstShown(ImPytanie, [this] { ImPytanie->setImage(LoadJpegResource("TloQuiz")); });

    // The question box holds two lines of the question above the count line.
    LPytanie = AddLabel("LPytanie", {100, 56, 253, 36}, kNeutral);
    LPytanie->setWordWrap(true);
    LPytanie->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = LPytanie->font();
    bold.setBold(true);
    LPytanie->setFont(bold);

    const QRect rows[3] = {{48, 147, 265, 21}, {48, 200, 265, 17}, {48, 258, 265, 21}};
    for (int i = 0; i < 3; ++i) {
        const QByteArray name = "LOdp" + QByteArray::number(i + 1);
        LOdp[i] = AddLabel(name.constData(), rows[i], kNeutral);
        LOdp[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        LOdp[i]->setCursor(Qt::PointingHandCursor);
        LOdp[i]->installEventFilter(this);
        SetAccessible(LOdp[i], QAccessible::Button, QString());
        const QByteArray mark = "LZnak" + QByteArray::number(i + 1);
        // At the right end of the row's bar, clear of the answer text.
        LZnak[i] = AddLabel(mark.constData(),
                            {300, rows[i].y() + (rows[i].height() - 14) / 2, 14, 14}, kNeutral);
        LZnak[i]->hide();
    }

    LNrPytania = AddLabel("LNrPytania", {112, 25, 240, 13}, kWhite);
    TimeLab = AddLabel("TimeLab", {45, 40, 17, 25}, kWhite);
    QFont digit = TimeLab->font();
    digit.setPixelSize(16);
    TimeLab->setFont(digit);
    TimeLab->setAlignment(Qt::AlignCenter);
    LOcena = AddLabel("LOcena", {104, 92, 255, 13}, kRight);

    BBledy = ChildFaceButton(PPytanie, "BBledy", {104, 117, 90, 20}, "Pokaż błędy");
    BBledy->hide();
    connect(BBledy, &QAbstractButton::clicked, this, &QuizWindow::BBledyClick);
    mistakeList = new ListDialog(this);
}

bool QuizWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < 3; ++i) {
            if (watched == LOdp[i] && mouse->button() == Qt::LeftButton &&
                LOdp[i]->rect().contains(mouse->position().toPoint())) {
                AnswerClick(i + 1);
                return true;
            }
        }
    }
    if (event->type() == QEvent::KeyPress) {
        for (int i = 0; i < 3; ++i)
            if (watched == LOdp[i] && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
                AnswerClick(i + 1);
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

void QuizWindow::ShowNextArrow(bool shown) {
    nextArrow->setVisible(shown);
}

void QuizWindow::Opening(Module chosen) {
    EnterQuiz(chosen == Module::CapitalsQuiz ? QuizMode::Capitals : QuizMode::Knowledge);
}

void QuizWindow::Closing() {
    ZegF3->stop();
    ShowNextArrow(false);
}

void QuizWindow::MenuChosen() {
    ZegF3->stop();
}

bool QuizWindow::TakesKeysAt(const QWidget* focus) const {
    return focus == this || focus == nextArrow;
}

void QuizWindow::SetRowColour(int row, QColor colour) {
    QPalette pal = LOdp[row - 1]->palette();
    pal.setColor(QPalette::WindowText, colour);
    LOdp[row - 1]->setPalette(pal);
}

void QuizWindow::EnterQuiz(QuizMode mode) {
    PPytanie->show();
    ZegF3->stop();
    state = QuizState{};
    state.mode = mode;
    for (QLabel* label : {LPytanie, LOdp[0], LOdp[1], LOdp[2], LOcena, LNrPytania, TimeLab})
        label->clear();
    // Empty rows take no answer: hidden, they offer none to a screen reader.
    for (QLabel* row : LOdp) row->hide();
    ClearMarks();
    review.StartSeries();
    ctx.platform.random.seedFromClock();
    if (mode == QuizMode::Knowledge) {
        questions.ResetDrawOrder();
    } else {
        questions.CapitalPosition = 1;
        questions.LoadCapitalTable();
        questions.ShuffleCapitalTable();
    }
    ShowNextArrow(true);
    LPytanie->setText("By rozpocząć, kliknij na strzałkę z napisem \"Następne\"");
}

void QuizWindow::ShowNextQuestion() {
    const PresentedQuestion shown = state.mode == QuizMode::Knowledge
                                        ? questions.NextKnowledgeQuestion()
                                        : questions.NextCapitalQuestion();
    current = shown;
    state.CorrectPosition = shown.CorrectPosition;
    LPytanie->setText(shown.question);
    ClearMarks();
    for (int row = 1; row <= 3; ++row) {
        SetRowColour(row, kNeutral);
        LOdp[row - 1]->setText(shown.rows[row - 1]);
        LOdp[row - 1]->show();
        LOdp[row - 1]->setAccessibleName(QString::number(row) + ". " + shown.rows[row - 1]);
    }
    ShowNextArrow(false);
    TimeLab->setText(QString::number(kSeconds));
    state.SecondsLeft = kSeconds;
    ZegF3->start();
    state.AnswerOpen = true;
    ++state.QuestionNumber;
    if (state.QuestionNumber == 1) {
        review.StartSeries();
        seriesStartMs = ctx.platform.clock.nowMs();
    }
    LNrPytania->setText("Pytanie numer: " + QString::number(state.QuestionNumber));
    if (state.QuestionNumber == 1) LOcena->setText("Poprawnych: 0");
}

void QuizWindow::AnswerClick(int row) {
    if (!state.AnswerOpen) return;
    state.ChosenPosition = row;
    TakeAnswer();
    ShowNextArrow(true);
}

void QuizWindow::ZegF3Timer() {
    if (!state.AnswerOpen) return;
    --state.SecondsLeft;
    TimeLab->setText(QString::number(state.SecondsLeft));
    if (state.SecondsLeft != 0) return;
    SetRowColour(state.CorrectPosition, kRight);
    ShowNextArrow(true);
    state.ChosenPosition = QuizState::NoAnswer;
    TakeAnswer();
}

void QuizWindow::TakeAnswer() {
    // The answer is closed before any sound: timer ticks and clicks still
    // arrive while a sound plays, and each question is judged exactly once.
    ZegF3->stop();
    state.AnswerOpen = false;
    const bool right = state.ChosenPosition == state.CorrectPosition;
    if (state.ChosenPosition != QuizState::NoAnswer) SetRowColour(state.ChosenPosition, kChosen);
    if (right) {
        ++state.CorrectCount;
        LOcena->setText("Poprawnych: " + QString::number(state.CorrectCount));
    } else {
        SetRowColour(state.CorrectPosition, kRight);
    }
    review.Record(current, state.ChosenPosition);
    MarkRows();
    AnnounceVerdict(right);
    repaint();
    ctx.platform.sounds.playAndWait(right ? "Plum" : "Plim");
    if (state.QuestionNumber < kSeriesLength) return;
    emit ExerciseFinished(ExerciseResult::Quiz(
        state.mode == QuizMode::Capitals, state.CorrectCount,
        int((ctx.platform.clock.nowMs() - seriesStartMs) / 1000), review.Questions()));
    ctx.platform.sounds.play("Plum");
    ShowNextArrow(false);
    ShowGrade();
    BBledy->setVisible(!review.Mistakes().empty());
    repaint();
    ctx.platform.waits.pause(kSeriesEndPauseMs);
    ShowNextArrow(true);
    state.QuestionNumber = 0;
    state.CorrectCount = 0;
}

void QuizWindow::ShowGrade() {
    const Grade grade = GradeFor(state.CorrectCount);
    LOcena->setText(grade.line);
    LPytanie->setText(grade.comment);
    LOcena->setAccessibleName(grade.line + ". " + grade.comment);
    Announce(LOcena);
}

// The right row gets a tick, a wrongly chosen row a cross.
void QuizWindow::MarkRows() {
    const int chosen = state.ChosenPosition;
    if (chosen != QuizState::NoAnswer && chosen != state.CorrectPosition) {
        LZnak[chosen - 1]->setPixmap(Mark(false, devicePixelRatioF()));
        LZnak[chosen - 1]->show();
    }
    LZnak[state.CorrectPosition - 1]->setPixmap(Mark(true, devicePixelRatioF()));
    LZnak[state.CorrectPosition - 1]->show();
}

void QuizWindow::ClearMarks() {
    for (QLabel* mark : LZnak) mark->hide();
    BBledy->hide();
    LOcena->setAccessibleName(QString());
}

// The verdict is read out from the count line, which carries it as its name.
void QuizWindow::AnnounceVerdict(bool right) {
    const QString answer = current.rows[state.CorrectPosition - 1];
    LOcena->setAccessibleName(right ? "Dobrze. Poprawnych: " + QString::number(state.CorrectCount)
                                    : "Źle. Poprawna odpowiedź: " + answer);
    Announce(LOcena);
}

void QuizWindow::BBledyClick() {
    mistakeList->Show("Błędne odpowiedzi w tej serii", review.Paragraphs());
}

bool QuizWindow::ModuleKey(int key) {
    switch (key) {
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_3:
            AnswerClick(key - Qt::Key_0);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (nextArrow->isVisible()) ShowNextQuestion();
            return true;
        case Qt::Key_B:
            if (!BBledy->isVisible()) return false;
            BBledyClick();
            return true;
        default:
            return false;
    }
}

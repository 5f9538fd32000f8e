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
    : ModuleWindow(parent, "QuizWindow", ModuleGeometry::Quiz),
      ctx(ctx),
      bank(QuestionBank::FromResource()),
      questions(bank, ctx.platform.random) {
    FillBackground(kWhite);
    countdown = new QTimer(this);
    countdown->setInterval(1000);
    connect(countdown, &QTimer::timeout, this, &QuizWindow::CountdownTick);
    BuildControls();
    // The Next arrow stands on the panel below the window.
    nextArrow = new PictureButton(parent, "ImNastepny", {496, 454, 105, 52}, "Następne");
    nextArrow->hide();
    WhenFirstShown(nextArrow,
                   [arrow = nextArrow] { arrow->setPicture(LoadJpegResource("Strzalka")); });
    connect(nextArrow, &QAbstractButton::clicked, this, &QuizWindow::ShowNextQuestion);
}

QLabel* QuizWindow::AddLabel(const char* name, QRect geometry, QColor colour) {
    auto* label = new QLabel(questionPanel);
    label->setObjectName(name);
    label->setGeometry(geometry);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

void QuizWindow::BuildControls() {
    questionPanel = new QWidget(this);
    questionPanel->setObjectName("PPytanie");
    questionPanel->setGeometry(0, 0, 404, 308);
    questionPanel->hide();
    backgroundView = new ImageView(questionPanel);
    backgroundView->setObjectName("ImPytanie");
    backgroundView->setGeometry(0, 0, 404, 308);
    WhenFirstShown(backgroundView,
                   [this] { backgroundView->setImage(LoadJpegResource("TloQuiz")); });

    // The question box holds two lines of the question above the count line.
    questionLabel = AddLabel("LPytanie", {100, 56, 253, 36}, kNeutral);
    questionLabel->setWordWrap(true);
    questionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = questionLabel->font();
    bold.setBold(true);
    questionLabel->setFont(bold);

    const QRect rows[3] = {{48, 147, 265, 21}, {48, 200, 265, 17}, {48, 258, 265, 21}};
    for (int i = 0; i < 3; ++i) {
        const QByteArray name = "LOdp" + QByteArray::number(i + 1);
        answerRows[i] = AddLabel(name.constData(), rows[i], kNeutral);
        answerRows[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        answerRows[i]->setCursor(Qt::PointingHandCursor);
        answerRows[i]->installEventFilter(this);
        SetAccessible(answerRows[i], QAccessible::Button, QString());
        const QByteArray mark = "LZnak" + QByteArray::number(i + 1);
        // At the right end of the row's bar, clear of the answer text.
        answerMarks[i] = AddLabel(
            mark.constData(), {300, rows[i].y() + (rows[i].height() - 14) / 2, 14, 14}, kNeutral);
        answerMarks[i]->hide();
    }

    questionNumberLabel = AddLabel("LNrPytania", {112, 25, 240, 13}, kWhite);
    secondsLabel = AddLabel("TimeLab", {45, 40, 17, 25}, kWhite);
    QFont digit = secondsLabel->font();
    digit.setPixelSize(16);
    secondsLabel->setFont(digit);
    secondsLabel->setAlignment(Qt::AlignCenter);
    // Named, and read when reached: its ticks are not spoken.
    NameWithContext(secondsLabel, QStringLiteral("Pozostało sekund"));
    scoreLabel = AddLabel("LOcena", {104, 92, 255, 13}, kRight);

    mistakesButton = ChildFaceButton(questionPanel, "BBledy", {104, 117, 90, 20}, "Pokaż błędy");
    mistakesButton->hide();
    connect(mistakesButton, &QAbstractButton::clicked, this, &QuizWindow::MistakesClick);
    mistakeList = new ListDialog(this);
}

bool QuizWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < 3; ++i) {
            if (watched == answerRows[i] && mouse->button() == Qt::LeftButton &&
                answerRows[i]->rect().contains(mouse->position().toPoint())) {
                AnswerClick(i + 1);
                return true;
            }
        }
    }
    if (event->type() == QEvent::KeyPress) {
        for (int i = 0; i < 3; ++i)
            if (watched == answerRows[i] &&
                static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
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
    countdown->stop();
    ShowNextArrow(false);
}

void QuizWindow::MenuChosen() {
    countdown->stop();
}

bool QuizWindow::TakesKeysAt(const QWidget* focus) const {
    return focus == this || focus == nextArrow;
}

void QuizWindow::SetRowColour(int row, QColor colour) {
    QPalette pal = answerRows[row - 1]->palette();
    pal.setColor(QPalette::WindowText, colour);
    answerRows[row - 1]->setPalette(pal);
}

void QuizWindow::EnterQuiz(QuizMode mode) {
    questionPanel->show();
    countdown->stop();
    state = QuizState{};
    state.mode = mode;
    for (QLabel* label : {questionLabel, answerRows[0], answerRows[1], answerRows[2], scoreLabel,
                          questionNumberLabel, secondsLabel})
        label->clear();
    // Empty rows take no answer: hidden, they offer none to a screen reader.
    for (QLabel* row : answerRows) row->hide();
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
    questionLabel->setText("By rozpocząć, kliknij na strzałkę z napisem \"Następne\"");
}

void QuizWindow::ShowNextQuestion() {
    const PresentedQuestion shown = state.mode == QuizMode::Knowledge
                                        ? questions.NextKnowledgeQuestion()
                                        : questions.NextCapitalQuestion();
    current = shown;
    state.CorrectPosition = shown.CorrectPosition;
    questionLabel->setText(shown.question);
    ClearMarks();
    for (int row = 1; row <= 3; ++row) {
        SetRowColour(row, kNeutral);
        answerRows[row - 1]->setText(shown.rows[row - 1]);
        answerRows[row - 1]->show();
        answerRows[row - 1]->setAccessibleName(QString::number(row) + ". " + shown.rows[row - 1]);
    }
    ShowNextArrow(false);
    secondsLabel->setText(QString::number(kSeconds));
    state.SecondsLeft = kSeconds;
    countdown->start();
    state.AnswerOpen = true;
    ++state.QuestionNumber;
    if (state.QuestionNumber == 1) {
        review.StartSeries();
        seriesStartMs = ctx.platform.clock.nowMs();
    }
    questionNumberLabel->setText("Pytanie numer: " + QString::number(state.QuestionNumber));
    if (state.QuestionNumber == 1) scoreLabel->setText("Poprawnych: 0");
    AnnounceQuestion();
}

// The question and its three answers are read out together, as a sighted
// pupil sees them appear.
void QuizWindow::AnnounceQuestion() {
    QStringList parts{questionNumberLabel->text(), questionLabel->text()};
    for (QLabel* row : answerRows) parts.append(row->accessibleName());
    Announce(questionLabel, parts.join(". "));
}

void QuizWindow::AnswerClick(int row) {
    if (!state.AnswerOpen) return;
    state.ChosenPosition = row;
    TakeAnswer();
    ShowNextArrow(true);
}

void QuizWindow::CountdownTick() {
    if (!state.AnswerOpen) return;
    --state.SecondsLeft;
    secondsLabel->setText(QString::number(state.SecondsLeft));
    if (state.SecondsLeft != 0) return;
    SetRowColour(state.CorrectPosition, kRight);
    ShowNextArrow(true);
    state.ChosenPosition = QuizState::NoAnswer;
    TakeAnswer();
}

void QuizWindow::TakeAnswer() {
    // The answer is closed before any sound: timer ticks and clicks still
    // arrive while a sound plays, and each question is judged exactly once.
    countdown->stop();
    state.AnswerOpen = false;
    const bool right = state.ChosenPosition == state.CorrectPosition;
    if (state.ChosenPosition != QuizState::NoAnswer) SetRowColour(state.ChosenPosition, kChosen);
    if (right) {
        ++state.CorrectCount;
        scoreLabel->setText("Poprawnych: " + QString::number(state.CorrectCount));
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
    mistakesButton->setVisible(!review.Mistakes().empty());
    repaint();
    ctx.platform.waits.pause(kSeriesEndPauseMs);
    ShowNextArrow(true);
    state.QuestionNumber = 0;
    state.CorrectCount = 0;
}

void QuizWindow::ShowGrade() {
    const Grade grade = GradeFor(state.CorrectCount);
    scoreLabel->setText(grade.line);
    questionLabel->setText(grade.comment);
    scoreLabel->setAccessibleName(grade.line + ". " + grade.comment);
    Announce(scoreLabel);
}

// The right row gets a tick, a wrongly chosen row a cross.
void QuizWindow::MarkRows() {
    const int chosen = state.ChosenPosition;
    if (chosen != QuizState::NoAnswer && chosen != state.CorrectPosition) {
        answerMarks[chosen - 1]->setPixmap(Mark(false, devicePixelRatioF()));
        answerMarks[chosen - 1]->setAccessibleName(QStringLiteral("Błędna odpowiedź"));
        answerMarks[chosen - 1]->show();
    }
    answerMarks[state.CorrectPosition - 1]->setPixmap(Mark(true, devicePixelRatioF()));
    answerMarks[state.CorrectPosition - 1]->setAccessibleName(QStringLiteral("Poprawna odpowiedź"));
    answerMarks[state.CorrectPosition - 1]->show();
}

void QuizWindow::ClearMarks() {
    for (QLabel* mark : answerMarks) mark->hide();
    mistakesButton->hide();
    scoreLabel->setAccessibleName(QString());
}

// The verdict is read out from the count line, which carries it as its name.
void QuizWindow::AnnounceVerdict(bool right) {
    const QString answer = current.rows[state.CorrectPosition - 1];
    scoreLabel->setAccessibleName(right
                                      ? "Dobrze. Poprawnych: " + QString::number(state.CorrectCount)
                                      : "Źle. Poprawna odpowiedź: " + answer);
    Announce(scoreLabel);
}

void QuizWindow::MistakesClick() {
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
            if (!mistakesButton->isVisible()) return false;
            MistakesClick();
            return true;
        default:
            return false;
    }
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The quiz window shared by the knowledge quiz and the capitals quiz: one
// question at a time with three answer rows and a nine-second countdown, the
// verdict in colours and sound, and a school grade after ten questions.
#include <QTimer>
#include <array>

#include "core/ModuleWindow.h"
#include "quiz/QuestionBank.h"
#include "quiz/QuizQuestions.h"
#include "quiz/QuizReview.h"

class QLabel;
class ImageView;
class ListDialog;
class PictureButton;
class FaceButton;
struct AppContext;

enum class QuizMode { Knowledge, Capitals };

struct QuizState {
    static constexpr int NoAnswer = 4;  // ChosenPosition when time ran out
    QuizMode mode = QuizMode::Knowledge;
    int QuestionNumber = 0;   // questions shown in this series
    int CorrectCount = 0;     // right answers in this series
    int CorrectPosition = 1;  // row of the right answer
    int ChosenPosition = NoAnswer;
    int SecondsLeft = 0;
    bool AnswerOpen = false;  // the question still takes a click
};

class QuizWindow : public ModuleWindow {
    Q_OBJECT
public:
    QuizWindow(AppContext& ctx, QWidget* parent);

    void EnterQuiz(QuizMode mode);
    void ShowNextQuestion();
    // Keys 1, 2 and 3 answer the rows, Enter or Space stands for the Next
    // arrow while it shows and B opens the list of mistakes after a series.
    // True when the key is the quiz's.
    bool ModuleKey(int key) override;
    bool TakesKeysAt(const QWidget* focus) const override;
    // Every click on a menu entry stops the countdown.
    void MenuChosen() override;

    QTimer* countdown;         // one tick a second
    PictureButton* nextArrow;  // below the window, on the panel

    const QuizState& State() const { return state; }
    const QuizQuestions& Questions() const { return questions; }
    const QuizReview& Review() const { return review; }

    // Handlers, public so that tests can drive them like the events do.
    void Answer1Click() { AnswerClick(1); }
    void Answer2Click() { AnswerClick(2); }
    void Answer3Click() { AnswerClick(3); }
    void CountdownTick();
    void MistakesClick();

protected:
    void Opening(Module chosen) override;
    void Closing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QLabel* AddLabel(const char* name, QRect geometry, QColor colour);
    void AnswerClick(int row);
    void TakeAnswer();
    void ShowGrade();
    void ShowNextArrow(bool shown);
    void SetRowColour(int row, QColor colour);
    void MarkRows();
    void ClearMarks();
    void AnnounceVerdict(bool right);
    void AnnounceQuestion();

    AppContext& ctx;
    QuestionBank bank;
    QuizQuestions questions;
    QuizState state;
    PresentedQuestion current;
    QuizReview review;
    double seriesStartMs = 0;

    QWidget* questionPanel;
    ImageView* backgroundView;
    QLabel* questionLabel;
    std::array<QLabel*, 3> answerRows;  // rows 1..3, objects "LOdp1".."LOdp3"
    QLabel* questionNumberLabel;
    QLabel* secondsLabel;
    QLabel* scoreLabel;
    std::array<QLabel*, 3> answerMarks;  // the right / wrong mark left of each row
    FaceButton* mistakesButton;
    ListDialog* mistakeList;
};

#pragma once
// The quiz window shared by the knowledge quiz and the capitals quiz: one
// question at a time with three answer rows and a nine-second countdown, the
// verdict in colours and sound, and a school grade after ten questions.
#include <QTimer>
#include <QWidget>
#include <array>

#include "quiz/QuestionBank.h"
#include "quiz/QuizQuestions.h"

class QLabel;
class ImageView;
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

class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2(AppContext& ctx, QWidget* parent);

    // The main window's Next arrow, which this window shows and hides.
    void setNextArrow(QWidget* PNastepny) { nextArrow = PNastepny; }
    void EnterQuiz(QuizMode mode);
    void ShowNextQuestion();

    QTimer* ZegF3;  // the countdown, stopped by every click on a menu entry

    const QuizState& State() const { return state; }
    const QuizQuestions& Questions() const { return questions; }

    // Handlers, public so that tests can drive them like the events do.
    void LOdp1Click() { AnswerClick(1); }
    void LOdp2Click() { AnswerClick(2); }
    void LOdp3Click() { AnswerClick(3); }
    void ZegF3Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QLabel* AddLabel(const char* name, QRect geometry, QColor colour);
    void AnswerClick(int row);
    void TakeAnswer();
    void ShowGrade();
    void ShowNextArrow(bool shown);
    void SetRowColour(int row, QColor colour);

    AppContext& ctx;
    QWidget* nextArrow = nullptr;
    QuestionBank bank;
    QuizQuestions questions;
    QuizState state;

    QWidget* PPytanie;
    ImageView* ImPytanie;
    QLabel* LPytanie;
    std::array<QLabel*, 3> LOdp;  // LOdp1..LOdp3
    QLabel* LNrPytania;
    QLabel* TimeLab;
    QLabel* LOcena;
};

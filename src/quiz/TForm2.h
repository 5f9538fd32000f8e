#pragma once
// The quiz window shared by the knowledge quiz and the capitals quiz.
#include <QTimer>
#include <QWidget>

struct AppContext;

enum class QuizMode { Knowledge, Capitals };

class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2(AppContext& ctx, QWidget* parent);

    // The main window's Next arrow, which this window shows and hides.
    void setNextArrow(QWidget* PNastepny) { nextArrow = PNastepny; }
    void EnterQuiz(QuizMode mode);
    void ShowNextQuestion();

    QTimer* ZegF3;  // the countdown, stopped by every click on a menu entry

private:
    AppContext& ctx;
    QWidget* nextArrow = nullptr;
};

#include "quiz/TForm2.h"

#include "app/AppContext.h"

TForm2::TForm2(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx(ctx) {
    setObjectName("TForm2");
    setFixedSize(403, 307);
    ZegF3 = new QTimer(this);
    ZegF3->setInterval(1000);
    hide();
}

void TForm2::EnterQuiz(QuizMode) {}

void TForm2::ShowNextQuestion() {}

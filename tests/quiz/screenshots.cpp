// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes screenshots of the quiz after a series with mistakes, and of the
// list they open, into the folder named by TERRAVIKA_SHOTS (skipped when it
// is not set).
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "quiz/QuizWindow.h"
#include "support/ScreenshotTest.h"
#include "widgets/FaceButton.h"
#include "widgets/ListDialog.h"

TEST_F(ScreenshotTest, QuizSeriesEndWithMistakes) {
    auto* form = new QuizWindow(ctx, &panel);
    form->move(120, 110);
    form->Open(Module::KnowledgeQuiz);
    form->EnterQuiz(QuizMode::Knowledge);
    for (int q = 1; q <= 10; ++q) {
        form->ShowNextQuestion();
        const int right = form->State().CorrectPosition;
        form->ModuleKey(Qt::Key_0 + (q % 3 == 0 ? right % 3 + 1 : right));
    }
    Save(form, "quiz-series-end.png");
    QTimer::singleShot(100, [&] {
        auto* list = form->findChild<ListDialog*>();
        Save(list, "quiz-mistakes.png");
        list->close->click();
    });
    form->ModuleKey(Qt::Key_B);
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "platform/TarvoApplication.h"
#include "quiz/QuizReview.h"
#include "quiz/QuizWindow.h"
#include "support/FakePlatform.h"
#include "support/ModuleWindowFixture.h"
#include "widgets/FaceButton.h"
#include "widgets/ListDialog.h"
#include "widgets/PictureButton.h"

namespace {

const QColor kBlack(0, 0, 0), kBlue(0, 0, 255), kRed(255, 0, 0);

struct QuizFixture : ModuleWindowFixture<QuizWindow> {
    PictureButton* arrow = form->nextArrow;

    void SetUp() override {
        ShowPanel();
        form->show();
    }
    QString Text(const char* name) { return form->findChild<QLabel*>(name)->text(); }
    QLabel* Row(int row) { return form->findChild<QLabel*>("LOdp" + QString::number(row)); }
    QColor Colour(int row) { return Row(row)->palette().color(QPalette::WindowText); }
    int Right() { return form->State().CorrectPosition; }
    int Wrong() { return Right() % 3 + 1; }
    void Click(int row) { QTest::mouseClick(Row(row), Qt::LeftButton); }
    void TimeOut() {
        for (int tick = 0; tick < 9; ++tick) form->CountdownTick();
    }
    // Answers the next question, rightly or not.
    void Answer(bool right) {
        form->ShowNextQuestion();
        Click(right ? Right() : Wrong());
    }
};

TEST_F(QuizFixture, EnteringAQuizWaitsForTheNextArrow) {
    form->EnterQuiz(QuizMode::Knowledge);
    EXPECT_EQ(Text("LPytanie"), "By rozpocząć, kliknij na strzałkę z napisem \"Następne\"");
    EXPECT_TRUE(arrow->isVisible());
    EXPECT_FALSE(form->countdown->isActive());
    EXPECT_EQ(Text("LOdp1") + Text("LOdp2") + Text("LOdp3") + Text("LOcena"), "");
    EXPECT_EQ(fp.random.seeds, 1);
    Click(1);  // before the first question: ignored
    EXPECT_TRUE(fp.sounds.played.isEmpty());
    EXPECT_EQ(form->State().QuestionNumber, 0);
}

TEST_F(QuizFixture, AQuestionStartsTheCountdownAndHidesTheArrow) {
    form->EnterQuiz(QuizMode::Knowledge);
    form->ShowNextQuestion();
    EXPECT_FALSE(arrow->isVisible());
    EXPECT_TRUE(form->countdown->isActive());
    EXPECT_EQ(form->countdown->interval(), 1000);
    EXPECT_EQ(Text("TimeLab"), "9");
    const QFont digit = form->findChild<QLabel*>("TimeLab")->font();
    EXPECT_EQ(digit.pixelSize(), 16);
    EXPECT_FALSE(digit.bold());
    EXPECT_EQ(Text("LNrPytania"), "Pytanie numer: 1");
    EXPECT_EQ(Text("LOcena"), "Poprawnych: 0");
    EXPECT_FALSE(Text("LPytanie").isEmpty());
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(Colour(row), kBlack);
}

TEST_F(QuizFixture, ARightClickTurnsOnlyThatRowBlueAndCounts) {
    form->EnterQuiz(QuizMode::Knowledge);
    form->ShowNextQuestion();
    const int right = Right();
    Click(right);
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(Colour(row), row == right ? kBlue : kBlack);
    EXPECT_EQ(Text("LOcena"), "Poprawnych: 1");
    EXPECT_EQ(fp.sounds.played, QStringList{"Plum!"});
    EXPECT_FALSE(form->countdown->isActive());
    EXPECT_TRUE(arrow->isVisible());
    Click(Wrong());  // the answer was taken: ignored
    EXPECT_EQ(Colour(Wrong()), kBlack);
    EXPECT_EQ(form->State().CorrectCount, 1);
    EXPECT_EQ(fp.sounds.played.size(), 1);
}

TEST_F(QuizFixture, AWrongClickShowsTheChosenRowBlueAndTheRightRowRed) {
    form->EnterQuiz(QuizMode::Knowledge);
    form->ShowNextQuestion();
    const int right = Right(), wrong = Wrong();
    Click(wrong);
    EXPECT_EQ(Colour(wrong), kBlue);
    EXPECT_EQ(Colour(right), kRed);
    EXPECT_EQ(Text("LOcena"), "Poprawnych: 0");
    EXPECT_EQ(fp.sounds.played, QStringList{"Plim!"});
}

TEST_F(QuizFixture, ATimeOutColoursOnlyTheRightRowRed) {
    form->EnterQuiz(QuizMode::Knowledge);
    form->ShowNextQuestion();
    for (int tick = 0; tick < 8; ++tick) form->CountdownTick();
    EXPECT_EQ(Text("TimeLab"), "1");
    EXPECT_TRUE(form->State().AnswerOpen);
    form->CountdownTick();
    EXPECT_EQ(Text("TimeLab"), "0");
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(Colour(row), row == Right() ? kRed : kBlack);
    EXPECT_EQ(form->State().ChosenPosition, QuizState::NoAnswer);
    EXPECT_EQ(fp.sounds.played, QStringList{"Plim!"});
    EXPECT_FALSE(form->countdown->isActive());
    EXPECT_TRUE(arrow->isVisible());
    form->CountdownTick();  // a late tick changes nothing
    EXPECT_EQ(Text("TimeLab"), "0");
}

TEST_F(QuizFixture, AStoppedCountdownLeavesTheQuestionOpen) {
    form->EnterQuiz(QuizMode::Knowledge);
    form->ShowNextQuestion();
    form->countdown->stop();  // what a click on the running quiz's menu entry does
    Click(Right());
    EXPECT_EQ(form->State().CorrectCount, 1);
}

// A sound that takes long enough for the countdown to run out meanwhile.
class SlowSounds : public FakeSounds {
public:
    void playAndWait(const QString& name) override {
        FakeSounds::playAndWait(name);
        if (form)
            for (int tick = 0; tick < 9; ++tick) form->CountdownTick();
    }
    QuizWindow* form = nullptr;
};

TEST(QuizWindow, TicksDuringTheAnswerSoundDoNotJudgeTheQuestionAgain) {
    FakePlatform fp;
    SlowSounds sounds;
    Platform platform{sounds, fp.waits, fp.clock, fp.random, fp.pointer, fp.shell, fp.messages};
    Config config;
    DataAccess data{config, platform};
    AppContext ctx{platform, config, data};
    QuizWindow form(ctx, nullptr);
    sounds.form = &form;
    form.EnterQuiz(QuizMode::Knowledge);
    form.ShowNextQuestion();
    form.Answer1Click();
    form.Answer2Click();
    form.Answer3Click();
    EXPECT_EQ(sounds.played.size(), 1);
    EXPECT_EQ(form.State().ChosenPosition, 1);
}

TEST_F(QuizFixture, EverySeriesEndsWithTheGradeForItsCount) {
    const QStringList lines = {
        "Brak poprawnych odpowiedzi - niedostateczny",
        "Jedna odpowiedź poprawna - niedostateczny",
        "2 odpowiedzi poprawne - niedostateczny",
        "3 odpowiedzi poprawne - niedostateczny",
        "4 odpowiedzi poprawne - niedostateczny",
        "5 odpowiedzi poprawnych - niedostateczny",
        "6 odpowiedzi poprawnych - dopuszczający",
        "7 odpowiedzi poprawnych - dostateczny",
        "8 odpowiedzi poprawnych - dobry",
        "9 odpowiedzi poprawnych - bardzo dobry",
        "Wszystkie odpowiedzi poprawne - celujący",
    };
    const QString keepWorking = "Jest fatalnie. Nie wpadaj w rozpacz, tylko pracuj.";
    const QStringList comments = {
        "To jest nieprawdopodobne.",
        "Jest fatalnie. Brak słów.",
        keepWorking,
        keepWorking,
        keepWorking,
        keepWorking,
        "Jest źle, ale nie beznadziejnie. Po prostu ćwicz!",
        "Sam widzisz - nie jest za dobrze.",
        "Jest tak sobie. Musisz jeszcze trochę popracować.",
        "Jest dobrze, ale stać Cię na więcej.",
        "Jesteś fantastyczny, ale nie wpadaj w samouwielbienie.",
    };
    form->EnterQuiz(QuizMode::Capitals);
    for (int right = 0; right <= 10; ++right) {
        fp.waits.pauses.clear();
        for (int q = 1; q <= 10; ++q) {
            if (q == 10 && right == 0) {
                form->ShowNextQuestion();
                TimeOut();
            } else {
                Answer(q <= right);
            }
            if (q < 10) {
                EXPECT_EQ(Text("LNrPytania"), "Pytanie numer: " + QString::number(q));
            }
        }
        EXPECT_EQ(Text("LOcena"), lines[right]);
        EXPECT_EQ(Text("LPytanie"), comments[right]);
        EXPECT_EQ(fp.waits.pauses, std::vector<int>{3000});
        EXPECT_EQ(fp.sounds.played.last(), "Plum");
        EXPECT_TRUE(arrow->isVisible());
        EXPECT_EQ(form->State().QuestionNumber, 0);
    }
    form->ShowNextQuestion();
    EXPECT_EQ(Text("LNrPytania"), "Pytanie numer: 1");
    EXPECT_EQ(Text("LOcena"), "Poprawnych: 0");
}

TEST_F(QuizFixture, TheArrowIsHiddenDuringTheSeriesEndPause) {
    struct WatchingWaits : FakeWaits {
        void pause(int ms) override {
            FakeWaits::pause(ms);
            arrowShown = arrow->isVisible();
        }
        QWidget* arrow = nullptr;
        bool arrowShown = true;
    };
    WatchingWaits waits;
    Platform platform{fp.sounds, waits, fp.clock, fp.random, fp.pointer, fp.shell, fp.messages};
    AppContext watched{platform, config, data};
    QuizWindow quiz(watched, &panel);
    waits.arrow = quiz.nextArrow;
    quiz.EnterQuiz(QuizMode::Knowledge);
    for (int q = 0; q < 10; ++q) {
        quiz.ShowNextQuestion();
        quiz.Answer1Click();
    }
    EXPECT_EQ(waits.pauses, std::vector<int>{3000});
    EXPECT_FALSE(waits.arrowShown);
    EXPECT_TRUE(quiz.nextArrow->isVisible());
}

TEST_F(QuizFixture, SwitchingQuizzesMidQuestionStartsAfresh) {
    form->EnterQuiz(QuizMode::Knowledge);
    Answer(true);
    form->ShowNextQuestion();
    form->EnterQuiz(QuizMode::Capitals);
    EXPECT_FALSE(form->countdown->isActive());
    EXPECT_FALSE(form->State().AnswerOpen);
    EXPECT_EQ(Text("LOdp1") + Text("LOdp2") + Text("LOdp3") + Text("TimeLab"), "");
    EXPECT_EQ(Text("LPytanie"), "By rozpocząć, kliknij na strzałkę z napisem \"Następne\"");
    Click(1);
    EXPECT_EQ(fp.sounds.played.size(), 1);
    form->ShowNextQuestion();
    EXPECT_EQ(Text("LNrPytania"), "Pytanie numer: 1");
    EXPECT_EQ(Text("LOcena"), "Poprawnych: 0");
    const auto& table = form->Questions().CapitalTable;
    EXPECT_EQ(Text("LPytanie"), table[2].country);
    EXPECT_EQ(Row(Right())->text(), table[2].capital);
}

}  // namespace

namespace {

// Saves the window in its states as PNG files into the folder named by
// TERRAVIKA_SCREENSHOTS, for looking at; skipped without it.
TEST_F(QuizFixture, Screenshots) {
    const QString folder = qEnvironmentVariable("TERRAVIKA_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "TERRAVIKA_SCREENSHOTS not set";
    const QFont testFont = QApplication::font();
    TarvoApplication::UseBundledFont();  // the program's own look
    form->Close();
    form = new QuizWindow(ctx, &panel);
    SetUp();
    auto save = [&](const char* name) {
        EXPECT_TRUE(form->grab().save(folder + "/quiz-" + name + ".png"));
    };
    form->EnterQuiz(QuizMode::Knowledge);
    save("waiting");
    form->ShowNextQuestion();
    for (int tick = 0; tick < 3; ++tick) form->CountdownTick();
    save("asking");
    Click(Right());
    save("right");
    form->ShowNextQuestion();
    Click(Wrong());
    save("wrong");
    for (int q = 3; q <= 10; ++q) Answer(q % 3 != 0);
    save("grade");
    form->EnterQuiz(QuizMode::Capitals);
    form->ShowNextQuestion();
    save("capitals");
    QApplication::setFont(testFont);
}

}  // namespace

TEST(QuizReview, KeepsOnlyWrongAnswersWithTheRightOnes) {
    QuizReview review;
    const PresentedQuestion q{"Stolica Francji?", {"Lyon", "Paryż", "Nicea"}, 2};
    review.Record(q, 2);
    review.Record(q, 3);
    review.Record(q, QuizState::NoAnswer);
    ASSERT_EQ(review.Mistakes().size(), 2u);
    EXPECT_EQ(review.Paragraphs(),
              QStringList({"Stolica Francji?\nTwoja odpowiedź: Nicea\nPoprawna odpowiedź: Paryż",
                           "Stolica Francji?\nBrak odpowiedzi - minął czas\nPoprawna odpowiedź: "
                           "Paryż"}));
    review.StartSeries();
    EXPECT_TRUE(review.Mistakes().empty());
}

// The verdict is what a screen reader reads from the count line when it is
// announced.
TEST_F(QuizFixture, VerdictsCarryMarksAndAreReadOut) {
    form->EnterQuiz(QuizMode::Knowledge);
    form->ShowNextQuestion();
    const int right = Right(), wrong = Wrong();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Row(right))->text(QAccessible::Name),
              QString::number(right) + ". " + Row(right)->text());
    Click(wrong);
    auto mark = [&](int row) { return form->findChild<QLabel*>("LZnak" + QString::number(row)); };
    EXPECT_TRUE(mark(right)->isVisible());
    EXPECT_TRUE(mark(wrong)->isVisible());
    EXPECT_NE(mark(right)->pixmap().toImage(), mark(wrong)->pixmap().toImage());
    QLabel* count = form->findChild<QLabel*>("LOcena");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(count)->text(QAccessible::Name),
              "Źle. Poprawna odpowiedź: " + Row(right)->text());
    form->ShowNextQuestion();
    for (int row = 1; row <= 3; ++row) EXPECT_FALSE(mark(row)->isVisible());
    Click(Right());
    EXPECT_EQ(count->accessibleName(), "Dobrze. Poprawnych: 1");
}

TEST_F(QuizFixture, MistakesOfTheSeriesAreListedAfterTheGrade) {
    form->EnterQuiz(QuizMode::Knowledge);
    auto* button = form->findChild<FaceButton*>("BBledy");
    QStringList wrongQuestions;
    for (int q = 1; q <= 10; ++q) {
        const bool right = q % 4 != 0;
        form->ShowNextQuestion();
        if (!right) wrongQuestions.append(Text("LPytanie"));
        EXPECT_FALSE(button->isVisible());
        Click(right ? Right() : Wrong());
    }
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(button->text(), "Pokaż błędy");
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    form->ModuleKey(Qt::Key_B);
    auto* dialog = form->findChild<ListDialog*>();
    QStringList listed;
    for (int i = 0; i < dialog->list->count(); ++i)
        listed.append(dialog->list->item(i)->text().section('\n', 0, 0));
    EXPECT_EQ(listed, wrongQuestions);
    form->ShowNextQuestion();  // a new series forgets them
    EXPECT_FALSE(button->isVisible());
    EXPECT_TRUE(form->Review().Mistakes().empty());
}

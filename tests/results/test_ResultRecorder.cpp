// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/DataAccess.h"
#include "quiz/QuizWindow.h"
#include "results/ClassFolder.h"
#include "results/ComparisonNote.h"
#include "results/MyResultsWindow.h"
#include "results/ResultRecorder.h"
#include "support/FakePlatform.h"
#include "support/ModuleWindowFixture.h"

namespace {

const QDateTime kMonday(QDate(2026, 3, 9), QTime(10, 0));

struct RecorderTest : ::testing::Test {
    QTemporaryDir dir;
    QString classFolder = dir.filePath("klasa");
    ResultRecorder recorder{dir.filePath("Wyniki.sqlite"), "ola", classFolder,
                            [] { return kMonday; }};
    QSignalSpy recorded{&recorder, &ResultRecorder::Recorded};

    QString RecordQuiz(int right) {
        recorder.Record(ExerciseResult::Quiz(false, right, 30, {"Mołdawia"}));
        EXPECT_TRUE(recorded.wait(5000));
        return recorded.takeLast().at(1).toString();
    }
};

TEST_F(RecorderTest, ComparesWithThePreviousBestOffTheWindowThread) {
    EXPECT_EQ(RecordQuiz(7), "");
    EXPECT_EQ(RecordQuiz(8), "Poprzednio: dostateczny, dziś: dobry");
    EXPECT_EQ(RecordQuiz(5), "Poprzednio: dobry, dziś: niedostateczny");
}

TEST_F(RecorderTest, QueuesResultsUntilTheClassFolderCanBeReached) {
    RecordQuiz(7);
    RecordQuiz(8);
    ASSERT_TRUE(QDir().mkdir(classFolder));
    RecordQuiz(9);
    QSignalSpy history(&recorder, &ResultRecorder::HistoryReady);
    recorder.RequestHistory();  // queued after the sending
    ASSERT_TRUE(history.wait(5000));
    const std::vector<StoredResult> sent =
        ReadClassFile(QDir(classFolder).filePath(ClassFolder::FileName("ola")));
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[2].result.score, 9);
    EXPECT_EQ(sent[0].result.finishedAt, kMonday);
}

TEST(RecorderFailure, ADamagedDatabaseGivesAPolishNote) {
    QTemporaryDir dir;
    QFile file(dir.filePath("Wyniki.sqlite"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    ResultRecorder recorder(file.fileName(), "ola", QString());
    QSignalSpy failed(&recorder, &ResultRecorder::Failed);
    recorder.Record(ExerciseResult::Coordinates(4, 4));
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_TRUE(failed.at(0).at(0).toString().contains("pliku wyników"));
}

// Seven right answers and three wrong ones in the capitals quiz.
using QuizRecording = ModuleWindowFixture<QuizWindow>;

TEST_F(QuizRecording, ASeriesEndsWithItsResult) {
    std::vector<ExerciseResult> finished;
    QObject::connect(form, &QuizWindow::ExerciseFinished,
                     [&](const ExerciseResult& result) { finished.push_back(result); });
    panel.show();
    form->EnterQuiz(QuizMode::Capitals);
    for (int i = 0; i < 10; ++i) {
        form->ShowNextQuestion();
        const int right = form->State().CorrectPosition;
        const int row = i < 7 ? right : right % 3 + 1;
        row == 1 ? form->Answer1Click() : row == 2 ? form->Answer2Click() : form->Answer3Click();
        EXPECT_EQ(finished.size(), i < 9 ? 0u : 1u);
    }
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished[0].exercise, Exercise::CapitalsQuiz);
    EXPECT_EQ(finished[0].score, 7);
    EXPECT_EQ(finished[0].mistakes.size(), 3);
    EXPECT_EQ(finished[0].mistakes, form->Review().Questions());
}

TEST(MyResults, ShowsEachExerciseWithItsMistakes) {
    QTemporaryDir dir;
    ResultRecorder recorder(dir.filePath("Wyniki.sqlite"), "ola", QString());
    MyResultsWindow window(recorder, nullptr);
    std::vector<StoredResult> history;
    for (int i = 0; i < 3; ++i)
        history.push_back({i + 1, "ola", ExerciseResult::MapTest("Europa", 46, {"Mołdawia"})});
    window.show();
    window.ShowHistory(history);
    QStringList texts;
    for (QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("Państwa świata na mapie"));
    EXPECT_TRUE(texts.contains("Najczęstsze błędy: Mołdawia (3 razy)"));
    window.ShowHistory({});
    texts.clear();
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisible()) texts << label->text();
    EXPECT_TRUE(texts.join('\n').contains("Nie ma jeszcze żadnych wyników"))
        << texts.join('|').toStdString();
}

TEST(ComparisonNoteLine, ShowsUntilTheNextKeyOrHide) {
    QWidget window;
    window.resize(400, 300);
    auto* note = new ComparisonNote(&window, {10, 280, 300, 15});
    window.show();
    note->Show("Poprzednio: dostateczny, dziś: dobry");
    EXPECT_TRUE(note->isVisible());
    QTest::keyClick(&window, Qt::Key_1);
    EXPECT_FALSE(note->isVisible());
    note->Show("Poprzednio: dobry, dziś: dobry");
    window.hide();
    window.show();
    EXPECT_FALSE(note->isVisible());
}

}  // namespace

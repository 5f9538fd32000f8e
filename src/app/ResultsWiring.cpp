// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ResultsWiring.h"

#include <QPushButton>

#include "app/MainWindow.h"
#include "core/Config.h"
#include "platform/Platform.h"
#include "results/ClassFolderSetting.h"
#include "results/ComparisonNote.h"
#include "results/MyResultsWindow.h"

ResultsWiring::ResultsWiring(MainWindow& main, AppContext& ctx)
    : QObject(&main),
      ctx(ctx),
      recorder(ctx.config.BaseFolder + QStringLiteral("/Wyniki.sqlite"), CurrentLogin(),
               SystemClassFolder()),
      myResults(new MyResultsWindow(recorder, &main)) {
    for (Module module : {Module::KnowledgeQuiz, Module::Puzzle, Module::Country,
                          Module::Coordinates, Module::Maps})
        connect(main.WindowOf(module), &ModuleWindow::ExerciseFinished, &recorder,
                &ResultRecorder::Record);
    // Room left free: under the quiz's answer rows, under the puzzle board,
    // between the map's message bar and the map.
    auto* quizNote = new ComparisonNote(main.WindowOf(Module::KnowledgeQuiz), {40, 287, 280, 15});
    notes[Exercise::KnowledgeQuiz] = notes[Exercise::CapitalsQuiz] = quizNote;
    notes[Exercise::Puzzle] = new ComparisonNote(main.WindowOf(Module::Puzzle), {12, 384, 400, 15});
    notes[Exercise::MapTest] = new ComparisonNote(main.WindowOf(Module::Maps), {12, 43, 350, 15});
    AddEntryPoint(main.panel);
    connect(&recorder, &ResultRecorder::Recorded, this, &ResultsWiring::ShowComparison);
    connect(&recorder, &ResultRecorder::Failed, this, &ResultsWiring::ShowFailure);
}

// A quiet link in the title strip, left of the window buttons, clear of the menu.
void ResultsWiring::AddEntryPoint(QWidget* panel) {
    auto* link = new QPushButton(QStringLiteral("Moje wyniki"), panel);
    link->setObjectName("BMojeWyniki");
    link->setGeometry(610, 14, 100, 18);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setFocusPolicy(Qt::TabFocus);  // a click leaves no focus ring
    link->setToolTip(QStringLiteral("Moje wyniki (Ctrl+W)"));
    link->setStyleSheet(
        "QPushButton { color: rgb(200, 215, 235); border: none; background: transparent; }"
        "QPushButton:hover { color: white; text-decoration: underline; }"
        "QPushButton:focus { border: 1px dotted white; }");
    connect(link, &QAbstractButton::clicked, this, &ResultsWiring::OpenMyResults);
    link->show();  // the panel is already on screen
}

void ResultsWiring::OpenMyResults() {
    myResults->Open();
}

void ResultsWiring::ShowComparison(const ExerciseResult& result, const QString& comparison) {
    const auto note = notes.find(result.exercise);
    if (note != notes.end() && note->second->parentWidget()->isVisible())
        note->second->Show(comparison);
}

void ResultsWiring::ShowFailure(const QString& note) {
    if (myResults->isVisible()) myResults->ShowNote(note);
    if (failuresShown.contains(note)) return;
    failuresShown.insert(note);
    ctx.platform.messages.show(note, QStringLiteral("Wyniki"));
}

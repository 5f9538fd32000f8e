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
      main(main),
      entryPoint(AddEntryPoint(main.panel)) {
    connect(&recorder, &ResultRecorder::Recorded, this, &ResultsWiring::ShowComparison);
    connect(&recorder, &ResultRecorder::Failed, this, &ResultsWiring::ShowFailure);
}

void ResultsWiring::ModuleMade(Module module, ModuleWindow& window) {
    if (module == Module::Explorers || module == Module::About) return;  // nothing to record
    connect(&window, &ModuleWindow::ExerciseFinished, &recorder, &ResultRecorder::Record);
    // Room left free: under the quiz's answer rows, under the puzzle board,
    // between the map's message bar and the map.
    switch (module) {
        case Module::KnowledgeQuiz:
        case Module::CapitalsQuiz:
            notes[Exercise::KnowledgeQuiz] = notes[Exercise::CapitalsQuiz] =
                new ComparisonNote(&window, {40, 287, 280, 15});
            break;
        case Module::Puzzle:
            notes[Exercise::Puzzle] = new ComparisonNote(&window, {12, 384, 400, 15});
            break;
        case Module::Maps:
            notes[Exercise::MapTest] = new ComparisonNote(&window, {12, 43, 350, 15});
            break;
        default:
            break;
    }
}

// A quiet link in the title strip, left of the window buttons, clear of the menu.
QWidget* ResultsWiring::AddEntryPoint(QWidget* panel) {
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
    return link;
}

void ResultsWiring::OpenMyResults() {
    if (!myResults) myResults = new MyResultsWindow(recorder, &main);
    myResults->Open();
}

void ResultsWiring::ShowComparison(const ExerciseResult& result, const QString& comparison) {
    const auto note = notes.find(result.exercise);
    if (note != notes.end() && note->second->parentWidget()->isVisible())
        note->second->Show(comparison);
}

void ResultsWiring::ShowFailure(const QString& note) {
    if (myResults && myResults->isVisible()) myResults->ShowNote(note);
    if (failuresShown.contains(note)) return;
    failuresShown.insert(note);
    ctx.platform.messages.error(note, QStringLiteral("Wyniki"));
}

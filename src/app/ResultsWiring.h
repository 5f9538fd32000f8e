// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Connects the modules' finished exercises to the pupil's record in the base
// folder, shows the comparison with the previous best under a finished
// exercise where the window has room for it, and opens "Moje wyniki".
#include <QObject>
#include <QSet>
#include <map>

#include "core/ExerciseResult.h"
#include "core/ModuleWindow.h"
#include "results/ResultRecorder.h"

class MainWindow;
class ComparisonNote;
class MyResultsWindow;
struct AppContext;

class ResultsWiring : public QObject {
public:
    // After the settings are read: the database lies in the base folder.
    ResultsWiring(MainWindow& main, AppContext& ctx);
    // A module window was made, at its first open: its results are recorded
    // and compared from now on.
    void ModuleMade(Module module, ModuleWindow& window);
    void OpenMyResults();
    QWidget* EntryPoint() const { return entryPoint; }
    ResultRecorder& Recorder() { return recorder; }

private:
    QWidget* AddEntryPoint(QWidget* panel);
    void ShowComparison(const ExerciseResult& result, const QString& comparison);
    void ShowFailure(const QString& note);

    AppContext& ctx;
    ResultRecorder recorder;
    QWidget& main;
    MyResultsWindow* myResults = nullptr;  // made when first opened
    QWidget* entryPoint;
    std::map<Exercise, ComparisonNote*> notes;
    QSet<QString> failuresShown;  // each note once a run
};

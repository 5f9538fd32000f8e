// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "Moje wyniki": the pupil's results by exercise, with the last and the best,
// the ratings over time and the mistakes that come back. The results are
// asked of the recorder when the window opens and shown when they arrive.
#include <QDialog>
#include <vector>

#include "results/ResultStore.h"

class QLabel;
class QScrollArea;
class ResultRecorder;

class MyResultsWindow : public QDialog {
    Q_OBJECT
public:
    MyResultsWindow(ResultRecorder& recorder, QWidget* parent);
    // Opens the window and asks for the results; returns at once.
    void Open();
    void ShowHistory(const std::vector<StoredResult>& history);
    void ShowNote(const QString& note);

private:
    QWidget* ExerciseBlock(const struct ExerciseSummary& summary);

    ResultRecorder& recorder;
    QLabel* status;
    QScrollArea* list;
};

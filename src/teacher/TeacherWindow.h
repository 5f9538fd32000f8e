// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The teachers' window: opens a class folder or a pupil's results file and
// shows the class table, a pupil's detail and the class's common mistakes,
// and saves the table as CSV.
#include <QWidget>

#include "results/ClassResults.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;

class TeacherWindow : public QWidget {
    Q_OBJECT
public:
    explicit TeacherWindow(QWidget* parent = nullptr);
    void Open(const QString& path);
    // Writes the class table; false, with the reason in the notes, on failure.
    bool ExportCsv(const QString& path);

private:
    void ChooseFolder();
    void ChooseFile();
    void ChooseExport();
    void ShowTable();
    void ShowPupil(int index);
    void ShowMistakes();
    void ShowNotes(const QStringList& notes);

    ClassResults loaded;
    QString openedPath;
    QLabel* title = nullptr;
    QTableWidget* table = nullptr;
    QComboBox* pupilChooser = nullptr;
    QPlainTextEdit* detail = nullptr;
    QTreeWidget* mistakes = nullptr;
    QLabel* notes = nullptr;
    QPushButton* exportButton = nullptr;
};

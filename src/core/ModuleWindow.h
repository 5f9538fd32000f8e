// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every module window offers the main window, and all the main window
// knows of a module: opening it for a menu choice, closing it, the keys it
// takes while the focus rests outside its controls, and its place on the
// panel. Minimising and restoring the main window hides and re-shows the
// module spontaneously; only Open and Close change its state, so a module
// keeps it across minimise and restore.
#include <QColor>
#include <QRect>
#include <QWidget>

#include "core/ExerciseResult.h"
#include "core/ModuleGeometry.h"

// The menu's entries, in menu order; Help opens no module window.
enum class Module {
    None,
    KnowledgeQuiz,
    CapitalsQuiz,
    Puzzle,
    Country,
    Coordinates,
    Explorers,
    Maps,
    About,
    Help
};

class ModuleWindow : public QWidget {
    Q_OBJECT
public:
    // A hidden window of a fixed size on the panel, at its place from
    // core/ModuleGeometry.h, named for tests and the accessibility tree.
    ModuleWindow(QWidget* panel, const char* name, QRect place);

    // Starts the module afresh for the menu's choice and shows it on top.
    void Open(Module chosen);
    // Hides the module and stops what runs in it.
    void Close();

    // A key pressed while the focus rests on the main window, on the module's
    // menu entry or on a place TakesKeysAt accepts; true when the module acted.
    virtual bool ModuleKey(int key);
    virtual bool TakesKeysAt(const QWidget* focus) const;
    // Any menu entry was clicked while this module is open.
    virtual void MenuChosen();

signals:
    // An exercise came to its end; the result is for the pupil's record.
    void ExerciseFinished(const ExerciseResult& result);

protected:
    virtual void Opening(Module chosen) = 0;
    virtual void Closing();
    // A plain background of one colour, for a window without a picture.
    void FillBackground(const QColor& colour);
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// One key typed in the set editor's name or description field with 100,000
// pictures in the list: the check of the set and the list's update together.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "editor/PhotoSetEditor.h"
#include "support/FakePlatform.h"

static void TypeInLongList(benchmark::State& state, QLineEdit* PhotoSetEditor::*field) {
    FakePlatform fp;
    PhotoSetEditor window(fp.services.messages);
    for (int i = 0; i < 100000; ++i) window.draft.AddPicture({}, QStringLiteral("NAZWA"));
    window.Refresh();
    window.show();
    window.Select(5);
    QApplication::processEvents();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("X"));
        QApplication::sendEvent(window.*field, &press);
        QApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(TypeInLongList, Name, &PhotoSetEditor::nameField)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(TypeInLongList, Description, &PhotoSetEditor::descriptionField)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

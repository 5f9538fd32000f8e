// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare Qt Widgets window of the same size as the program's main window,
// quitting as soon as it is shown: the yardstick for the start-up time. With
// --stay it stays open, for bench/breakdown.py to read its memory.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1024, 768);
    window.show();
    while (!window.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    return app.arguments().contains("--stay") ? app.exec() : 0;
}

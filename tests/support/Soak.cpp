// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Soak.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/MenuHotspot.h"

namespace {

void SendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Closes whatever modal dialog is open once the event loop runs again.
void CloseModalSoon() {
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
}

}  // namespace

SoakProgram::SoakProgram(const QString& base) {
    for (const char* folder : {"Data", "Maps"}) {
        const QDir from(QStringLiteral(TERRAVIKA_SOURCE_DIR "/content/") + folder);
        QDir().mkpath(base + "/" + folder);
        for (const QString& name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), base + "/" + folder + "/" + name);
    }
    QDir::setCurrent(base);
    form.show();
    form.PositionWindows(QRect(0, 0, 1024, 768));
}

long SoakDriver::ResidentKiB() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

void SoakDriver::Run(int events) {
    for (int i = 0; i < events; ++i) {
        Step();
        if (i % 16 == 0) QApplication::processEvents();
    }
    QApplication::processEvents();
}

void SoakDriver::Step() {
    const QPoint point(Uniform(0, 799), Uniform(0, 579));
    switch (Uniform(0, 19)) {
        case 0:
            form.LaunchEntry(Uniform(1, 9));
            break;
        case 1:
            Dialog();
            break;
        case 2:
        case 3:
        case 4:
            Key();
            break;
        case 5:
        case 6:
        case 7:
        case 8:
            Move(point);
            break;
        default:
            Click(point);
            break;
    }
}

void SoakDriver::Click(QPoint panelPoint) {
    QWidget* target = form.panel->childAt(panelPoint);
    if (!target) target = form.panel;
    // The close and minimise labels end or hide the program: the close label
    // ends the application's event loops for good, and the rest of the test
    // process with them.
    if (target == form.closeButton || target == form.minimizeButton) return;
    const QPoint local = target->mapFrom(form.panel, panelPoint);
    CloseModalSoon();
    SendMouse(target, QEvent::MouseButtonPress, local, Qt::LeftButton);
    CloseModalSoon();
    SendMouse(target, QEvent::MouseButtonRelease, local, Qt::NoButton);
}

void SoakDriver::Move(QPoint panelPoint) {
    QWidget* target = form.panel->childAt(panelPoint);
    if (!target) target = form.panel;
    SendMouse(target, QEvent::MouseMove, target->mapFrom(form.panel, panelPoint), Qt::NoButton);
}

void SoakDriver::Key() {
    static const Qt::Key keys[] = {Qt::Key_A,     Qt::Key_E,      Qt::Key_L,   Qt::Key_P,
                                   Qt::Key_0,     Qt::Key_1,      Qt::Key_5,   Qt::Key_9,
                                   Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backspace};
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
    // Space or Enter on the focused close button would end it just as a click.
    if (target == form.closeButton) target = &form;
    CloseModalSoon();
    if (Uniform(0, 5) == 0) {
        QTest::sendKeyEvent(QTest::KeyAction::Click, target, Qt::Key_unknown, QStringLiteral("ł"),
                            Qt::NoModifier);
        return;
    }
    QTest::keyClick(target, keys[Uniform(0, std::size(keys) - 1)]);
}

void SoakDriver::Dialog() {
    form.setFocus();
    CloseModalSoon();
    QTest::keyRelease(&form, Uniform(0, 1) ? Qt::Key_U : Qt::Key_L, Qt::ControlModifier);
}

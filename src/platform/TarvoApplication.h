// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The application object. No exception may cross Qt's event loop: notify()
// catches them and shows their message the way a default error handler would.
#include <QApplication>

class TarvoApplication : public QApplication {
public:
    // The program names itself "Terravika" and draws in the bundled font; the
    // set editor keeps the desktop's font.
    enum class Role { Program, SetEditor };
    TarvoApplication(int& argc, char** argv, Role role = Role::Program);
    bool notify(QObject* receiver, QEvent* event) override;

    static void ShowError(const QString& message);
    // On a Wayland session a client cannot move the mouse pointer, which the
    // maps' Find mode needs: use the X11 platform through XWayland when it is
    // there. Call before the application object is made.
    static void ChooseWindowSystem();
    // The platform plugin to ask for, or empty for Qt's own choice, given the
    // session's environment.
    static QByteArray PlatformFor(const QByteArray& sessionType, const QByteArray& waylandDisplay,
                                  const QByteArray& x11Display, const QByteArray& requested);
    // The program's icon on every window, in all its sizes.
    static void UseWindowIcon();
    // Qt's own texts (file dialogs, standard buttons) in Polish, from Qt's
    // translations when they are installed.
    static void UsePolishQtTexts();
    // Registers the bundled fonts and makes the interface font the default.
    static void UseBundledFont();
};

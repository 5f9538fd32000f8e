#pragma once
// The application object. No exception may cross Qt's event loop: notify()
// catches them and shows their message the way a default error handler would.
#include <QApplication>

class TarvoApplication : public QApplication {
public:
    TarvoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    static void ShowError(const QString& message);
    // Registers the bundled fonts and makes the interface font the default.
    static void UseBundledFont();
};

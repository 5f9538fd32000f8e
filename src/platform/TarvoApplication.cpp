// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TarvoApplication.h"

#include <QDir>
#include <QIcon>
#include <QMessageBox>

#include "Version.h"
#include "platform/BundledFont.h"
#include "platform/TarvoError.h"

TarvoApplication::TarvoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The name gives the windows their X11 class "Terravika", which the
    // desktop entry's StartupWMClass names. No display name: Qt would append
    // it to every window title, and the boxes' titles are exactly their own.
    setApplicationName("Terravika");
    setApplicationVersion(TERRAVIKA_VERSION);
    setDesktopFileName("pl.terravika.Terravika");
    UseWindowIcon();
    UseBundledFont();
}

void TarvoApplication::UseWindowIcon() {
    QIcon icon;
    const QDir icons(":/icons");
    for (const QString& entry : icons.entryList(QDir::Files)) icon.addFile(icons.filePath(entry));
    setWindowIcon(icon);
}

void TarvoApplication::UseBundledFont() {
    QApplication::setFont(BundledFont(11));
}

QByteArray TarvoApplication::PlatformFor(const QByteArray& sessionType,
                                         const QByteArray& waylandDisplay,
                                         const QByteArray& x11Display,
                                         const QByteArray& requested) {
    if (!requested.isEmpty()) return {};
    const bool wayland = sessionType == "wayland" || !waylandDisplay.isEmpty();
    return wayland && !x11Display.isEmpty() ? QByteArray("xcb") : QByteArray();
}

void TarvoApplication::ChooseWindowSystem() {
    const QByteArray platform = PlatformFor(qgetenv("XDG_SESSION_TYPE"), qgetenv("WAYLAND_DISPLAY"),
                                            qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM"));
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
}

void TarvoApplication::ShowError(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Terravika świata"), message,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);  // messages may carry names from data files
    box.exec();
}

bool TarvoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const TarvoError& error) {
        ShowError(error.message());
    } catch (const std::exception& error) {
        ShowError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

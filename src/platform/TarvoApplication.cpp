// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TarvoApplication.h"

#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <new>

#include "Version.h"
#include "platform/BundledFont.h"
#include "platform/TarvoError.h"
#include "platform/Theme.h"

TarvoApplication::TarvoApplication(int& argc, char** argv, Role role) : QApplication(argc, argv) {
    setApplicationVersion(TERRAVIKA_VERSION);
    UseWindowIcon();
    UsePolishQtTexts();
    if (role == Role::SetEditor) {
        setApplicationName("terravika-zestawy");
        setApplicationDisplayName(QStringLiteral("Terravika – zestawy obrazków"));
        setDesktopFileName("pl.terravika.Zestawy");
        return;
    }
    // The name gives the windows their X11 class "Terravika", which the
    // desktop entry's StartupWMClass names. No display name: Qt would append
    // it to every window title, and the boxes' titles are exactly their own.
    setApplicationName("Terravika");
    setDesktopFileName("pl.terravika.Terravika");
    UseBundledFont();
    UseReadableSelection();
}

// Selected rows of lists and drop-downs in white on a blue dark enough
// (7.3:1) to read; the style's own blue reaches only 3.6:1.
void TarvoApplication::UseReadableSelection() {
    QPalette pal = palette();
    pal.setColor(QPalette::All, QPalette::Highlight, Theme::kDialogPanel);
    pal.setColor(QPalette::All, QPalette::HighlightedText, Qt::white);
    setPalette(pal);
}

void TarvoApplication::UseWindowIcon() {
    QIcon icon;
    const QDir icons(":/icons");
    for (const QString& entry : icons.entryList(QDir::Files)) icon.addFile(icons.filePath(entry));
    setWindowIcon(icon);
}

void TarvoApplication::UsePolishQtTexts() {
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Polish, QLocale::Poland), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
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
    QMessageBox box(QMessageBox::Critical, Theme::kProgramTitle, message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);  // messages may carry names from data files
    box.exec();
}

bool TarvoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const TarvoError& error) {
        ShowError(error.message());
    } catch (const std::bad_alloc&) {
        ShowError(QStringLiteral("Za mało pamięci, by to wykonać."));
    } catch (const std::exception&) {
        // The library's words are English and mean nothing to a pupil.
        ShowError(QStringLiteral("Wystąpił nieoczekiwany błąd programu."));
    }
    return false;
}

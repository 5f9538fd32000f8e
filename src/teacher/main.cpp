// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// terravika-wyniki: the teachers' view of a class's results.
#include <QApplication>
#include <cstdio>

#include "platform/TarvoApplication.h"
#include "teacher/TeacherCommandLine.h"
#include "teacher/TeacherWindow.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const TeacherArguments parsed = ParseTeacherArguments(arguments);
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "terravika-wyniki: %s\n%s", parsed.error.toLocal8Bit().constData(),
                     TeacherUsage().toLocal8Bit().constData());
        return 2;
    }
    if (parsed.help) {
        std::fputs(TeacherUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    app.setApplicationName("terravika-wyniki");
    app.setApplicationDisplayName(QStringLiteral("Terravika – wyniki klasy"));
    app.setDesktopFileName("pl.terravika.Wyniki");
    TarvoApplication::UseWindowIcon();
    TeacherWindow window;
    if (!parsed.path.isEmpty()) window.Open(parsed.path);
    window.show();
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/TeacherCommandLine.h"

TeacherArguments ParseTeacherArguments(const QStringList& arguments) {
    TeacherArguments parsed;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded &&
                   (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            parsed.help = true;
        } else if (!optionsEnded && argument.startsWith('-') && argument.size() > 1) {
            parsed.error = QStringLiteral("Nieznana opcja: %1").arg(argument);
        } else if (parsed.path.isEmpty()) {
            parsed.path = argument;
        } else {
            parsed.error = QStringLiteral("Można podać tylko jeden folder albo plik");
        }
    }
    return parsed;
}

QString TeacherUsage() {
    return QStringLiteral(
        "Użycie: terravika-wyniki [FOLDER|PLIK]\n"
        "\n"
        "Wyniki uczniów dla nauczyciela: tabela uczniów i ćwiczeń, szczegóły ucznia,\n"
        "najczęstsze błędy klasy i eksport do pliku CSV.\n"
        "\n"
        "  FOLDER  folder klasy: wszystkie pliki <login>.wyniki w nim\n"
        "  PLIK    plik <login>.wyniki albo baza ucznia Wyniki.sqlite\n"
        "\n"
        "Opcje:\n"
        "  -h, --help  ta pomoc\n");
}

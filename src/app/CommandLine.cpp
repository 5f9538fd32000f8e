// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

#include "Version.h"

namespace {

constexpr int kUsageError = 2;

const QString kScale = QStringLiteral("scale");

// Parses "auto" or a factor written with a point or a comma ("1.5", "1,5").
std::optional<ScaleRequest> ParseScale(QString text) {
    text = text.trimmed();
    if (text.compare("auto", Qt::CaseInsensitive) == 0)
        return ScaleRequest{ScaleRequest::Kind::Fit};
    bool ok = false;
    const double factor = text.replace(',', '.').toDouble(&ok);
    if (!ok || !(factor >= kMinScale && factor <= kMaxScale)) return std::nullopt;  // NaN too
    return ScaleRequest{ScaleRequest::Kind::Fixed, factor};
}

QString Names(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names()) names << (name.size() == 1 ? "-" : "--") + name;
    QString text = names.join(", ");
    if (!option.valueName().isEmpty()) text += " <" + option.valueName() + ">";
    return text;
}

// QCommandLineParser's own help is in English; this one is built from the
// same option list.
QString HelpText(const QString& program, const QList<QCommandLineOption>& options) {
    QString text = QStringLiteral(
                       "Użycie: %1 [opcje]\n"
                       "Terravika świata — program do nauki geografii.\n\nOpcje:\n")
                       .arg(program);
    for (const QCommandLineOption& option : options) {
        if (option.flags() & QCommandLineOption::HiddenFromHelp) continue;
        const QStringList lines = option.description().split('\n');
        text += QStringLiteral("  %1%2\n").arg(Names(option), -20).arg(lines.first());
        for (qsizetype i = 1; i < lines.size(); ++i) text += QString(22, ' ') + lines[i] + '\n';
    }
    return text;
}

QString Refusal(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return QStringLiteral("nieznana opcja „%1%2”.").arg(name.size() == 1 ? "-" : "--", name);
    }
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("nieoczekiwany argument „%1”.")
            .arg(parser.positionalArguments().first());
    if (!arguments.isEmpty() && arguments.last() == "--" + kScale)
        return QStringLiteral("opcja --scale wymaga wartości.");
    return QStringLiteral("niewłaściwe wywołanie.");
}

}  // namespace

std::optional<int> ReadCommandLine(const QStringList& arguments, StartOptions& options,
                                   QTextStream& out, QTextStream& err) {
    const QString program = QFileInfo(arguments.value(0, "terravika")).fileName();
    const QCommandLineOption help({"h", "help"}, "Pokazuje ten opis i kończy działanie.");
    const QCommandLineOption version({"v", "version"},
                                     "Pokazuje wersję programu i kończy działanie.");
    const QCommandLineOption scale(kScale,
                                   "Skala całego programu: auto dopasowuje go do ekranu,\n"
                                   "liczba (np. 1,5) to powiększenie względem pikseli ekranu.",
                                   "skala");
    QCommandLineOption quitWhenShown("quit-when-shown");
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);

    QCommandLineParser parser;
    const QList<QCommandLineOption> all{help, version, scale, quitWhenShown};
    parser.addOptions(all);
    const QString tryHelp = QStringLiteral("Opis opcji: %1 --help\n").arg(program);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        err << program << ": " << Refusal(parser, arguments) << '\n' << tryHelp;
        return kUsageError;
    }
    if (parser.isSet(help)) {
        out << HelpText(program, all);
        return 0;
    }
    if (parser.isSet(version)) {
        out << "Terravika świata " << TERRAVIKA_VERSION << '\n';
        return 0;
    }
    if (parser.isSet(scale)) {
        const std::optional<ScaleRequest> request = ParseScale(parser.value(scale));
        if (!request) {
            const QLocale polish(QLocale::Polish);
            err << program
                << QStringLiteral(
                       ": niewłaściwa skala „%1”: podaj auto albo liczbę od %2 do %3, "
                       "np. 1,5.\n")
                       .arg(parser.value(scale), polish.toString(kMinScale),
                            polish.toString(kMaxScale))
                << tryHelp;
            return kUsageError;
        }
        options.scale = *request;
    }
    options.quitWhenShown = parser.isSet(quitWhenShown);
    return std::nullopt;
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QTextStream>

#include "Version.h"
#include "app/CommandLine.h"
#include "app/ScreenScale.h"

namespace {

struct Outcome {
    std::optional<int> exit;
    StartOptions options;
    QString out, err;
};

Outcome Read(QStringList arguments) {
    arguments.prepend("/usr/bin/terravika");
    Outcome o;
    QTextStream out(&o.out), err(&o.err);
    o.exit = ReadCommandLine(arguments, o.options, out, err);
    return o;
}

TEST(CommandLine, HelpAndVersionPrintAndExit) {
    for (const QString option : {"--help", "-h"}) {
        const Outcome o = Read({option});
        EXPECT_EQ(o.exit, 0);
        EXPECT_TRUE(o.out.startsWith("Użycie: terravika [opcje]\n")) << o.out.toStdString();
        EXPECT_TRUE(o.out.contains("--scale <skala>"));
        EXPECT_FALSE(o.out.contains("quit-when-shown"));
        EXPECT_TRUE(o.err.isEmpty());
    }
    for (const QString option : {"--version", "-v"}) {
        const Outcome o = Read({option, "--scale", "2"});
        EXPECT_EQ(o.exit, 0);
        EXPECT_EQ(o.out, "Terravika świata " TERRAVIKA_VERSION "\n");
    }
}

TEST(CommandLine, ScaleIsAutoOrAFactorWithPointOrComma) {
    using Kind = ScaleRequest::Kind;
    const struct {
        QStringList arguments;
        Kind kind;
        double factor;
    } cases[] = {
        {{}, Kind::Plain, 1.0},
        {{"--scale", "auto"}, Kind::Fit, 1.0},
        {{"--scale=AUTO"}, Kind::Fit, 1.0},
        {{"--scale", "1.5"}, Kind::Fixed, 1.5},
        {{"--scale", "1,5"}, Kind::Fixed, 1.5},
        {{"--scale", "3", "--scale", "1"}, Kind::Fixed, 1.0},
        {{"--scale", "8"}, Kind::Fixed, 8.0},
    };
    for (const auto& c : cases) {
        const Outcome o = Read(c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_FALSE(o.exit) << what;
        EXPECT_EQ(o.options.scale.kind, c.kind) << what;
        EXPECT_DOUBLE_EQ(o.options.scale.factor, c.factor) << what;
    }
    EXPECT_TRUE(Read({"--quit-when-shown"}).options.quitWhenShown);
}

TEST(CommandLine, RefusesWithAPolishMessageAndStartsNothing) {
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"--fullscreen"}, "nieznana opcja „--fullscreen”."},
        {{"-x"}, "nieznana opcja „-x”."},
        {{"Tarvo.ini"}, "nieoczekiwany argument „Tarvo.ini”."},
        {{"--scale"}, "opcja --scale wymaga wartości."},
        {{"--version=2"}, "niewłaściwe wywołanie."},
        {{"--scale", "0,2"}, "niewłaściwa skala „0,2”: podaj auto albo liczbę od 1 do 8, np. 1,5."},
        {{"--scale", "duża"}, "niewłaściwa skala „duża”"},
        {{"--scale", "nan"}, "niewłaściwa skala „nan”"},
        {{"--scale", "inf"}, "niewłaściwa skala „inf”"},
        {{"--scale="}, "niewłaściwa skala „”"},
    };
    for (const auto& c : cases) {
        const Outcome o = Read(c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(o.exit, 2) << what;
        EXPECT_TRUE(o.err.startsWith(QString("terravika: ") + c.message)) << o.err.toStdString();
        EXPECT_TRUE(o.err.endsWith("Opis opcji: terravika --help\n")) << what;
        EXPECT_TRUE(o.out.isEmpty()) << what;
    }
}

TEST(ScreenScale, FitFactorIsTheLargestAtWhichThePanelFits) {
    const struct {
        QSize workArea;
        double factor;
    } cases[] = {
        {{1920, 1080}, 1.86},    {{1920, 1040}, 1.79},        {{1366, 768}, 1.32},
        {{1024, 768}, 1.28},     {{800, 580}, 1.0},           {{800, 600}, 1.0},
        {{640, 480}, kMinScale}, {{1280, 400}, kMinScale},    {{3840, 2160}, 3.72},
        {{1000, 600}, 1.03},     {{20000, 20000}, kMaxScale},
    };
    for (const auto& c : cases) {
        const double f = FitFactor(c.workArea);
        EXPECT_DOUBLE_EQ(f, c.factor) << c.workArea.width() << "x" << c.workArea.height();
        if (f > kMinScale) {
            EXPECT_LE(800 * f, c.workArea.width());
            EXPECT_LE(580 * f, c.workArea.height());
        }
    }
}

TEST(ScreenScale, CutOffNoteNamesTheFactorThatFits) {
    EXPECT_EQ(CutOffNote({910, 512}, 1.5),
              "terravika: przy skali 1,5 okno programu (800 × 580) nie mieści się na ekranie "
              "(910 × 512); mieści się przy --scale auto, czyli 1,32.");
    EXPECT_EQ(CutOffNote({600, 450}, 1.2),
              "terravika: przy skali 1,2 okno programu (800 × 580) nie mieści się na ekranie "
              "(600 × 450).");
    EXPECT_TRUE(CutOffNote({800, 580}, 1.0).isEmpty());
    EXPECT_TRUE(CutOffNote({1032, 580}, 1.86).isEmpty());
}

}  // namespace

namespace {

TEST(ScreenScale, EnvironmentIsQtsForTheStartAndTheUsersAfterwards) {
    qputenv("QT_SCALE_FACTOR", "3");
    qunsetenv("QT_FONT_DPI");
    qunsetenv("QT_ENABLE_HIGHDPI_SCALING");
    ScaleEnvironment scaling;
    EXPECT_EQ(qgetenv("QT_ENABLE_HIGHDPI_SCALING"), "0");
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
    scaling.SetFactor(1.86);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.86");
    EXPECT_EQ(qgetenv("QT_FONT_DPI"), "96");
    scaling.Restore();  // programs started later see the user's own values
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "3");
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_FONT_DPI"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"));
    qunsetenv("QT_SCALE_FACTOR");
}

}  // namespace

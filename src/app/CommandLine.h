// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's command line: --help, --version and --scale, in Polish.
// It is read before the application object exists, because the scale has to
// be in place when Qt starts.
#include <QStringList>
#include <optional>

class QTextStream;

// How large the whole program is drawn.
struct ScaleRequest {
    enum class Kind { Plain, Fit, Fixed };
    Kind kind = Kind::Plain;  // Plain: Qt's own choice, the laid-out geometry
    double factor = 1.0;      // device pixels per logical pixel, for Fixed
};

struct StartOptions {
    ScaleRequest scale;
    bool quitWhenShown = false;  // ends the program once the window is on screen
};

// Factors the program accepts, for --scale F and for the fitted one. Qt's
// painter never draws below a device pixel ratio of 1: a smaller factor would
// shrink the windows but not what is drawn in them.
inline constexpr double kMinScale = 1.0;
inline constexpr double kMaxScale = 8.0;

// Reads the arguments (the program's name first). When the program is to
// start, fills `options` and returns nothing. Otherwise writes the help or the
// version to `out`, or a refusal to `err`, and returns the exit code.
std::optional<int> ReadCommandLine(const QStringList& arguments, StartOptions& options,
                                   QTextStream& out, QTextStream& err);

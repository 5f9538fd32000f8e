// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Qt's device-independent scaling of the whole program: every window, picture,
// text and hit test is drawn `factor` times larger while the code keeps its
// logical 800 × 580 coordinates. Qt takes the factor from its environment
// when the application object starts, so it is worked out before that.
#include <QByteArray>
#include <QList>
#include <QRect>
#include <optional>

#include "app/CommandLine.h"

// The largest factor, in whole hundredths, at which the 800 × 580 panel fits a
// work area of the given size in device pixels; kept within kMinScale..kMaxScale.
double FitFactor(QSize workArea);

// A line for stderr when the panel does not fit a work area (logical pixels at
// the given factor), naming the factor that would fit; empty when it fits.
QString CutOffNote(QSize workArea, double factor);

// The primary screen's work area in device pixels, read from the X server;
// nothing when there is no X display to ask.
std::optional<QRect> X11WorkArea();

// The factor the request asks for; a fitted one reads the work area (from the
// X server, or else from a short-lived Qt application). Call between creating
// a ScaleEnvironment and its SetFactor.
double ScaleFactorFor(const ScaleRequest& request);

// Qt's scaling variables for the start of the application object. Creating it
// switches off the desktop's own factor, so that Qt counts device pixels;
// Restore puts the variables back once the application object exists, so that
// programs started from here (the help viewer) are not scaled as well.
class ScaleEnvironment {
public:
    ScaleEnvironment();
    void SetFactor(double factor);
    void Restore();

private:
    void Set(const char* name, const std::optional<QByteArray>& value);
    QList<std::pair<const char*, std::optional<QByteArray>>> saved;
};

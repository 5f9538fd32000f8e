// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ScreenScale.h"

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr QSize kPanel(800, 580);

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Take(T* reply) {
    return Reply<T>(reply, &std::free);
}

// The rectangle of the RandR primary output, as Qt's primary screen is.
std::optional<QRect> PrimaryMonitor(xcb_connection_t* c, xcb_window_t root) {
    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(c, &xcb_randr_id);
    if (!randr || !randr->present) return std::nullopt;
    auto primary =
        Take(xcb_randr_get_output_primary_reply(c, xcb_randr_get_output_primary(c, root), nullptr));
    if (!primary || primary->output == XCB_NONE) return std::nullopt;
    auto output = Take(xcb_randr_get_output_info_reply(
        c, xcb_randr_get_output_info(c, primary->output, XCB_CURRENT_TIME), nullptr));
    if (!output || output->crtc == XCB_NONE) return std::nullopt;
    auto crtc = Take(xcb_randr_get_crtc_info_reply(
        c, xcb_randr_get_crtc_info(c, output->crtc, output->timestamp), nullptr));
    if (!crtc || crtc->width == 0 || crtc->height == 0) return std::nullopt;
    return QRect(crtc->x, crtc->y, crtc->width, crtc->height);
}

// The window manager's work area (the desktop less its panels), if it tells.
std::optional<QRect> NetWorkArea(xcb_connection_t* c, xcb_window_t root) {
    const char name[] = "_NET_WORKAREA";
    auto atom = Take(xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, strlen(name), name), nullptr));
    if (!atom || atom->atom == XCB_NONE) return std::nullopt;
    auto property = Take(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!property || property->format != 32 || xcb_get_property_value_length(property.get()) < 16)
        return std::nullopt;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(property.get()));
    return QRect(int(v[0]), int(v[1]), int(v[2]), int(v[3]));
}

// Asks Qt itself, through an application object that lives only for this.
QRect ProbedWorkArea() {
    static char name[] = "terravika";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    QGuiApplication probe(argc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

bool UsesX11() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return !qEnvironmentVariableIsEmpty("DISPLAY") &&
           (platform.isEmpty() || platform.startsWith("xcb"));
}

}  // namespace

double FitFactor(QSize workArea) {
    const double fit = std::min(double(workArea.width()) / kPanel.width(),
                                double(workArea.height()) / kPanel.height());
    return std::clamp(std::floor(fit * 100) / 100, kMinScale, kMaxScale);
}

QString CutOffNote(QSize workArea, double factor) {
    if (workArea.width() >= kPanel.width() && workArea.height() >= kPanel.height()) return {};
    const QLocale polish(QLocale::Polish);
    const QSize device(std::lround(workArea.width() * factor),
                       std::lround(workArea.height() * factor));
    QString note = QStringLiteral(
                       "terravika: przy skali %1 okno programu (800 × 580) nie mieści się na "
                       "ekranie (%2 × %3)")
                       .arg(polish.toString(factor))
                       .arg(workArea.width())
                       .arg(workArea.height());
    const double fit = FitFactor(device);
    if (kPanel.width() * fit <= device.width() && kPanel.height() * fit <= device.height())
        note +=
            QStringLiteral("; mieści się przy --scale auto, czyli %1").arg(polish.toString(fit));
    return note + '.';
}

std::optional<QRect> X11WorkArea() {
    // The connection stays open until the program ends: an X server whose
    // last client leaves resets itself, and would refuse Qt's own connection
    // meanwhile (a bare Xvfb without a window manager does that).
    static std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> kept(nullptr,
                                                                             &xcb_disconnect);
    int screenNumber = 0;
    kept.reset(xcb_connect(nullptr, &screenNumber));
    xcb_connection_t* c = kept.get();
    if (xcb_connection_has_error(c)) return std::nullopt;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
    if (!screens.rem) return std::nullopt;
    const xcb_screen_t* screen = screens.data;
    const QRect monitor =
        PrimaryMonitor(c, screen->root)
            .value_or(QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels));
    // Qt's available geometry is the same intersection.
    const std::optional<QRect> work = NetWorkArea(c, screen->root);
    return work && work->intersects(monitor) ? (*work & monitor) : monitor;
}

double ScaleFactorFor(const ScaleRequest& request) {
    if (request.kind != ScaleRequest::Kind::Fit) return request.factor;
    std::optional<QRect> area = UsesX11() ? X11WorkArea() : std::nullopt;
    return FitFactor((area ? *area : ProbedWorkArea()).size());
}

ScaleEnvironment::ScaleEnvironment() {
    Set("QT_ENABLE_HIGHDPI_SCALING", "0");
    Set("QT_SCREEN_SCALE_FACTORS", std::nullopt);
    Set("QT_SCALE_FACTOR", std::nullopt);
    // Without the desktop's factor Qt would size point-sized text (the
    // explorers' documents, the help) by the desktop's font DPI on top of ours.
    Set("QT_FONT_DPI", "96");
}

void ScaleEnvironment::SetFactor(double factor) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 6));
}

void ScaleEnvironment::Set(const char* name, const std::optional<QByteArray>& value) {
    saved.append(
        {name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

void ScaleEnvironment::Restore() {
    for (const auto& [name, value] : saved) {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    saved.clear();
}

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every window is given at construction: the platform services, the
// settings and the data layer. Owned by main(); outlives every window.
struct Platform;
struct Config;
class DataAccess;

struct AppContext {
    Platform& platform;
    Config& config;
    DataAccess& data;
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// libchm is loaded when the help is first opened, not with the program: the
// program is not linked with it, and ChmLibrary.cpp defines libchm's
// functions as forwarders to the library loaded here.

// Loads libchm once; false when it is not installed. Call before the first
// chm_* function, and before any fork: a child must not load libraries.
bool LoadChmLibrary();

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The audio output behind QtSounds. It lives in a plugin of its own, loaded
// at the first sound, so that the program starts without Qt Multimedia and
// the sound system it brings.
#include <QString>
#include <QUrl>

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Makes the WAV at source playable under name.
    virtual void add(const QString& name, const QUrl& source) = 0;
    // Starts the sound and returns at once.
    virtual void play(const QString& name) = 0;
};

// The plugin's one entry point: a new output, or null when the machine has no
// audio output.
extern "C" {
using MakeSoundOutputFunction = SoundOutput* (*)();
}
inline constexpr char kMakeSoundOutput[] = "TerravikaMakeSoundOutput";

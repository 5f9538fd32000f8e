// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The platform services of the running program, on Qt.
#include <QElapsedTimer>
#include <QHash>
#include <memory>
#include <random>

#include "platform/Platform.h"

class SoundOutput;

// Plays the WAV resources in resources/sounds through the sound plugin,
// loaded with the first sound. With no plugin or no audio output the sound
// is skipped; a wait for a sound is bounded by its duration read from the WAV
// header, since an effect without a device may claim to play forever.
class QtSounds : public Sounds {
public:
    explicit QtSounds(Waits& waits);
    ~QtSounds() override;
    void play(const QString& name) override;
    void playAndWait(const QString& name) override;

    // Loads the plugin and sets the sounds up, once: at the first sound, so
    // that a program that plays none never loads the audio system.
    void Prepare();

    // Milliseconds of sound in a WAV file's bytes; 0 when the header is unusable.
    static int WavDurationMs(const QByteArray& wav);

private:
    // The duration of a sound by its lower-case name; null when there is none.
    const int* DurationOf(const QString& name);

    Waits& waits;
    std::unique_ptr<SoundOutput> output;  // null without plugin or audio output
    QHash<QString, int> durations;        // by lower-case name
    bool prepared = false;
};

class QtWaits : public Waits {
public:
    explicit QtWaits(Clock& clock) : clock(clock) {}
    void processEvents() override;
    void pause(int ms) override;
    void sleepUntil(double untilMs) override;

private:
    Clock& clock;
};

class QtClock : public Clock {
public:
    QtClock() { timer.start(); }
    QTime timeOfDay() override { return QTime::currentTime(); }
    double nowMs() override { return timer.nsecsElapsed() / 1e6; }

private:
    QElapsedTimer timer;
};

class StdRandom : public Random {
public:
    explicit StdRandom(Clock& clock) : clock(clock) {}
    int uniform(int lo, int hi) override;
    void seedFromClock() override;

private:
    Clock& clock;
    std::mt19937 engine{5489u};
};

class QtPointer : public Pointer {
public:
    QPoint pos() override;
    void moveTo(QPoint screenPos) override;
};

class QtShell : public Shell {
public:
    bool open(const QString& path) override;
};

class QtMessages : public Messages {
public:
    void error(const QString& message, const QString& verdict) override;
    void info(const QString& title, const QString& text) override;

private:
    static void Show(const QString& title, const QString& text);
};

struct RealPlatform {
    QtClock clock;
    QtWaits waits{clock};
    QtSounds sounds{waits};
    StdRandom random{clock};
    QtPointer pointer;
    QtShell shell;
    QtMessages messages;
    Platform services{sounds, waits, clock, random, pointer, shell, messages};
};

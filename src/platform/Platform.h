// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Services the windows need from the system. Each is a small interface so
// that tests can pass fakes (instant waits, silent sounds, scripted random
// numbers, a recorded pointer). One Platform bundle is handed to every
// window at construction; there are no global singletons.
#include <QPoint>
#include <QString>
#include <QTime>

class Sounds {
public:
    virtual ~Sounds() = default;
    // Starts the named sound ("Plum", "Plim"; case-insensitive) and returns.
    virtual void play(const QString& name) = 0;
    // Plays the named sound to its end; user input is held back meanwhile
    // and delivered afterwards.
    virtual void playAndWait(const QString& name) = 0;
};

class Waits {
public:
    virtual ~Waits() = default;
    // Lets pending window messages (paints, timers, input) be handled.
    virtual void processEvents() = 0;
    // Blocks for ms milliseconds while paints and timers go on; user input is
    // held back and delivered after the pause.
    virtual void pause(int ms) = 0;
    // Blocks until the clock has advanced to at least untilMs (Clock::nowMs).
    virtual void sleepUntil(double untilMs) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QTime timeOfDay() = 0;
    // A monotonic clock in milliseconds with sub-millisecond resolution.
    virtual double nowMs() = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // A uniform whole number in the inclusive range lo..hi (lo <= hi).
    virtual int uniform(int lo, int hi) = 0;
    // Reseeds the generator from the time of day.
    virtual void seedFromClock() = 0;
};

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual QPoint pos() = 0;  // screen coordinates
    virtual void moveTo(QPoint screenPos) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document with the desktop's default application; false when
    // the file is missing, no application is registered for its type, or
    // starting it failed.
    virtual bool open(const QString& path) = 0;
};

class Messages {
public:
    virtual ~Messages() = default;
    // Modal boxes with one OK button. A failure: the title carries the
    // specific message, the text the short verdict ("Błąd") and the message
    // again, for a title bar that cuts it short or is not there.
    virtual void error(const QString& message, const QString& verdict) = 0;
    // A box with its own title and text, shown as they are.
    virtual void info(const QString& title, const QString& text) = 0;
};

struct Platform {
    Sounds& sounds;
    Waits& waits;
    Clock& clock;
    Random& random;
    Pointer& pointer;
    Shell& shell;
    Messages& messages;
};

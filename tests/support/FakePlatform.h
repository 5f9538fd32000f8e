// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Deterministic stand-ins for the platform services, used by the tests, the
// soak run and the benchmarks: waits return at once (pending events are still
// processed so that widgets repaint), sounds are recorded, random numbers
// come from a script, the pointer is a stored point.
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/Platform.h"

class FakeSounds : public Sounds {
public:
    void play(const QString& name) override { played.append(name); }
    void playAndWait(const QString& name) override { played.append(name + "!"); }
    QStringList played;  // waited-for sounds carry a trailing "!"
};

class FakeWaits : public Waits {
public:
    void processEvents() override;
    void pause(int ms) override {
        pauses.push_back(ms);
        if (duringPause) duringPause();
    }
    std::function<void()> duringPause;  // lets a test look at the screen of a pause
    void sleepUntil(double) override { ++sleeps; }
    std::vector<int> pauses;
    int sleeps = 0;  // one per zoom frame
};

class FakeClock : public Clock {
public:
    QTime timeOfDay() override { return time; }
    double nowMs() override { return ms; }
    QTime time{12, 0, 0};
    double ms = 0;
};

// Returns scripted numbers first (each clamped into the asked range), then
// numbers from a small fixed linear congruential sequence.
class FakeRandom : public Random {
public:
    int uniform(int lo, int hi) override;
    void seedFromClock() override { ++seeds; }
    std::deque<int> script;
    unsigned state = 12345;
    int seeds = 0;
};

class FakePointer : public Pointer {
public:
    QPoint pos() override { return position; }
    void moveTo(QPoint p) override {
        position = p;
        moves.push_back(p);
    }
    QPoint position;
    std::vector<QPoint> moves;
};

class FakeShell : public Shell {
public:
    bool open(const QString& path) override {
        opened.append(path);
        return opens;
    }
    QStringList opened;
    bool opens = true;  // false: as a desktop without a viewer for the file
};

class FakeMessages : public Messages {
public:
    void error(const QString& message, const QString& verdict) override {
        shown.append(message + "|" + verdict);
    }
    void info(const QString& title, const QString& text) override {
        shown.append(title + "|" + text);
    }
    QStringList shown;  // "message|verdict" or "title|text"
};

struct FakePlatform {
    FakeSounds sounds;
    FakeWaits waits;
    FakeClock clock;
    FakeRandom random;
    FakePointer pointer;
    FakeShell shell;
    FakeMessages messages;
    Platform services{sounds, waits, clock, random, pointer, shell, messages};
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Running test code under the limits a hostile file must stay within: in a
// child process with a ceiling on its address space and a deadline, as an
// unprivileged user, or with a full disk simulated by a file-size limit.
#include <functional>

// Runs body in a forked child whose resident memory may grow by at most
// maxGrowth bytes (its address space by four times that, a hard ceiling) and
// which may use at most cpuMs of processor time. Returns body's result,
// kTooMuchMemory or kTooSlow when a limit was passed, or -1 when the child
// died or hung (it is then killed). Sanitizer builds get ten times the time
// and no memory limits, unoptimised builds three times more time again.
constexpr int kTooSlow = 97;
constexpr int kTooMuchMemory = 98;
int RunInChild(const std::function<int()>& body, long long maxGrowth, int cpuMs);

// Runs body in a forked child that has dropped root rights (as "nobody"), so
// that file permissions apply; without root rights it runs in a child as is.
int RunUnprivileged(const std::function<int()>& body);

// While it lives, files cannot grow beyond maxBytes: writes beyond it fail
// with EFBIG as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long maxBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    long long previous;
    void (*previousHandler)(int);
};

// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Limits.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QThreadPool>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace {

// Current size of this process's address space (field 0) or resident set
// (field 1) in bytes.
long long Statm(int field) {
    std::ifstream statm("/proc/self/statm");
    long long pages = 0;
    for (int i = 0; i <= field; ++i) statm >> pages;
    return pages * sysconf(_SC_PAGESIZE);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // shadow memory and quarantine inflate both
#else
constexpr bool kSanitized = false;
#endif
// Processor time a body may take for each millisecond it is given: sanitized
// code runs about ten times slower, unoptimised code a few times more.
#if defined(__OPTIMIZE__)
constexpr int kSlowdown = kSanitized ? 10 : 1;
#else
constexpr int kSlowdown = kSanitized ? 30 : 3;
#endif

int Wait(pid_t child, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Qt paints large areas and scales pictures with pools of threads, which do
// not survive fork: a child would wait for them for ever. The pools are
// emptied first; they start new threads when next needed.
void EmptyThreadPools() {
    QThreadPool::globalInstance()->waitForDone();
    if (qApp)
        for (QThreadPool* pool : qApp->findChildren<QThreadPool*>()) pool->waitForDone();
}

int Fork(const std::function<void()>& prepare, const std::function<int()>& body, int timeoutMs) {
    EmptyThreadPools();
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        prepare();
        _exit(body());
    }
    return Wait(child, timeoutMs);
}

}  // namespace

int RunInChild(const std::function<int()>& body, long long maxGrowth, int cpuMs) {
    // The deadline is on processor time, so that a busy machine does not make
    // the test fail; wall-clock time only catches a child that hangs.
    const int timeoutMs = std::max(5000, 10 * cpuMs) * kSlowdown;
    cpuMs *= kSlowdown;
    return Fork(
        [maxGrowth] {
            if (kSanitized) return;
            const rlim_t ceiling = rlim_t(Statm(0) + 4 * maxGrowth);
            const rlimit limit{ceiling, ceiling};
            setrlimit(RLIMIT_AS, &limit);
        },
        [&body, maxGrowth, cpuMs] {
            const long long before = Statm(1);
            const int result = body();
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            const long long usedMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000LL +
                                     (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
            if (usedMs > cpuMs) return kTooSlow;
            const bool tooBig = usage.ru_maxrss * 1024LL - before > maxGrowth;
            return tooBig && !kSanitized ? kTooMuchMemory : result;
        },
        timeoutMs);
}

int RunUnprivileged(const std::function<int()>& body) {
    return Fork(
        [] {
            if (geteuid() != 0) return;
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
        },
        body, 10000);
}

FileSizeLimit::FileSizeLimit(long long maxBytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    previous = (long long)limit.rlim_cur;
    limit.rlim_cur = rlim_t(maxBytes);
    previousHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(previous);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, previousHandler);
}

#include "support/Limits.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace {

// Current size of this process's address space in bytes.
long long AddressSpace() {
    std::ifstream statm("/proc/self/statm");
    long long pages = 0;
    statm >> pages;
    return pages * sysconf(_SC_PAGESIZE);
}

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

int Fork(const std::function<void()>& prepare, const std::function<int()>& body, int timeoutMs) {
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        prepare();
        _exit(body());
    }
    return Wait(child, timeoutMs);
}

}  // namespace

int RunInChild(const std::function<int()>& body, long long extraBytes, int timeoutMs) {
    return Fork(
        [extraBytes] {
            const rlim_t ceiling = rlim_t(AddressSpace() + extraBytes);
            const rlimit limit{ceiling, ceiling};
            setrlimit(RLIMIT_AS, &limit);
        },
        body, timeoutMs);
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

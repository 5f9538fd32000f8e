#pragma once
// Running test code under the limits a hostile file must stay within: in a
// child process with a ceiling on its address space and a deadline, as an
// unprivileged user, or with a full disk simulated by a file-size limit.
#include <functional>

// Runs body in a forked child whose address space may grow by at most
// extraBytes over what it has now. Returns body's result, or -1 when the
// child died or did not end within timeoutMs (it is then killed).
int RunInChild(const std::function<int()>& body, long long extraBytes, int timeoutMs);

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

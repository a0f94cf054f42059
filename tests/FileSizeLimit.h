#pragma once

#include <sys/resource.h>

#include <csignal>

// Files longer than `bytes` cannot be written while it lives: a write cut
// short, as by a full disk, even for root, whom permissions would not stop.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousSignal(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved{};
    void (*previousSignal)(int);
};

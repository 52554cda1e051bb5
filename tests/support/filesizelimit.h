#pragma once

#include <sys/resource.h>

// While it lives, this process cannot make a file larger than the limit: a
// write beyond it fails with EFBIG (SIGXFSZ is ignored), a real write
// failure that also holds for root. The old limit comes back at the end.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Whether the limit could be set.
    bool active() const { return active_; }

private:
    rlimit old_{};
    bool active_ = false;
};

#pragma once
// Internal to the platform layer: a file's content and times copied from one
// open file to another, and a descriptor that closes itself.

#include <sys/stat.h>

namespace platform::detail {

// Copies everything from `in` to `out`, then gives `out` the source's access
// and modification times. `source` is the status of `in` taken once it was
// opened. 0 or an errno.
int FillCopy(int in, int out, const struct stat& source);

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now, so that a failing close is seen. 0 or an errno.
    int Close();

private:
    int fd_;
};

} // namespace platform::detail

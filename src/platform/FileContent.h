#pragma once
// Internal to the platform layer: a file's content and times copied from one
// open file to another, or from memory, a link's text copied, and a
// descriptor that closes itself.

#include <sys/stat.h>

#include <string>

namespace platform::detail {

// Copies everything from `in` to `out`, then gives `out` the source's access
// and modification times. `source` is the status of `in` taken once it was
// opened. 0 or an errno.
int FillCopy(int in, int out, const struct stat& source);

// Reads everything of `in` into `content` (emptied first); `size` is what
// its status said when it was opened. 0 or an errno.
int ReadWhole(int in, off_t size, std::string& content);

// Writes `content` to `out`, then gives `out` the access and modification
// times of `source`, the file the content was read of. 0 or an errno.
int FillFrom(const std::string& content, int out, const struct stat& source);

// CopyFileA once its source is open as `in`, a regular file of status
// `source`: writes the copy at the Windows path `target`.
bool CopyOpenFile(int in, const struct stat& source, const std::string& target, bool failIfExists);

// The target text of the link `name` in `folder` (AT_FDCWD: a whole path);
// false with errno set.
bool ReadLinkAt(int folder, const char* name, std::string& text);

// Makes a link of target text `text` at the Windows path `target`, which
// must be new, as CopySymbolicLinkA does.
bool MakeLink(const std::string& text, const std::string& target);

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

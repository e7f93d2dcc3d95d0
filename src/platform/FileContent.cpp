#include "platform/FileContent.h"

#include <sys/sendfile.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <limits>
#include <memory>

namespace platform::detail {

namespace {

constexpr std::size_t BufferSize = 1 << 16;

// Copies from `in` to `out`, from where each file stands, through a buffer.
// A read that comes back short once the size the file had when opened is
// reached is its end: asking again would only hear so. 0 or an errno.
int CopyThroughBuffer(int in, int out, off_t size) {
    thread_local std::unique_ptr<char[]> buffer(new char[BufferSize]);
    off_t done = 0;
    while (true) {
        const ssize_t got = read(in, buffer.get(), BufferSize);
        if (got == 0)
            return 0;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        for (ssize_t written = 0; written < got;) {
            const ssize_t put = write(out, buffer.get() + written, static_cast<std::size_t>(got - written));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            written += put;
        }
        done += got;
        if (static_cast<std::size_t>(got) < BufferSize && done >= size)
            return 0;
    }
}

// Copies everything from `in` to `out`. 0 or an errno.
int CopyContent(int in, int out, off_t size) {
    // A small file, by far the most common kind, is copied fastest through a
    // buffer; for a larger one the kernel copies without a trip through this
    // process where it can.
    if (size <= static_cast<off_t>(BufferSize))
        return CopyThroughBuffer(in, out, size);
    bool kernelCopy = true;
    off_t done = 0;
    while (kernelCopy && done < size) {
        const ssize_t copied =
            copy_file_range(in, nullptr, out, nullptr, static_cast<std::size_t>(size - done), 0);
        if (copied > 0) {
            done += copied;
        } else if (copied == 0) {
            break; // the file got shorter meanwhile; read on to its end below
        } else if (errno == EINTR) {
            continue;
        } else if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP ||
                   errno == EBADF) {
            kernelCopy = false;
        } else {
            return errno;
        }
    }
    // Whatever copy_file_range left: sendfile first, plain reads last.
    while (true) {
        const ssize_t sent = sendfile(out, in, nullptr, 1 << 20);
        if (sent > 0)
            continue;
        if (sent == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        break;
    }
    return CopyThroughBuffer(in, out, std::numeric_limits<off_t>::max()); // to its very end
}

} // namespace

int FillCopy(int in, int out, const struct stat& source) {
    if (int error = CopyContent(in, out, source.st_size))
        return error;
    const timespec times[2] = {source.st_atim, source.st_mtim};
    futimens(out, times);
    return 0;
}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0)
        close(fd_);
}

int FileDescriptor::Close() {
    const int result = close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
}

} // namespace platform::detail

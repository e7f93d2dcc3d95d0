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

// Writes all of `data`. 0 or an errno.
int WriteAll(int out, const char* data, std::size_t size) {
    for (std::size_t written = 0; written < size;) {
        const ssize_t put = write(out, data + written, size - written);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        written += static_cast<std::size_t>(put);
    }
    return 0;
}

void CopyTimes(int out, const struct stat& source) {
    const timespec times[2] = {source.st_atim, source.st_mtim};
    futimens(out, times);
}

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
        if (int error = WriteAll(out, buffer.get(), static_cast<std::size_t>(got)))
            return error;
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
    CopyTimes(out, source);
    return 0;
}

int ReadWhole(int in, off_t size, std::string& content) {
    // One byte more than the size asks for: a read that fills it all says
    // the file grew, and the end is then read for.
    content.clear();
    std::size_t done = 0;
    std::size_t room = static_cast<std::size_t>(size > 0 ? size : 0) + 1;
    while (true) {
        content.resize(done + room);
        const ssize_t got = read(in, content.data() + done, room);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            content.clear();
            return errno;
        }
        done += static_cast<std::size_t>(got);
        if (got == 0 || (static_cast<std::size_t>(got) < room && done >= static_cast<std::size_t>(size)))
            break;
        room = BufferSize;
    }
    content.resize(done);
    return 0;
}

int FillFrom(const std::string& content, int out, const struct stat& source) {
    if (int error = WriteAll(out, content.data(), content.size()))
        return error;
    CopyTimes(out, source);
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

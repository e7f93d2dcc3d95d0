#include "common/ListFileText.h"

#include "common/TextDecoding.h"
#include "platform/Drives.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::optional<std::string> ReadListFileText(const std::string& fileName) {
    const std::optional<std::string> host = platform::ToHostPath(fileName);
    if (!host)
        return std::nullopt;
    // Opened without waiting (a pipe would otherwise block here until someone
    // writes to it) and checked on the open descriptor, so that what is read
    // is what was checked.
    Descriptor file(::open(host->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return std::nullopt;
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;

    std::string bytes;
    if (status.st_size > 0)
        bytes.reserve(static_cast<size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    return DecodeText(bytes);
}

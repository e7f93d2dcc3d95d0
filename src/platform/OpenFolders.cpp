#include "platform/OpenFolders.h"

#include <fcntl.h>
#include <unistd.h>

#include <utility>

namespace platform::detail {

namespace {

// A run creates its entries in a few folders at a time, but a list of full
// paths goes round many parents: enough descriptors for those, well below the
// usual limit of open files of a process.
constexpr std::size_t MaxHeld = 256;

} // namespace

OpenFolders::Held& OpenFolders::Held::operator=(Held&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        device_ = other.device_;
        inode_ = other.inode_;
    }
    return *this;
}

OpenFolders::Held::~Held() {
    if (fd_ >= 0)
        close(fd_);
}

OpenFolders::OpenFolders() : held_(MaxHeld) {}

int OpenFolders::Descriptor(const std::string& folder, const struct stat& st) {
    if (Held* held = held_.Find(folder)) {
        if (held->Is(st))
            return held->Fd();
        held_.Erase(folder);
    }
    if (folder != lastMissed_) {
        lastMissed_ = folder;
        return -1;
    }
    // O_PATH: the descriptor only names the folder, for the *at calls and
    // fstat; O_NOFOLLOW: a link put in the folder's place is not it.
    const int fd = open(folder.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    Held opened(fd, st.st_dev, st.st_ino);
    struct stat now;
    // The path may have changed between the caller's look and this open.
    if (fstat(fd, &now) != 0 || !opened.Is(now))
        return -1;
    return held_.Put(folder, std::move(opened)).Fd();
}

} // namespace platform::detail

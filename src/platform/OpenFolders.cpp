#include "platform/OpenFolders.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <utility>

namespace platform::detail {

namespace {

// A run creates its entries in a few folders at a time, but a list of full
// paths goes round many parents: enough descriptors for those, a quarter of
// the process's limit of open files at most, and never more than a program
// that waits on descriptors with select() could bear.
std::size_t MaxHeld() {
    constexpr std::size_t Fewest = 256, Most = 1024;
    struct rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return Fewest;
    const std::size_t quarter = static_cast<std::size_t>(limit.rlim_cur / 4);
    return quarter < Fewest ? Fewest : quarter > Most ? Most : quarter;
}

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

OpenFolders::OpenFolders() : capacity_(MaxHeld()), held_(capacity_) {}

int OpenFolders::Descriptor(const std::string& folder, const struct stat& st, bool watched) {
    if (Held* held = held_.Find(folder)) {
        if (held->Is(st))
            return held->Fd();
        held_.Erase(folder);
    }
    if (folder != lastMissed_ && !(watched && held_.Size() < capacity_)) {
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

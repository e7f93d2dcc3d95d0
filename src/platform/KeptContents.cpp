#include "platform/KeptContents.h"

#include <sys/stat.h>

#include <ctime>
#include <utility>

namespace platform {

namespace {
std::chrono::nanoseconds processSettling = std::chrono::seconds(1);
}

std::chrono::nanoseconds KeptContents::ProcessSettling() {
    return processSettling;
}

void KeptContents::SetProcessSettling(std::chrono::nanoseconds settling) {
    processSettling = settling;
}

void KeptContents::Clear() {
    kept_.clear();
    bytes_ = 0;
}

KeptContents::Key KeptContents::KeyOf(const struct stat& status) {
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

KeptContents::Version KeptContents::VersionOf(const struct stat& status) {
    return {
        static_cast<std::int64_t>(status.st_size),        static_cast<std::uint32_t>(status.st_mode),
        static_cast<std::int64_t>(status.st_mtim.tv_sec), static_cast<std::int64_t>(status.st_mtim.tv_nsec),
        static_cast<std::int64_t>(status.st_ctim.tv_sec), static_cast<std::int64_t>(status.st_ctim.tv_nsec)};
}

const std::string* KeptContents::Find(const struct stat& now) const {
    if (!S_ISREG(now.st_mode))
        return nullptr;
    const auto found = kept_.find(KeyOf(now));
    if (found == kept_.end() || found->second.version != VersionOf(now))
        return nullptr;
    return &found->second.content;
}

bool KeptContents::Wants(const struct stat& status) const {
    if (!S_ISREG(status.st_mode) || status.st_size < 0 ||
        static_cast<std::size_t>(status.st_size) > LargestKept ||
        bytes_ + static_cast<std::size_t>(status.st_size) > Budget)
        return false;
    return IsSettled(status.st_ctim.tv_sec, status.st_ctim.tv_nsec);
}

bool KeptContents::IsSettled(std::int64_t seconds, std::int64_t nanoseconds) const {
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0)
        return false;
    const auto changed = std::chrono::seconds(seconds) + std::chrono::nanoseconds(nanoseconds);
    const auto clock = std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
    return changed + settling_.value_or(ProcessSettling()) < clock;
}

void KeptContents::Keep(const struct stat& status, std::string content) {
    Kept& kept = kept_[KeyOf(status)];
    bytes_ -= kept.content.size();
    bytes_ += content.size();
    kept.version = VersionOf(status);
    kept.content = std::move(content);
}

} // namespace platform

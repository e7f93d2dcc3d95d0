#pragma once
// What a run keeps of the small files it copies again and again: a structure
// attached to a thousand new folders would otherwise have each of its files
// opened, read and closed a thousand times. The first copy reads a file whole
// and keeps it; each later copy only makes its target and writes it from
// memory, as long as the file is still the one that was read: the same
// identity, size, mode, modification and change times. A file whose change
// time is younger than a settling time is never kept: a change made in the
// same tick of the file system's clock as the reading would otherwise leave
// its times as they were, and the change unseen.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>

struct stat;

namespace platform {

class KeptContents {
public:
    // Files above this size are copied from the disk each time: the kernel
    // copies them without a trip through this process anyway.
    static constexpr std::size_t LargestKept = 1 << 16;
    // What all kept files of a run may hold together.
    static constexpr std::size_t Budget = std::size_t{64} << 20;

    // With no settling time of its own, one takes the process's, as it is
    // when asked.
    KeptContents() = default;
    explicit KeptContents(std::chrono::nanoseconds settling) : settling_(settling) {}

    // The settling time of the process: one second. A test that has just
    // made what a run keeps ages it by setting a shorter (or negative) one.
    static std::chrono::nanoseconds ProcessSettling();
    static void SetProcessSettling(std::chrono::nanoseconds settling);

    // Whether an entry whose change time is `seconds` and `nanoseconds` was
    // changed longer than the settling time ago, so that what is read of it
    // now may be kept and trusted while that change time stays.
    bool IsSettled(std::int64_t seconds, std::int64_t nanoseconds) const;

    // Forgets every file kept (a new run reads its structures anew).
    void Clear();
    std::size_t Count() const { return kept_.size(); }
    // Whether one more file may be kept at all.
    bool HasRoom() const { return bytes_ < Budget; }

    // The content kept of the file whose status is `now`, or nullptr where
    // none is, or the file has changed since.
    const std::string* Find(const struct stat& now) const;
    // Whether a file of status `status`, opened just now, is worth reading
    // whole to keep.
    bool Wants(const struct stat& status) const;
    // Keeps `content`, read of the file of status `status`.
    void Keep(const struct stat& status, std::string content);

private:
    // Device and inode.
    using Key = std::pair<std::uint64_t, std::uint64_t>;
    struct KeyHash {
        std::size_t operator()(const Key& key) const {
            return key.second * 0x9E3779B97F4A7C15ull ^ key.first;
        }
    };
    // Size, mode, modification and change times.
    using Version =
        std::tuple<std::int64_t, std::uint32_t, std::int64_t, std::int64_t, std::int64_t, std::int64_t>;
    struct Kept {
        Version version;
        std::string content;
    };
    static Key KeyOf(const struct stat& status);
    static Version VersionOf(const struct stat& status);

    std::optional<std::chrono::nanoseconds> settling_;
    std::unordered_map<Key, Kept, KeyHash> kept_;
    std::size_t bytes_ = 0;
};

} // namespace platform

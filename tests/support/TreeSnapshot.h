#pragma once
// The one snapshot of a tree the property tests compare: every entry below a
// root, links not followed, with what it is, what it holds and which entry it
// is (file system, inode and birth time), so that an entry put back in its
// place under the same name is told from the one that was there.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace testsupport {

struct EntryIdentityOnDisk {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t bornSeconds = 0;
    uint32_t bornNanoseconds = 0;
    bool operator==(const EntryIdentityOnDisk&) const = default;
};

struct EntryState {
    enum class Kind { Folder, File, Link, Other } kind = Kind::Other;
    std::string content; // a file's bytes, a link's target
    EntryIdentityOnDisk identity;

    // Same kind and content; the identity may differ.
    bool SameContent(const EntryState& other) const { return kind == other.kind && content == other.content; }
    // The very entry, unchanged.
    bool operator==(const EntryState& other) const {
        return SameContent(other) && identity == other.identity;
    }
    std::string Describe() const;
};

// Keys are paths relative to the root, "/" between names.
using TreeSnapshot = std::map<std::string, EntryState>;

TreeSnapshot TakeSnapshot(const std::filesystem::path& root);

// "+ path (what)", "- path (what)", "~ path: what -> what", in path order.
std::vector<std::string> SnapshotDifferences(const TreeSnapshot& before, const TreeSnapshot& after);

// Whether `path` is `ancestor` or lies below it.
bool IsAtOrBelow(const std::string& path, const std::string& ancestor);
// The relative path of a host path below `root` ("" for the root itself).
std::string RelativeTo(const std::filesystem::path& root, const std::filesystem::path& path);

} // namespace testsupport

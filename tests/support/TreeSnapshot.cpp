#include "support/TreeSnapshot.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace testsupport {

namespace {

bool Identify(const std::string& path, EntryState& state, mode_t& mode, uint64_t& size) {
    struct statx details {};
    if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &details) != 0)
        return false;
    state.identity.device = (static_cast<uint64_t>(details.stx_dev_major) << 32) | details.stx_dev_minor;
    state.identity.inode = details.stx_ino;
    if (details.stx_mask & STATX_BTIME) {
        state.identity.bornSeconds = details.stx_btime.tv_sec;
        state.identity.bornNanoseconds = details.stx_btime.tv_nsec;
    }
    mode = details.stx_mode;
    size = details.stx_size;
    return true;
}

void Walk(const std::string& folder, const std::string& relative, TreeSnapshot& snapshot) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return;
    std::vector<std::string> names;
    while (dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(listing);
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        const std::string key = relative.empty() ? name : relative + "/" + name;
        EntryState state;
        mode_t mode = 0;
        uint64_t size = 0;
        if (!Identify(path, state, mode, size))
            continue;
        if (S_ISLNK(mode)) {
            state.kind = EntryState::Kind::Link;
            std::error_code ignored;
            state.content = std::filesystem::read_symlink(path, ignored).string();
        } else if (S_ISDIR(mode)) {
            state.kind = EntryState::Kind::Folder;
        } else if (S_ISREG(mode)) {
            state.kind = EntryState::Kind::File;
            std::ifstream in(path, std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            state.content = bytes.str();
            if (state.content.size() != size)
                state.content += "<unread:" + std::to_string(size) + ">";
        }
        snapshot[key] = state;
        if (state.kind == EntryState::Kind::Folder)
            Walk(path, key, snapshot);
    }
}

} // namespace

std::string EntryState::Describe() const {
    switch (kind) {
    case Kind::Folder:
        return "folder #" + std::to_string(identity.inode);
    case Kind::File:
        return "file \"" + content + "\" #" + std::to_string(identity.inode);
    case Kind::Link:
        return "link -> " + content;
    case Kind::Other:
        break;
    }
    return "other";
}

TreeSnapshot TakeSnapshot(const std::filesystem::path& root) {
    TreeSnapshot snapshot;
    Walk(root.string(), "", snapshot);
    return snapshot;
}

std::vector<std::string> SnapshotDifferences(const TreeSnapshot& before, const TreeSnapshot& after) {
    std::vector<std::string> lines;
    auto old = before.begin();
    auto now = after.begin();
    while (old != before.end() || now != after.end()) {
        if (now == after.end() || (old != before.end() && old->first < now->first)) {
            lines.push_back("- " + old->first + " (" + old->second.Describe() + ")");
            ++old;
        } else if (old == before.end() || now->first < old->first) {
            lines.push_back("+ " + now->first + " (" + now->second.Describe() + ")");
            ++now;
        } else {
            if (!(old->second == now->second))
                lines.push_back("~ " + now->first + ": " + old->second.Describe() + " -> " +
                                now->second.Describe());
            ++old;
            ++now;
        }
    }
    return lines;
}

bool IsAtOrBelow(const std::string& path, const std::string& ancestor) {
    if (ancestor.empty())
        return true;
    return path == ancestor ||
           (path.size() > ancestor.size() && path.compare(0, ancestor.size(), ancestor) == 0 &&
            path[ancestor.size()] == '/');
}

std::string RelativeTo(const std::filesystem::path& root, const std::filesystem::path& path) {
    const std::string relative = path.lexically_relative(root).generic_string();
    return relative == "." ? "" : relative;
}

} // namespace testsupport

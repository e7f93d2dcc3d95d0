#include "runs/SimulatedDisk.h"

#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"

#include <vector>

namespace {

// "C:\a\b" -> "C:\" and {"a", "b"}.
std::vector<std::string> ComponentsOf(const std::string& full) {
    std::vector<std::string> parts;
    std::size_t start = 3;
    while (start < full.size()) {
        std::size_t end = full.find('\\', start);
        if (end == std::string::npos)
            end = full.size();
        parts.push_back(full.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string Prefix(const std::string& full, const std::vector<std::string>& parts, std::size_t count) {
    std::string prefix = full.substr(0, 3);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            prefix += '\\';
        prefix += parts[i];
    }
    return prefix;
}

bool FullPath(const std::string& path, std::string& full) {
    return platform::GetFullPathNameA(path, full) && full.size() >= 3;
}

// The full path of the folder holding `full`; false at a drive's root.
bool ParentOf(const std::string& full, std::string& parent) {
    if (full.size() <= 3)
        return false;
    const std::size_t cut = full.rfind('\\');
    parent = cut <= 2 ? full.substr(0, 3) : full.substr(0, cut);
    return true;
}

} // namespace

std::optional<std::string> SimulatedDisk::KeyOf(const std::string& full) const {
    const std::vector<std::string> parts = ComponentsOf(full);
    for (std::size_t count = parts.size() + 1; count-- > 0;) {
        platform::EntryIdentity identity;
        if (!platform::GetResolvedIdentity(Prefix(full, parts, count), identity))
            continue;
        std::string key = std::to_string(identity.device) + ":" + std::to_string(identity.inode) + ":" +
                          std::to_string(identity.bornSeconds) + "." +
                          std::to_string(identity.bornNanoseconds);
        for (std::size_t i = count; i < parts.size(); ++i)
            key += "\\" + platform::FoldCase(parts[i]);
        return key;
    }
    return std::nullopt;
}

std::optional<SimulatedDisk::Kind> SimulatedDisk::Planned(const std::string& full) const {
    if (planned_.empty())
        return std::nullopt;
    const std::optional<std::string> key = KeyOf(full);
    if (!key)
        return std::nullopt;
    auto found = planned_.find(*key);
    if (found == planned_.end())
        return std::nullopt;
    return found->second;
}

std::optional<SimulatedDisk::Kind> SimulatedDisk::Real(const std::string& full) {
    const uint32_t attributes = platform::GetFileAttributesA(full);
    if (attributes == platform::INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    if (!(attributes & platform::FILE_ATTRIBUTE_DIRECTORY))
        return Kind::File;
    return (attributes & platform::FILE_ATTRIBUTE_REPARSE_POINT) ? Kind::FolderLink : Kind::Folder;
}

std::optional<SimulatedDisk::Kind> SimulatedDisk::Either(const std::string& full) const {
    if (std::optional<Kind> real = Real(full))
        return real;
    return Planned(full);
}

void SimulatedDisk::AddFolder(const std::string& path) {
    std::string full;
    if (!FullPath(path, full))
        return;
    const std::vector<std::string> parts = ComponentsOf(full);
    for (std::size_t count = 1; count <= parts.size(); ++count) {
        const std::string prefix = Prefix(full, parts, count);
        if (Real(prefix))
            continue;
        if (std::optional<std::string> key = KeyOf(prefix))
            planned_.emplace(*key, Kind::Folder);
    }
}

void SimulatedDisk::AddFile(const std::string& path) {
    std::string full;
    if (!FullPath(path, full))
        return;
    if (std::optional<std::string> key = KeyOf(full))
        planned_.emplace(*key, Kind::File);
}

bool SimulatedDisk::FolderExists(const std::string& path) const {
    std::string full;
    if (!FullPath(path, full))
        return false;
    return Either(full) == Kind::Folder;
}

bool SimulatedDisk::LeadsToFolder(const std::string& path) const {
    std::string full;
    if (!FullPath(path, full))
        return false;
    // Links lead on to links at most as far as the host follows them.
    for (int hops = 0; hops < 40; ++hops) {
        const std::optional<Kind> kind = Either(full);
        if (kind == Kind::Folder)
            return true;
        const uint32_t attributes = platform::GetFileAttributesA(full);
        if (kind != Kind::File || attributes == platform::INVALID_FILE_ATTRIBUTES ||
            !(attributes & platform::FILE_ATTRIBUTE_REPARSE_POINT))
            return false;
        std::string target;
        if (!platform::GetLinkTargetA(full, target) || !FullPath(target, full))
            return false;
    }
    return false;
}

bool SimulatedDisk::EntryExists(const std::string& path) const {
    std::string full;
    if (!FullPath(path, full))
        return false;
    return Either(full).has_value();
}

bool SimulatedDisk::Writable(const std::string& full, Kind kind) const {
    if (kind == Kind::File)
        return false;
    if (!Real(full))
        return true;
    auto [known, added] = writable_.try_emplace(platform::FoldCase(full), false);
    if (added)
        known->second = platform::MayCreateEntriesIn(full);
    return known->second;
}

bool SimulatedDisk::CanCreateFolder(const std::string& path) const {
    std::string full;
    if (!FullPath(path, full))
        return false;
    if (full.size() <= 3)
        return Real(full) == Kind::Folder;
    std::string level = full;
    for (;;) {
        if (std::optional<Kind> found = Either(level))
            return level != full && Writable(level, *found);
        std::string parent;
        if (!ParentOf(level, parent))
            return false;
        level = parent;
    }
}

bool SimulatedDisk::CanCreateFile(const std::string& path) const {
    std::string full;
    std::string parent;
    if (!FullPath(path, full) || !ParentOf(full, parent))
        return false;
    const std::optional<Kind> folder = Either(parent);
    return !Either(full) && folder && Writable(parent, *folder);
}

#include "runs/SimulatedDisk.h"

#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"

#include <string_view>
#include <vector>

namespace {

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

std::optional<std::string> IdentityKey(const std::string& path) {
    platform::EntryIdentity identity;
    if (!platform::GetResolvedIdentity(path, identity))
        return std::nullopt;
    return std::to_string(identity.device) + ":" + std::to_string(identity.inode) + ":" +
           std::to_string(identity.bornSeconds) + "." + std::to_string(identity.bornNanoseconds);
}

} // namespace

std::string SimulatedDisk::Located::Prefix(std::size_t count) const {
    if (count == 0)
        return full.substr(0, 3);
    return full.substr(0, names[count - 1].first + names[count - 1].second);
}

SimulatedDisk::Located SimulatedDisk::Locate(const std::string& full) {
    Located located;
    located.full = full;
    // "C:\a\b" -> "C:\" and the names "a", "b".
    for (std::size_t start = 3; start < full.size();) {
        std::size_t end = full.find('\\', start);
        if (end == std::string::npos)
            end = full.size();
        located.names.emplace_back(start, end - start);
        start = end + 1;
    }
    // A level that resolves has every level above it resolving: the deepest
    // one is searched by halves. The usual question, a new folder in a
    // folder that is there, is settled by the first two looks.
    const std::size_t levels = located.names.size();
    if ((located.anchor = IdentityKey(full))) {
        located.real = levels;
        return located;
    }
    if (levels == 0)
        return located;
    if ((located.anchor = IdentityKey(located.Prefix(levels - 1)))) {
        located.real = levels - 1;
        return located;
    }
    if (!(located.anchor = IdentityKey(located.Prefix(0))))
        return located;
    std::size_t found = 0;            // resolves
    std::size_t missing = levels - 1; // does not
    while (missing - found > 1) {
        const std::size_t middle = found + (missing - found) / 2;
        if (std::optional<std::string> key = IdentityKey(located.Prefix(middle))) {
            found = middle;
            located.anchor = std::move(key);
        } else {
            missing = middle;
        }
    }
    located.real = found;
    return located;
}

SimulatedDisk::PlannedLevel SimulatedDisk::DeepestPlanned(const Located& located) const {
    PlannedLevel deepest{located.real, std::nullopt};
    if (!located.anchor)
        return deepest;
    auto anchor = anchors_.find(*located.anchor);
    if (anchor == anchors_.end())
        return deepest;
    std::size_t node = anchor->second;
    for (std::size_t level = located.real; level < located.names.size(); ++level) {
        const auto [offset, length] = located.names[level];
        auto child =
            children_.find({node, platform::FoldCase(std::string_view(located.full).substr(offset, length))});
        if (child == children_.end())
            break;
        node = child->second;
        if (kinds_[node])
            deepest = {level + 1, kinds_[node]};
    }
    return deepest;
}

void SimulatedDisk::Plan(const Located& located, std::size_t count, Kind last) {
    if (!located.anchor)
        return;
    auto [anchor, added] = anchors_.try_emplace(*located.anchor, kinds_.size());
    if (added)
        kinds_.emplace_back();
    std::size_t node = anchor->second;
    for (std::size_t level = located.real; level < count; ++level) {
        const auto [offset, length] = located.names[level];
        auto [child, made] = children_.try_emplace(
            {node, platform::FoldCase(std::string_view(located.full).substr(offset, length))}, kinds_.size());
        if (made)
            kinds_.emplace_back();
        node = child->second;
        // What is there already stays as it is, as on the disk.
        if (!kinds_[node] && (level + 1 == count || last == Kind::Folder))
            kinds_[node] = level + 1 == count ? last : Kind::Folder;
    }
}

std::optional<SimulatedDisk::Kind> SimulatedDisk::Planned(const std::string& full) const {
    if (kinds_.empty())
        return std::nullopt;
    const Located located = Locate(full);
    const PlannedLevel deepest = DeepestPlanned(located);
    if (deepest.count != located.names.size())
        return std::nullopt;
    return deepest.kind;
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
    const Located located = Locate(full);
    const std::size_t levels = located.names.size();
    // Below an entry that leads nowhere (a dangling link) nothing is made.
    if (located.real < levels && Real(located.Prefix(located.real + 1)))
        return;
    Plan(located, levels, Kind::Folder);
}

void SimulatedDisk::AddFile(const std::string& path) {
    std::string full;
    if (!FullPath(path, full))
        return;
    const Located located = Locate(full);
    if (located.real < located.names.size())
        Plan(located, located.names.size(), Kind::File);
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
    // The deepest level there, real or made: the folder is made in it.
    const Located located = Locate(full);
    const std::size_t levels = located.names.size();
    if (!located.anchor)
        return false;
    const PlannedLevel planned = DeepestPlanned(located);
    if (planned.kind && planned.count > located.real)
        return planned.count != levels && Writable(located.Prefix(planned.count), *planned.kind);
    std::size_t count = located.real;
    if (count < levels && Real(located.Prefix(count + 1)))
        ++count; // an entry that is there but leads nowhere
    const std::string level = located.Prefix(count);
    const std::optional<Kind> found = Real(level);
    return found && count != levels && Writable(level, *found);
}

bool SimulatedDisk::CanCreateFile(const std::string& path) const {
    std::string full;
    std::string parent;
    if (!FullPath(path, full) || !ParentOf(full, parent))
        return false;
    const std::optional<Kind> folder = Either(parent);
    return !Either(full) && folder && Writable(parent, *folder);
}

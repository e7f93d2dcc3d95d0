#include "manage/rename/RenameDisk.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathNormalising.h"
#include "platform/CaseFolding.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/FolderRename.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// The simulated disk's names of a path: its normal form cut at backslashes.
// Empty when the path has no drive, which no simulated rename can touch.
std::vector<std::string> NamesOf(const std::string& path) {
    const std::string normal = SlashesToBackslashes(FolderNormalForm(path));
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= normal.size()) {
        std::size_t end = normal.find('\\', start);
        if (end == std::string::npos)
            end = normal.size();
        if (end > start)
            names.push_back(normal.substr(start, end - start));
        start = end + 1;
    }
    if (names.empty() || names[0].size() != 2 || names[0][1] != ':')
        return {};
    return names;
}

std::string Below(const std::string& folder, const std::string& name) {
    return folder.empty() ? name + "\\" : folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

constexpr int MostLinksFollowed = 32;

} // namespace

struct SimulatedRenameDisk::Node {
    std::string onDisk; // the entry's path on the disk itself
    std::string name;   // the name a simulated rename gave it
    bool renamed = false;
    // The names of this folder the simulation changed or looked through,
    // folded: each leads to the entry now under it, or to nothing when a
    // rename took the name away.
    std::unordered_map<std::string, std::unique_ptr<Node>> names;
};

SimulatedRenameDisk::SimulatedRenameDisk() : drives_(std::make_unique<Node>()) {}

SimulatedRenameDisk::~SimulatedRenameDisk() = default;

namespace {

// `path` as the platform's calls take it: backslashes, no trailing one. Most
// paths of a run are so already and are not copied.
const std::string& PlatformPath(const std::string& path, std::string& converted) {
    if (path.find('/') == std::string::npos && (path.empty() || path.back() != '\\'))
        return path;
    converted = ExcludeTrailingPathDelimiter(SlashesToBackslashes(path));
    return converted;
}

} // namespace

bool HostRenameDisk::FactsBeforeMove(const std::string& from, const std::string& to, EntryFacts& entry,
                                     EntryFacts& there) {
    std::string fromConverted;
    std::string toConverted;
    looked_.Aim(PlatformPath(from, fromConverted), PlatformPath(to, toConverted));
    lookedAt_ = true;
    platform::EntryDetails entryDetails;
    platform::EntryDetails thereDetails;
    if (!looked_.Look(entryDetails, thereDetails, true))
        return false;
    entry = FactsFrom(entryDetails);
    there = FactsFrom(thereDetails);
    return true;
}

bool HostRenameDisk::Move(const std::string& from, const std::string& to) {
    const bool lookedAt = lookedAt_ && looked_.Path() == from && looked_.NewPath() == to;
    lookedAt_ = false;
    return lookedAt ? looked_.Rename() : platform::RenameWithinFolder(from, to);
}

SimulatedRenameDisk::Place SimulatedRenameDisk::Find(const std::string& path, bool record) {
    Place place;
    const std::vector<std::string> names = NamesOf(path);
    if (names.empty()) {
        place.onDisk = path;
        return place;
    }
    Node* node = drives_.get();
    std::string onDisk;
    for (const std::string& name : names) {
        std::string key = platform::FoldCase(name);
        std::string below = Below(onDisk, name);
        Node* const folder = node;
        Node* next = nullptr;
        if (folder) {
            auto found = folder->names.find(key);
            if (found != folder->names.end()) {
                if (!found->second) {
                    place.missing = true;
                    return place;
                }
                next = found->second.get();
                below = next->onDisk;
            } else if (record) {
                auto made = std::make_unique<Node>();
                made->onDisk = below;
                next = made.get();
                folder->names.emplace(key, std::move(made));
            }
        }
        node = next;
        onDisk = std::move(below);
        place.parent = folder;
        place.key = std::move(key);
    }
    place.node = node;
    place.onDisk = std::move(onDisk);
    return place;
}

bool SimulatedRenameDisk::FollowExactly(const std::string& target, std::string& onDisk) {
    const std::vector<std::string> names = NamesOf(target);
    if (names.empty())
        return false;
    Node* node = drives_.get();
    onDisk.clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        std::string below = Below(onDisk, name);
        bool namedByRename = false;
        Node* next = nullptr;
        if (node) {
            auto found = node->names.find(platform::FoldCase(name));
            if (found != node->names.end()) {
                if (!found->second)
                    return false;
                next = found->second.get();
                below = next->onDisk;
                // A name the simulation gave is found only as it was given.
                if (next->renamed) {
                    if (next->name != name)
                        return false;
                    namedByRename = true;
                }
            }
        }
        // The drive's letter is no name on the disk; any other name must be
        // spelt as the disk spells it.
        if (i > 0 && !namedByRename && NameOnDisk(below) != name)
            return false;
        node = next;
        onDisk = std::move(below);
    }
    return true;
}

EntryKind SimulatedRenameDisk::KindOnDisk(const std::string& onDisk, int linksFollowed) {
    const EntryKind kind = KindOfEntry(onDisk);
    // A link leads to whatever is at its target now: a rename of the target
    // (or of a folder above it, or of its letter case) leaves the link leading
    // nowhere, as the run finds it, and a rename to the target's name gives it
    // a folder again. A ring of links leads nowhere.
    std::string target;
    if (kind == EntryKind::Folder || kind == EntryKind::Missing || !platform::GetLinkTargetA(onDisk, target))
        return kind;
    std::string targetOnDisk;
    if (linksFollowed >= MostLinksFollowed || !FollowExactly(target, targetOnDisk))
        return EntryKind::Other;
    const EntryKind targetKind = KindOnDisk(targetOnDisk, linksFollowed + 1);
    return targetKind == EntryKind::Folder || targetKind == EntryKind::FolderLink ? EntryKind::FolderLink
                                                                                  : EntryKind::Other;
}

EntryFacts SimulatedRenameDisk::AsRenamed(EntryFacts facts, const Place& place) {
    if (facts.kind == EntryKind::FolderLink || facts.kind == EntryKind::Other)
        facts.kind = KindOnDisk(place.onDisk, 0);
    if (place.node && place.node->renamed)
        facts.name = place.node->name;
    return facts;
}

EntryFacts SimulatedRenameDisk::Facts(const std::string& path) {
    const Place place = Find(path, false);
    if (place.missing)
        return {};
    return AsRenamed(FactsOf(place.onDisk), place);
}

bool SimulatedRenameDisk::FactsBeforeMove(const std::string& from, const std::string& to, EntryFacts& entry,
                                          EntryFacts& there) {
    const Place source = Find(from, false);
    const Place target = Find(to, false);
    if (source.missing || target.missing)
        return false;
    // A folder whose names are followed has no link on its way.
    platform::EntryDetails sourceDetails;
    platform::EntryDetails targetDetails;
    if (!platform::LookBeforeRename(source.onDisk, target.onDisk, sourceDetails, targetDetails))
        return false;
    entry = AsRenamed(FactsFrom(sourceDetails), source);
    there = AsRenamed(FactsFrom(targetDetails), target);
    return true;
}

bool SimulatedRenameDisk::ThroughLink(const std::string& path) {
    const Place place = Find(path, false);
    if (place.missing)
        return false;
    // The simulation changes nothing on the disk: a folder found to be no
    // link, below no link, stays so for the rest of it, and the many lines of
    // one folder ask of it once.
    const std::string folder = platform::FoldCase(ExtractFileDir(place.onDisk));
    if (linkFreeFolders_.count(folder))
        return false;
    if (ReachedThroughLink(place.onDisk))
        return true;
    linkFreeFolders_.insert(folder);
    return false;
}

bool SimulatedRenameDisk::Move(const std::string& from, const std::string& to) {
    // What the disk would refuse as a name, the simulation refuses too.
    std::string normal;
    if (!TakeFolderNormalForm(to, normal))
        return false;
    const std::vector<std::string> newNames = NamesOf(normal);
    const Place place = Find(from, true);
    if (place.missing || !place.parent || newNames.empty())
        return false;
    // A rename takes the entry's name out of its folder: the disk refuses it
    // where this user may not remove the entry from there.
    if (!platform::MayRemoveEntry(place.onDisk))
        return false;
    auto found = place.parent->names.find(place.key);
    // The old name is taken away first: a rename to another case of the name
    // gives it back under its new letters.
    std::unique_ptr<Node> moving = std::move(found->second);
    moving->renamed = true;
    moving->name = newNames.back();
    place.parent->names[platform::FoldCase(moving->name)] = std::move(moving);
    return true;
}

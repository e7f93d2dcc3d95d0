#include "manage/rename/RenameDisk.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathNormalising.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"

namespace {

std::string Normalised(const std::string& path) {
    return ExcludeTrailingPathDelimiter(
        CollapseDoubleBackslashes(SlashesToBackslashes(FolderNormalForm(path))));
}

// The rest of `path` below `folder` ("" for the folder itself, "\x" below it),
// letter case ignored; false when the path is not the folder or inside it.
bool Below(const std::string& path, const std::string& folder, std::string& rest) {
    const std::string p = AnsiLowerCase(path);
    const std::string f = AnsiLowerCase(folder);
    if (p.size() < f.size() || p.compare(0, f.size(), f) != 0)
        return false;
    if (p.size() > f.size() && p[f.size()] != '\\')
        return false;
    rest = path.substr(folder.size());
    return true;
}

} // namespace

bool HostRenameDisk::Move(const std::string& from, const std::string& to) {
    return platform::MoveFileA(from, to);
}

bool SimulatedRenameDisk::OnDisk(const std::string& path, std::string& onDisk, std::string* renamedTo) const {
    std::string current = Normalised(path);
    bool outermost = true;
    for (auto rename = renames_.rbegin(); rename != renames_.rend(); ++rename) {
        std::string rest;
        // A rename to another case of the name is both: the new name wins.
        if (Below(current, rename->to, rest)) {
            if (outermost && rest.empty() && renamedTo)
                *renamedTo = ExtractFileName(rename->to);
            current = rename->from + rest;
            outermost = false;
        } else if (Below(current, rename->from, rest)) {
            return false;
        }
    }
    onDisk = current;
    return true;
}

EntryKind SimulatedRenameDisk::Kind(const std::string& path) {
    return KindAfterRenames(path, 0);
}

EntryKind SimulatedRenameDisk::KindAfterRenames(const std::string& path, int linksFollowed) const {
    std::string onDisk;
    if (!OnDisk(path, onDisk))
        return EntryKind::Missing;
    const EntryKind kind = KindOfEntry(onDisk);
    // A link leads to whatever is at its target now: a rename of the target
    // (or of a folder above it) leaves the link leading nowhere, as the run
    // finds it, and a rename to the target's name gives it a folder again.
    // A ring of links leads nowhere.
    std::string target;
    if (kind == EntryKind::Folder || kind == EntryKind::Missing || !platform::GetLinkTargetA(onDisk, target))
        return kind;
    constexpr int MostLinksFollowed = 32;
    if (linksFollowed >= MostLinksFollowed)
        return EntryKind::Other;
    const EntryKind targetKind = KindAfterRenames(target, linksFollowed + 1);
    return targetKind == EntryKind::Folder || targetKind == EntryKind::FolderLink ? EntryKind::FolderLink
                                                                                  : EntryKind::Other;
}

bool SimulatedRenameDisk::ThroughLink(const std::string& path) {
    std::string onDisk;
    return OnDisk(path, onDisk) && ReachedThroughLink(onDisk);
}

std::string SimulatedRenameDisk::OwnName(const std::string& path) {
    std::string onDisk;
    std::string renamedTo;
    if (!OnDisk(path, onDisk, &renamedTo))
        return {};
    return renamedTo.empty() ? NameOnDisk(onDisk) : renamedTo;
}

std::optional<platform::EntryIdentity> SimulatedRenameDisk::Identity(const std::string& path) {
    std::string onDisk;
    if (!OnDisk(path, onDisk))
        return std::nullopt;
    return IdentityOf(onDisk);
}

bool SimulatedRenameDisk::Move(const std::string& from, const std::string& to) {
    // What the disk would refuse as a name, the simulation refuses too.
    if (!platform::ToHostPath(to))
        return false;
    renames_.push_back({Normalised(from), Normalised(to)});
    return true;
}

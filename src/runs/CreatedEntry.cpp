#include "runs/CreatedEntry.h"

#include "platform/Drives.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <string_view>

namespace {

// A last name that stays a name of its own in the path's full form: not
// empty, not "." or "..", not only dots and blanks (which Windows drops).
bool IsPlainName(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char c) { return c != '.' && c != ' '; });
}

// Where the path's last name begins, less one; npos when it has no
// separator. A plain loop: a run asks it of every entry it makes.
std::size_t LastSeparator(const std::string& path) {
    for (std::size_t at = path.size(); at > 0; --at) {
        if (path[at - 1] == '\\' || path[at - 1] == '/')
            return at - 1;
    }
    return std::string::npos;
}

} // namespace

const std::string& CreatedEntry::HostFolder() const {
    static const std::string unknown;
    return hostFolder ? *hostFolder : unknown;
}

CreatedEntry CreatedEntry::Of(const platform::EntryDetails& details, std::string hostFolder) {
    return Of(details, std::make_shared<const std::string>(std::move(hostFolder)));
}

CreatedEntry CreatedEntry::Of(const platform::EntryDetails& details,
                              std::shared_ptr<const std::string> hostFolder) {
    return {details.identity,
            details.kind,
            details.size,
            details.modifiedSeconds,
            details.modifiedNanoseconds,
            details.changedSeconds,
            details.changedNanoseconds,
            std::move(hostFolder)};
}

std::optional<CreatedEntry> CreatedEntryRecorder::Record(const std::string& path,
                                                         const std::optional<platform::EntryDetails>& made) {
    platform::EntryDetails looked;
    if (!made)
        looked = platform::GetEntryDetails(path);
    const platform::EntryDetails& details = made ? *made : looked;
    if (details.kind == platform::EntryKind::Missing)
        return std::nullopt;
    CreatedEntry entry = CreatedEntry::Of(details, std::shared_ptr<const std::string>());
    // A run makes entry after entry in one folder: a path that differs from
    // the last one only in a plain last name lies in the same folder.
    const std::size_t lastCut = LastSeparator(path);
    const bool sameFolder = lastCut != std::string::npos && !lastFolderText_.empty() &&
                            lastCut == lastFolderText_.size() &&
                            path.compare(0, lastCut, lastFolderText_) == 0 &&
                            IsPlainName(std::string_view(path).substr(lastCut + 1));
    if (sameFolder) {
        entry.hostFolder = lastHostFolder_;
        return entry;
    }
    // Only a folder of a drive's full form is known by its text as written:
    // what "C:name" or "\\name" stands for follows the current directory.
    // Any other is told by the full form of its text. Neither costs a look
    // at the disk; only a folder not met before is resolved.
    const bool driveForm = lastCut != std::string::npos && path.size() > 2 && path[1] == ':' &&
                           (path[2] == '\\' || path[2] == '/');
    const bool plainName =
        lastCut != std::string::npos && IsPlainName(std::string_view(path).substr(lastCut + 1));
    std::string folder;
    if (driveForm && plainName) {
        folder = path.substr(0, lastCut);
    } else {
        std::string full;
        if (!platform::GetFullPathNameA(path, full))
            full.clear();
        while (full.size() > 3 && full.back() == '\\')
            full.pop_back();
        const std::size_t cut = full.rfind('\\');
        if (cut != std::string::npos)
            folder = full.substr(0, cut);
    }
    // A list of full paths may go round thousands of folders; past that many
    // they are resolved anew.
    constexpr std::size_t MaxFolders = 16384;
    auto known = folder.empty() ? hostFolders_.end() : hostFolders_.find(folder);
    if (known == hostFolders_.end()) {
        if (hostFolders_.size() >= MaxFolders)
            hostFolders_.clear();
        auto hostFolder = std::make_shared<const std::string>(platform::ResolvedHostFolderOf(path));
        if (folder.empty())
            entry.hostFolder = std::move(hostFolder);
        else
            known = hostFolders_.emplace(folder, std::move(hostFolder)).first;
    }
    if (known != hostFolders_.end())
        entry.hostFolder = known->second;
    if (driveForm && plainName && !folder.empty()) {
        lastFolderText_ = std::move(folder);
        lastHostFolder_ = entry.hostFolder;
    } else {
        lastFolderText_.clear();
    }
    return entry;
}

bool StandsWhereMade(const std::string& path, const CreatedEntry& recorded) {
    // The name it was made under: the last name of the path's full form.
    std::string full;
    if (!platform::GetFullPathNameA(path, full))
        return false;
    while (full.size() > 3 && full.back() == '\\')
        full.pop_back();
    const std::size_t cut = full.rfind('\\');
    if (cut == std::string::npos || cut + 1 >= full.size())
        return false;
    return platform::EntryStandsIn(recorded.HostFolder(), full.substr(cut + 1), recorded.identity);
}

UndoStanding StandingOf(const std::string& path, const std::optional<CreatedEntry>& recorded) {
    const platform::EntryDetails now = platform::GetEntryDetails(path);
    if (now.kind == platform::EntryKind::Missing)
        return UndoStanding::Gone;
    if (!recorded || now.kind != recorded->kind || now.identity != recorded->identity)
        return UndoStanding::NotOwn;
    if (!recorded->identity.distinct)
        return UndoStanding::CannotTell;
    // A folder's own times change with what is made in it; only a file's
    // tell that the person changed it. Its modification time can be put back
    // (`touch -r`); its change time cannot.
    if (now.kind == platform::EntryKind::File &&
        (now.size != recorded->size || now.modifiedSeconds != recorded->modifiedSeconds ||
         now.modifiedNanoseconds != recorded->modifiedNanoseconds ||
         now.changedSeconds != recorded->changedSeconds ||
         now.changedNanoseconds != recorded->changedNanoseconds))
        return UndoStanding::NotOwn;
    const std::string hostFolder = platform::ResolvedHostFolderOf(path);
    if (hostFolder.empty() || hostFolder != recorded->HostFolder())
        return UndoStanding::OtherWay;
    return UndoStanding::RunsOwn;
}

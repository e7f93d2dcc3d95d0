#include "runs/CreatedEntriesUndo.h"

#include "common/FrameworkPaths.h"
#include "platform/FileSystem.h"

namespace {

bool EntryExists(const std::string& path) {
    return platform::GetFileAttributesA(path) != platform::INVALID_FILE_ATTRIBUTES;
}

} // namespace

bool CreatedEntriesUndo::WentWithItsFolder(const std::string& path, const CreatedEntry& recorded) {
    if (emptied_.empty())
        return false;
    const std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos || cut + 1 == path.size())
        return false;
    const auto folder = emptied_.find(path.substr(0, cut));
    if (folder == emptied_.end() || folder->second != recorded.HostFolder())
        return false;
    // What it held went with it as well.
    if (recorded.kind == platform::EntryKind::Folder)
        emptied_.emplace(path, folder->second + "/" + path.substr(cut + 1));
    return true;
}

UndoOutcome CreatedEntriesUndo::RemoveFolder(const std::string& path,
                                             const std::optional<CreatedEntry>& recorded) {
    if (recorded && WentWithItsFolder(path, *recorded))
        return UndoOutcome::Gone;
    // Only a path on a drive letter is undone: what a path without one
    // names follows the current directory, which may have moved since the
    // run, and a network path names no folder of this machine.
    if (recorded && recorded->kind == platform::EntryKind::Folder && ExtractFileDrive(path).size() == 2 &&
        folders_.Remove(path, recorded->identity, recorded->HostFolder())) {
        if (!folders_.LastEmptied().empty())
            emptied_.emplace(path, folders_.LastEmptied());
        return UndoOutcome::Removed;
    }
    // Whatever is at the path now is still there, folder or not; so is the
    // folder the run made where only the way to it is gone (a link on its
    // path deleted): it is named, not taken for one the person deleted.
    if (EntryExists(path) || (recorded && StandsWhereMade(path, *recorded)))
        return UndoOutcome::Left;
    return UndoOutcome::Gone;
}

UndoOutcome CreatedEntriesUndo::RemoveFile(const std::string& path,
                                           const std::optional<CreatedEntry>& recorded) {
    if (recorded && WentWithItsFolder(path, *recorded))
        return UndoOutcome::Gone;
    const UndoStanding standing = StandingOf(path, recorded);
    if (standing == UndoStanding::Gone)
        return UndoOutcome::Gone;
    if (standing != UndoStanding::RunsOwn)
        return UndoOutcome::Left;
    if (platform::DeleteFileA(path))
        return UndoOutcome::Removed;
    return EntryExists(path) ? UndoOutcome::Left : UndoOutcome::Gone;
}

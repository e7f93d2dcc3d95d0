#include "manage/rename/RenameRules.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/CaseFolding.h"

RenameOutcome RenameOne(RenameDisk& disk, const std::string& source, const std::string& target,
                        EntryFacts& renamed) {
    renamed = {};
    // A text without a drive, and a drive's root ("D:", "D:\"), name nothing
    // a rename may take. Asked of every line, so nothing is copied.
    std::string_view trimmed = TrimmedView(source);
    if (!trimmed.empty() && trimmed.back() == '\\')
        trimmed.remove_suffix(1);
    if (!HasFileDrive(source) || trimmed.size() <= 2)
        return RenameOutcome::Other;
    EntryFacts entry;
    EntryFacts there;
    const bool together = disk.FactsBeforeMove(source, target, entry, there);
    if (!together) {
        if (disk.ThroughLink(source))
            return RenameOutcome::Other;
        entry = disk.Facts(source);
    }
    switch (entry.kind) {
    case EntryKind::Missing:
        return RenameOutcome::SourceMissing;
    case EntryKind::Other:
        return RenameOutcome::Other;
    case EntryKind::Folder:
    case EntryKind::FolderLink:
        break;
    }
    const std::string_view newName = std::string_view(target).substr(FileNameStart(target));
    if (TrimmedView(newName).empty())
        return RenameOutcome::Other;
    if (!together)
        there = disk.Facts(target);
    if (there.kind != EntryKind::Missing) {
        const bool caseOnly = entry.identity && there.identity == entry.identity &&
                              platform::SameIgnoringCase(entry.name, newName) && entry.name != newName;
        if (!caseOnly)
            return RenameOutcome::DestinationExists;
    }
    if (!disk.Move(source, target))
        return RenameOutcome::Other;
    renamed = std::move(entry);
    return RenameOutcome::Renamed;
}

#include "manage/rename/RenameRules.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"

RenameOutcome RenameOne(RenameDisk& disk, const std::string& source, const std::string& target,
                        std::optional<platform::EntryIdentity>& identity) {
    identity.reset();
    if (Trim(ExtractFileDrive(source)).empty() || ExcludeTrailingPathDelimiter(Trim(source)).size() <= 2)
        return RenameOutcome::Other;
    if (disk.ThroughLink(source))
        return RenameOutcome::Other;
    switch (disk.Kind(source)) {
    case EntryKind::Missing:
        return RenameOutcome::SourceMissing;
    case EntryKind::Other:
        return RenameOutcome::Other;
    case EntryKind::Folder:
    case EntryKind::FolderLink:
        break;
    }
    const std::string newName = ExtractFileName(target);
    if (Trim(newName).empty())
        return RenameOutcome::Other;
    const std::optional<platform::EntryIdentity> renamed = disk.Identity(source);
    if (disk.Kind(target) != EntryKind::Missing) {
        const std::string ownName = disk.OwnName(source);
        const bool caseOnly = renamed && disk.Identity(target) == renamed && AnsiSameText(ownName, newName) &&
                              ownName != newName;
        if (!caseOnly)
            return RenameOutcome::DestinationExists;
    }
    if (!disk.Move(source, target))
        return RenameOutcome::Other;
    identity = renamed;
    return RenameOutcome::Renamed;
}

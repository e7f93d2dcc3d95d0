#pragma once
// What Undo knows of an entry a run made, and whether a path still leads to
// it. An entry is still the run's own while its path leads, through the very
// folders it was made in (no link put in their place since), to the same
// entry (EntryIdentity: a folder the person made anew under the old name is
// another entry; an identity that cannot tell a reused inode apart is never
// taken for the run's), and a file keeps the size, modification and change
// time it had when the run last touched it: a file the person edited in
// place, its modification time put back or not, is the person's now.
// Undo removes only what is still the run's own and names everything else.

#include "platform/EntryDetails.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

struct CreatedEntry {
    platform::EntryIdentity identity;
    platform::EntryKind kind = platform::EntryKind::Missing;
    uint64_t size = 0;
    int64_t modifiedSeconds = 0;
    uint32_t modifiedNanoseconds = 0;
    int64_t changedSeconds = 0;
    uint32_t changedNanoseconds = 0;
    // Where the folder holding the entry was on the host, links resolved
    // (none: not known). A run makes thousands of entries in one folder, and
    // they share its text rather than each holding a copy.
    std::shared_ptr<const std::string> hostFolder;

    // The host folder's text, "" when not known.
    const std::string& HostFolder() const;

    // The entry as read, in `hostFolder`.
    static CreatedEntry Of(const platform::EntryDetails& details, std::string hostFolder);
    static CreatedEntry Of(const platform::EntryDetails& details,
                           std::shared_ptr<const std::string> hostFolder);
};

// Takes note of the entry a run has just made at `path`; nothing when
// nothing is there. Where each folder holding entries lies is remembered, so
// that a run making many entries in a few folders (or going round many) resolves
// each once: a link put in its way during the run then makes Undo leave the
// entries, never take more. `made`: the entry as it was read when it was
// made, when it was; else it is read now.
class CreatedEntryRecorder {
public:
    std::optional<CreatedEntry> Record(const std::string& path,
                                       const std::optional<platform::EntryDetails>& made = std::nullopt);

private:
    // A folder's text (as written in a drive's full form, else its full
    // form) -> its host path, links resolved.
    std::unordered_map<std::string, std::shared_ptr<const std::string>> hostFolders_;
    // The text before the last name of the last path recorded, as written,
    // and where that folder lies on the host; empty when not to be trusted.
    std::string lastFolderText_;
    std::shared_ptr<const std::string> lastHostFolder_;
};

enum class UndoStanding {
    Gone,       // nothing at the path: the person deleted it, or it went with its folder
    RunsOwn,    // still the entry the run made, reached as it was then
    NotOwn,     // another entry in its place, or a file changed since
    CannotTell, // the same inode, on a file system that cannot tell a reused one apart
    OtherWay    // the entry, but reached another way than then (a link put on its way)
};

// Whether the entry the run made still stands where it was made, in the
// host folder it was made in, even where `path` no longer leads to it (a
// link on the way deleted since).
bool StandsWhereMade(const std::string& path, const CreatedEntry& recorded);

// `recorded` empty: the run could not take note of the entry, so whatever is
// at the path now cannot be told to be the run's own.
UndoStanding StandingOf(const std::string& path, const std::optional<CreatedEntry>& recorded);

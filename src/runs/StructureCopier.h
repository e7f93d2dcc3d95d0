#pragma once
// What the attach walk makes of what it found in a structure: the target of
// the structure, its subfolders and its files (and links) at their
// destinations, on the disk in a run and on the simulated disk in a
// simulation, never overwriting anything. Where the walk has just made the
// target it holds it open, and makes what goes into it relative to it, by
// the names listed; otherwise by each destination's whole path. A folder
// made is noted, where the page asks for it, as Undo keeps it.

#include "common/FrameworkFiles.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolderCopy.h"
#include "platform/KeptContents.h"
#include "runs/CreatedEntry.h"
#include "runs/CreationCounters.h"
#include "runs/SimulatedDisk.h"

#include <optional>
#include <string>

enum class SubfolderResult { Created, Exists, Failed };
enum class FileResult { Created, Exists, Failed };

class StructureCopier {
public:
    // `counters` say whether most folders are new so far; `kept` holds the
    // structures' small files, read once a run; `noteMade`: each folder made
    // is noted for Undo.
    StructureCopier(const CreationCounters& counters, platform::KeptContents& kept, SimulatedDisk& simulated,
                    bool noteMade);

    // A new structure: nothing of the last target is held any more.
    void StartTarget();
    void ReleaseTarget() { target_.Release(); }
    // Holds the target `target` for the copies made relative to it; false
    // when it cannot be held.
    bool HoldTarget(const std::string& target);
    const platform::HeldFolder& HeldTarget() const { return target_; }

    // Makes the target `target`: Made only where this call made it; `made`
    // gets the folder as the creating call read it back.
    FolderMaking MakeTarget(const std::string& target, std::optional<platform::EntryDetails>& made);
    // Holds the target made just now and notes what Undo keeps of it, only
    // while it is still the folder the creating call made.
    void NoteMadeTarget(const std::string& target, const std::optional<platform::EntryDetails>& made);
    // What the simulation makes of the target.
    SubfolderResult SimulateTarget(const std::string& target);

    // What becomes of a subfolder of the structure: created (with any
    // missing parents), already there as a real folder, or not to be created.
    SubfolderResult CreateSubfolder(const std::string& destination);
    // The same, made at `relative` below the held target where it can be;
    // `fresh`: it was, by that path.
    SubfolderResult CreateSubfolderBelow(const std::string& relative, const std::string& destination,
                                         bool& fresh);
    SubfolderResult SimulateSubfolder(const std::string& destination);

    // Copies the entry of the held folder `source` by the destination's whole path.
    FileResult CopyEntry(const platform::FolderEntry& entry, const platform::HeldFolder& source,
                         const std::string& destination);
    // The same, copied to `relative` below the held target where it can be.
    FileResult CopyFileBelow(const platform::FolderEntry& entry, const platform::HeldFolder& source,
                             const std::string& relative, const std::string& destination);
    // `source`: the entry's whole path in the structure.
    FileResult SimulateEntry(const platform::FolderEntry& entry, const std::string& source,
                             const std::string& destination);

    // What was noted of the folder made last, handed over once.
    std::optional<CreatedEntry> TakeLastMade();

private:
    // Keeps what Undo needs of a folder made by its whole path, as the
    // creating call read it back (nothing: it cannot be told to be the
    // walk's, and Undo will leave it).
    void NoteMade(const std::string& destination, const std::optional<platform::EntryDetails>& made);
    // What Undo keeps of the folder just made at `relative` below the target.
    std::optional<CreatedEntry> MadeEntry(const platform::EntryDetails& details, const std::string& relative);
    // What Undo keeps of the target, made and held just now.
    std::optional<CreatedEntry> HeldTargetEntry();
    bool MostlyNew() const { return counters_.Created.SubFolders >= counters_.Exists.SubFolders; }

    const CreationCounters& counters_;
    platform::KeptContents& kept_;
    SimulatedDisk& simulated_;
    bool noteMade_;
    // The target, where the walk has just made it.
    platform::HeldFolder target_;
    // Where the held target finally is on the host, once asked.
    std::string targetReal_;
    std::optional<CreatedEntry> lastMade_;
};

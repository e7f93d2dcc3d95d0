#pragma once
// The attach walk: copies one folder structure, breadth first, into a folder a
// creation run has just created, without ever overwriting a file, and counts
// every subfolder and file it creates, finds already there or fails on; and its
// counting twin for simulations, which creates nothing. Each creation page owns
// one walk over its own counter block, with its own message numbers and texts.
//
// The walk never lists, copies or descends into a folder the run itself
// created (registered with AddOwnFolder, told by its identity on disk, not by
// its text), nor, where the page asks for it, into the folder it copies into:
// a structure that contains the destination, also through a link, would
// otherwise copy its own copies until paths overflow, and a run and its
// simulation would not agree on what a structure holds.
//
// What the walk meets in a structure:
// - a folder is created (or found, when a real folder is there) and walked;
//   one that cannot be created counts under Other, and so does all below it,
//   which is then never written: a link or file in its place could lead out
//   of the new folder; one that cannot be listed or entered is not created
//   (an empty copy would pass for a whole one) and counts under Other, as
//   `cp -r` does; a target that cannot be made counts under Other with
//   everything below it;
// - a file is copied in the with-files modes; a link (to a folder, a file or
//   nothing) is copied as a link with the same target, counted as a file of
//   0 bytes, and never followed; a copy that fails counts under Other, one
//   whose destination is taken under Exists;
// - an entry whose name no Windows path can hold counts under Other and is
//   never joined into a path.
// Subfolders and files under Other are listed in the statistics window's
// "Other reasons" list, or where the page keeps them (RecordedFailures). The
// simulation applies the same rules to the disk as it is plus what it has
// simulated so far (SimulatedDisk), and asks what the run will be refused on
// (a source file it may not read, a folder it may not write into), so that a
// run and its simulation count alike.

#include "common/FolderTreeScanner.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolderCopy.h"
#include "platform/KeptContents.h"
#include "runs/CreatedFileList.h"
#include "runs/CreationCounterBlock.h"
#include "runs/CreationCounters.h"
#include "runs/SimulatedDisk.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

// The boxes a walk shows when a file it counts has no size in the page's
// size map (it appeared after the structure scan): one for a file copied (or,
// in a simulation, to be copied), one for a file that was not.
struct AttachWalkTexts {
    std::string copiedCaption;
    std::string copiedText; // the source file's path follows
    std::string notCopiedCaption;
    std::string notCopiedText;
};

class AttachWalk {
public:
    AttachWalk(CreationCounterBlock& block, const FileSizeMap& sizes, AttachWalkTexts runTexts,
               AttachWalkTexts simulationTexts);

    // Source folders still to list, first in first out.
    std::deque<std::string> AttachFolderQueue;
    // The folder the current structure is copied into, no trailing backslash.
    std::string AttachTargetRoot;
    // False exactly while the structure's top folder is listed.
    bool AttachTopLevelDone = false;
    // Files copied straight into the new folder in "Subfolders Only - With Files.".
    CreatedFileList CreatedFilesList;

    // The copy page copies into folders that exist already, so the top folder
    // of a structure may be there from an earlier run: it then counts as an
    // existing subfolder (the creation pages have just created its parent).
    bool CountExistingTopFolder = false;
    // The copy page copies only the files the person selected: those the size
    // map holds. Other files are passed over without a count.
    bool FilesFromSizeMapOnly = false;
    // When set, every subfolder the walk creates (parents before children)
    // and every file it copies into a folder it did not create itself is
    // appended here, for an undo that takes back exactly what the walk added:
    // a file in a folder the walk made goes with that folder.
    std::deque<std::string>* RecordedFolders = nullptr;
    std::deque<std::string>* RecordedFiles = nullptr;
    // When set with RecordedFolders, one entry beside each folder recorded
    // since the owner last emptied it: what Undo keeps of the folder, noted as
    // the walk made it, or nothing where the owner is to note it by its path.
    std::deque<std::optional<CreatedEntry>>* RecordedFolderEntries = nullptr;
    // When set with RecordedFiles and FileRecorder, one entry beside each
    // file recorded since the owner last emptied it: the file as it was read
    // at once after the walk copied it, before anything else is copied.
    std::deque<std::optional<CreatedEntry>>* RecordedFileEntries = nullptr;
    CreatedEntryRecorder* FileRecorder = nullptr;
    // When set, what could not be copied (subfolders and files counted under
    // Other) is named here, in the run and the simulation alike, instead of
    // in the statistics window's list of main folders under Other.
    std::deque<std::string>* RecordedFailures = nullptr;
    // The copy page copies into folders that may lie anywhere: the target of
    // each structure is then one of the walk's own folders too, existing or
    // made, so that no walk ever enters it.
    bool KeepOutOfTarget = false;

    // The folders this run created; the walk leaves them alone. Clearing
    // also forgets what a simulation has simulated, and the structures' folders
    // as listed: within one run a structure is listed once.
    void ClearOwnFolders();
    void AddOwnFolder(const std::string& folder);
    void AddOwnFolder(const platform::HeldFolder& folder);

    // What the current simulation has made so far; a simulation records its
    // main folders here too, so that later checks see them.
    SimulatedDisk& Simulated() { return simulated_; }

    // Copies the structure into AttachTargetRoot (set it first).
    void CopyFolderStructure(const std::string& structure, AttachMode mode);
    // Counts what CopyFolderStructure would do, creating nothing.
    void SimulateCopyFolderStructure(const std::string& structure, AttachMode mode);

private:
    enum class SubfolderResult { Created, Exists, Failed };
    enum class FileResult { Created, Exists, Failed };
    // A file's entry in the size map, looked up when its folder was listed:
    // a structure copied a thousand times is looked up once a run.
    struct ListedSize {
        bool known = false;
        uint64_t bytes = 0;
    };
    // A structure's folder as listed, the size of each file in it, and
    // whether two of its names are one name ignoring case.
    struct Listing {
        std::vector<platform::FolderEntry> entries;
        std::vector<ListedSize> sizes; // beside `entries`
        bool caseTwins = false;
        // The folder as it was listed: a listing is used only while its
        // folder is that very folder, unchanged.
        platform::FolderStamp stamp;
    };
    // A source folder waiting in AttachFolderQueue.
    struct Queued {
        std::shared_ptr<const Listing> listing;
        // Its path below the structure's folder, host names joined by "/".
        std::string relative;
        // Its copy was made by this walk just now, by that same path below the
        // held target: what goes into it is made relative to the held folders.
        bool fresh = false;
        // Its copy was made by this walk, by whatever way.
        bool made = false;
    };

    // The listing of the held folder whose Windows path is `folder`; nullptr
    // when it cannot be listed. Within one run each folder of a structure the
    // run does not write into is read once, and read again when it changes.
    std::shared_ptr<const Listing> ListingOf(const platform::HeldFolder& held, const std::string& folder,
                                             bool keep);
    // The listing of the subfolder `name` of the held folder `parent`, whose
    // Windows path is `folder`; nullptr when it cannot be listed, and then
    // `isFolder` says whether it is a folder still (not a link, a file, or gone).
    std::shared_ptr<const Listing> SubfolderListing(const platform::HeldFolder& parent,
                                                    const std::string& name, const std::string& folder,
                                                    bool& isFolder);
    // Holds the new target for the copies made relative to it; false when
    // it cannot be held.
    bool HoldTarget();
    SubfolderResult CreateSubfolderBelow(const std::string& relative, const std::string& destination,
                                         bool& fresh);
    FileResult CopyFileBelow(const platform::FolderEntry& entry, const platform::HeldFolder& source,
                             const std::string& relative, const std::string& destination);
    void RecordFolder(const std::string& destination);
    // What Undo keeps of the folder just made at `relative` below the target.
    std::optional<CreatedEntry> MadeEntry(const platform::EntryDetails& details, const std::string& relative);
    // What Undo keeps of the target, made and held just now.
    std::optional<CreatedEntry> HeldTargetEntry();

    // Lists the first queued folder and makes (or, simulating, counts) its entries.
    void ProcessQueuedFolder(AttachMode mode, bool simulate);
    // The structure's top folder found already there, where a page counts it.
    void CountTopFolderThere(AttachMode mode);
    // False when the structure's folder cannot be listed.
    bool StartStructure(const std::string& root);
    // The target of a structure that cannot be made (a folder that cannot
    // be written, a file system that is read-only): nothing of it is copied.
    void CountTopFolderNotMade(const std::string& root, AttachMode mode);
    // A structure's folder that cannot be listed: nothing of it is copied.
    void CountUnreadableRoot(const std::string& root, AttachMode mode);
    // Which own folders a structure's walk must look out for.
    void FindOwnFoldersAround(const std::string& root);
    void Fail(const std::string& destination);
    bool IsOwnFolder(const std::string& folder) const;
    std::string DestinationOf(const std::string& folder, const std::string& entry) const;

    // What the walk makes of a subfolder of the structure: created (with any
    // missing parents), already there as a real folder, or not to be created.
    SubfolderResult CreateSubfolder(const std::string& destination);
    // Keeps what Undo needs of a folder the walk made by its whole path, as
    // the creating call read it back (nothing: it cannot be told to be the
    // walk's, and Undo will leave it).
    void NoteMade(const std::string& destination, const std::optional<platform::EntryDetails>& made);
    SubfolderResult SimulateSubfolder(const std::string& destination);

    // Copies the entry of the held folder `source` by the destination's whole path.
    FileResult CopyEntry(const platform::FolderEntry& entry, const platform::HeldFolder& source,
                         const std::string& destination);
    FileResult SimulateEntry(const platform::FolderEntry& entry, const std::string& source,
                             const std::string& destination);
    // `simulated`: counted by a simulation, which records nothing for an undo.
    void CountSubfolder(SubfolderResult result, const std::string& destination, bool simulated);
    // The file is `name` in the source folder `folder`; `size`, its entry in
    // the size map. `intoMade`: copied into a folder the walk made, which an
    // undo removes whole.
    void CountFile(FileResult result, const std::string& folder, const std::string& name,
                   const ListedSize& size, const std::string& destination, bool simulated, bool intoMade);
    // Whether the size map holds the file; if not, the page is told in a box.
    bool HasSize(const std::string& folder, const std::string& name, const ListedSize& size,
                 const std::string& caption, const std::string& text) const;

    CreationCounterBlock& block_;
    const FileSizeMap& sizes_;
    AttachWalkTexts runTexts_;
    AttachWalkTexts simulationTexts_;
    std::set<platform::EntryIdentity> ownFolders_;
    // Where the own folders finally are on the host, links resolved.
    std::set<std::string> ownHostFolders_;
    // Where each structure's folder finally is on the host, found once a run.
    std::unordered_map<std::string, std::string> rootHostFolders_;
    // Set per structure: whether one of the own folders lies inside it, so that
    // only such walks pay for looking each folder up.
    bool ownFolderInside_ = false;
    // Source folders whose destination could not be made: nothing below them
    // is written.
    std::set<std::string> blockedSources_;
    // The listing of each queued folder, taken when the folder was met: a
    // folder that cannot be listed is known before its copy is made.
    std::deque<Queued> queued_;
    // The listings kept for this run, by the Windows path of the folder; used
    // only for structures that no folder of the run lies in.
    std::unordered_map<std::string, std::shared_ptr<const Listing>> listings_;
    bool keepListings_ = false;
    // The structure's folder, held anew for each copy: every entry copied is
    // opened below it, in the folder it was listed in, through no link. And
    // the target it is copied into, where the walk has just made the target.
    platform::HeldFolder sourceRoot_;
    platform::HeldFolder targetRoot_;
    // Where the held target finally is on the host, once asked.
    std::string targetRootReal_;
    // The structures' small files, read once a run for all the copies made of them.
    platform::KeptContents keptContents_;
    // What was noted of the folder the walk made last, for RecordedFolderEntries.
    std::optional<CreatedEntry> lastMade_;
    SimulatedDisk simulated_;
    size_t rootLength_ = 0;
};

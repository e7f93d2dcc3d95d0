#pragma once
// The attach walk: copies one folder structure, breadth first, into a folder a
// creation run has just created, without ever overwriting a file, and counts
// every subfolder and file it creates, finds already there or fails on; and its
// counting twin for simulations, which creates nothing. Each creation page owns
// one walk over its own counter block, with its own message numbers and texts.
//
// The walk never lists, copies or descends into a folder the run itself
// created (registered with AddOwnFolder, see OwnFolders), nor, where the page
// asks for it, into the folder it copies into: a run and its simulation would
// otherwise not agree on what a structure holds.
//
// What the walk meets in a structure:
// - a folder is created (or found, when a real folder is there) and walked;
//   one that cannot be created counts under Other, and so does all below it,
//   which is then never written: a link or file in its place could lead out
//   of the new folder; one that cannot be listed or entered is not created
//   (an empty copy would pass for a whole one) and counts under Other, as
//   `cp -r` does; a target that cannot be made counts under Other with
//   everything below it, and so does a structure's own folder whose place
//   holds a link or a file when the walk comes to make it;
// - a file is copied in the with-files modes; a link (to a folder, a file or
//   nothing) is copied as a link with the same target, counted as a file of
//   0 bytes, and never followed; a copy that fails counts under Other, one
//   whose destination is taken under Exists;
// - an entry whose name no Windows path can hold counts under Other and is
//   never joined into a path.
// Subfolders and files under Other are listed in the statistics window's
// "Other reasons" list, or where the page keeps them (recordedFailures). The
// simulation applies the same rules to the disk as it is plus what it has
// simulated so far (SimulatedDisk), and asks what the run will be refused on
// (a source file it may not read, a folder it may not write into), so that a
// run and its simulation count alike.
//
// Its parts: this class goes through a structure and counts what it meets
// (AttachWalkCounts.cpp); StructureCopier makes what it found; what is kept
// from one item of a run to the next (OwnFolders, StructureListings, the small
// files' contents, the simulated disk) is forgotten by ForgetLastRun.

#include "common/FolderTreeScanner.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolderCopy.h"
#include "platform/KeptContents.h"
#include "runs/CreatedFileList.h"
#include "runs/CreationCounterBlock.h"
#include "runs/CreationCounters.h"
#include "runs/OwnFolders.h"
#include "runs/SimulatedDisk.h"
#include "runs/StructureCopier.h"
#include "runs/StructureListings.h"
#include "ui/Desktop.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

// The boxes of a file the walk counts that has no size in the page's size map
// (it appeared after the structure scan): one for a file copied (or, in a
// simulation, to be copied), one for a file that was not.
struct AttachWalkTexts {
    std::string copiedCaption;
    std::string copiedText; // the source file's path follows
    std::string notCopiedCaption;
    std::string notCopiedText;
};

// How a page has its walk count and record; the creation pages keep the
// defaults but for the texts.
struct AttachWalkSettings {
    AttachWalkTexts runTexts = {};
    AttachWalkTexts simulationTexts = {};
    // The walk shows no box: it reports each one here as it meets it, and
    // the page shows it, the counters painted as they stand.
    std::function<void(const ui::MessageBoxRequest& box)> report = {};
    // The copy page copies into folders that exist already, so the top folder
    // of a structure may be there from an earlier run: it then counts as an
    // existing subfolder (the creation pages have just created its parent).
    bool countExistingTopFolder = false;
    // The copy page copies only the files the person selected: those the size
    // map holds. Other files are passed over without a count.
    bool filesFromSizeMapOnly = false;
    // The copy page copies into folders that may lie anywhere: the target of
    // each structure is then one of the walk's own folders too, existing or
    // made, so that no walk ever enters it.
    bool keepOutOfTarget = false;
    // The copy page refuses a structure whose own folder's place holds a
    // link or a file when the walk comes to make it, as it refuses one found
    // there before the run: the walk then counts nothing of the structure and
    // leaves the counting and naming to the page. Otherwise such a top folder
    // is one that cannot be made.
    bool leaveTopFolderInTheWayToPage = false;
    // When set, every subfolder the walk creates (parents before children)
    // and every file it copies into a folder it did not create itself is
    // appended here, for an undo that takes back exactly what the walk added:
    // a file in a folder the walk made goes with that folder.
    std::deque<std::string>* recordedFolders = nullptr;
    std::deque<std::string>* recordedFiles = nullptr;
    // When set with recordedFolders, one entry beside each folder recorded
    // since the owner last emptied it: what Undo keeps of the folder, noted as
    // the walk made it, or nothing where the owner is to note it by its path.
    std::deque<std::optional<CreatedEntry>>* recordedFolderEntries = nullptr;
    // When set with recordedFiles and fileRecorder, one entry beside each
    // file recorded since the owner last emptied it: the file as it was read
    // at once after the walk copied it, before anything else is copied.
    std::deque<std::optional<CreatedEntry>>* recordedFileEntries = nullptr;
    CreatedEntryRecorder* fileRecorder = nullptr;
    // When set, what could not be copied (subfolders and files counted under
    // Other) is named here, in the run and the simulation alike, instead of
    // in the statistics window's list of main folders under Other.
    std::deque<std::string>* recordedFailures = nullptr;
};

class AttachWalk {
public:
    AttachWalk(CreationCounterBlock& block, const FileSizeMap& sizes, AttachWalkSettings settings);

    // The folder the current structure is copied into, no trailing backslash.
    std::string AttachTargetRoot;
    // Files copied straight into the new folder in "Subfolders Only - With Files.".
    CreatedFileList CreatedFilesList;

    // A run begins: forgets the folders the last run created, what its
    // simulation simulated, the structures' folders as listed and their small
    // files as read (within one run a structure is read once), and lets go
    // of the folders held.
    void ForgetLastRun();
    // A folder this run created; the walk leaves it alone.
    void AddOwnFolder(const std::string& folder);
    void AddOwnFolder(const platform::HeldFolder& folder);

    // What the current simulation has made so far; a simulation records its
    // main folders here too, so that later checks see them.
    SimulatedDisk& Simulated() { return simulated_; }

    // Copies the structure into AttachTargetRoot (set it first). False only
    // where the page takes over a top folder in the way
    // (leaveTopFolderInTheWayToPage): nothing was made, written or counted.
    bool CopyFolderStructure(const std::string& structure, AttachMode mode);
    // Counts what CopyFolderStructure would do, creating nothing.
    void SimulateCopyFolderStructure(const std::string& structure, AttachMode mode);

private:
    // A source folder still to list, first in first out.
    struct Queued {
        std::string folder;
        // Taken when the folder was met: a folder that cannot be listed is
        // known before its copy is made.
        std::shared_ptr<const StructureListing> listing;
        // Its path below the structure's folder, host names joined by "/".
        std::string relative;
        // Its copy was made by this walk just now, by that same path below the
        // held target: what goes into it is made relative to the held folders.
        bool fresh = false;
        // Its copy was made by this walk, by whatever way.
        bool made = false;
    };

    // False when the structure's folder cannot be listed.
    bool StartStructure(const std::string& root);
    // Lists the first queued folder and makes (or, simulating, counts) its entries.
    void ProcessQueuedFolder(AttachMode mode, bool simulate);
    std::string DestinationOf(const std::string& folder, const std::string& entry) const;
    void RecordFolder(const std::string& destination);

    // The structure's top folder made, or to be made.
    void CountTopFolderMade();
    // The structure's top folder found already there, where a page counts it.
    void CountTopFolderThere(AttachMode mode);
    // The target of a structure that cannot be made (a folder that cannot
    // be written, a file system that is read-only): nothing of it is copied.
    void CountTopFolderNotMade(const std::string& root, AttachMode mode);
    // A structure's folder that cannot be listed: nothing of it is copied.
    void CountUnreadableRoot(const std::string& root, AttachMode mode);
    // Whether a link or a file lies in the place of AttachTargetRoot.
    bool TopFolderInTheWay() const;
    // `simulated`: counted by a simulation, which records nothing for an undo.
    void CountSubfolder(SubfolderResult result, const std::string& destination, bool simulated);
    // The file is `name` in the source folder `folder`; `size`, its entry in
    // the size map. `intoMade`: copied into a folder the walk made, which an
    // undo removes whole.
    void CountFile(FileResult result, const std::string& folder, const std::string& name,
                   const ListedSize& size, const std::string& destination, bool simulated, bool intoMade);
    // Whether the size map holds the file; if not, the page is handed a box.
    bool HasSize(const std::string& folder, const std::string& name, const ListedSize& size,
                 const std::string& caption, const std::string& text) const;
    void Fail(const std::string& destination);

    CreationCounterBlock& block_;
    AttachWalkSettings settings_;

    // What is kept from one item of a run to the next.
    OwnFolders ownFolders_;
    // The structures' small files, read once a run for all the copies made of them.
    platform::KeptContents keptContents_;
    StructureListings listings_;
    SimulatedDisk simulated_;

    StructureCopier copier_;

    // The walk of the current structure.
    // False exactly while the structure's top folder is listed.
    bool AttachTopLevelDone = false;
    std::deque<Queued> AttachFolderQueue;
    // Source folders whose destination could not be made: nothing below them
    // is written.
    std::set<std::string> blockedSources_;
    // Its listings are kept: no folder of the run lies in it.
    bool keepListings_ = false;
    // The structure's folder, held anew for each copy: every entry copied is
    // opened below it, in the folder it was listed in, through no link.
    platform::HeldFolder sourceRoot_;
    size_t rootLength_ = 0;
};

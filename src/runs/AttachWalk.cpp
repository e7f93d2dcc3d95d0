#include "runs/AttachWalk.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkText.h"

#include <optional>
#include <utility>

AttachWalk::AttachWalk(CreationCounterBlock& block, const FileSizeMap& sizes, AttachWalkSettings settings)
    : block_(block), settings_(std::move(settings)), listings_(sizes, keptContents_),
      copier_(block.Counters, keptContents_, simulated_, settings_.recordedFolderEntries != nullptr) {}

void AttachWalk::ForgetLastRun() {
    ownFolders_.Clear();
    simulated_.Clear();
    listings_.Clear();
    keptContents_.Clear();
    sourceRoot_.Release();
    copier_.ReleaseTarget();
}

void AttachWalk::AddOwnFolder(const std::string& folder) {
    ownFolders_.Add(folder);
}

void AttachWalk::AddOwnFolder(const platform::HeldFolder& folder) {
    ownFolders_.Add(folder);
}

bool AttachWalk::StartStructure(const std::string& root) {
    AttachFolderQueue.clear();
    blockedSources_.clear();
    copier_.StartTarget();
    rootLength_ = root.size();
    keepListings_ = false;
    // Held anew for each target, by its path as it is now: a structure
    // replaced since the last copy is copied as it is now, every entry read
    // of the one folder held. Its listing is taken again once it changed
    // (what a run makes may land in it).
    std::shared_ptr<const StructureListing> listing;
    if (sourceRoot_.HoldToList(root))
        listing = listings_.ListingOf(sourceRoot_, root, true);
    if (!listing)
        return false;
    AttachFolderQueue.push_back({root, std::move(listing), std::string(), false, false});
    return true;
}

void AttachWalk::RecordFolder(const std::string& destination) {
    if (!settings_.recordedFolders)
        return;
    settings_.recordedFolders->push_back(destination);
    std::optional<CreatedEntry> made = copier_.TakeLastMade();
    if (settings_.recordedFolderEntries)
        settings_.recordedFolderEntries->push_back(std::move(made));
}

std::string AttachWalk::DestinationOf(const std::string& folder, const std::string& entry) const {
    std::string relative = folder.size() > rootLength_ + 1 ? folder.substr(rootLength_ + 1) : std::string();
    if (Trim(relative).empty())
        return AttachTargetRoot + "\\" + entry;
    return AttachTargetRoot + "\\" + relative + "\\" + entry;
}

bool AttachWalk::CopyFolderStructure(const std::string& structure, AttachMode mode) {
    AttachTopLevelDone = false;
    const std::string root = Trim(structure);
    if (!StartStructure(root)) {
        CountUnreadableRoot(root, mode);
        return true;
    }
    std::optional<platform::EntryDetails> made;
    FolderMaking making = copier_.MakeTarget(AttachTargetRoot, made);
    // What the creating call found in the place of the structure's own
    // folder is taken as the entry it is, no link followed: a link or a file
    // another program put there, at the moment of the call too, is no folder
    // to copy into, and nothing is written through it.
    if (making != FolderMaking::Made && AttachesTopFolder(mode) && TopFolderInTheWay()) {
        if (settings_.leaveTopFolderInTheWayToPage) {
            copier_.ReleaseTarget();
            return false;
        }
        making = FolderMaking::Failed;
    }
    const bool targetMade = making == FolderMaking::Made;
    if (making == FolderMaking::Failed)
        CountTopFolderNotMade(root, mode);
    else if (making == FolderMaking::Found)
        CountTopFolderThere(mode);
    if (targetMade) {
        CountTopFolderMade();
        copier_.NoteMadeTarget(AttachTargetRoot, made);
        RecordFolder(AttachTargetRoot);
    }
    if (settings_.keepOutOfTarget) {
        if (copier_.HoldTarget(AttachTargetRoot))
            ownFolders_.Add(copier_.HeldTarget());
    }
    ownFolders_.LookAround(root);
    // A structure that no folder of the run lies in stays as it is while the
    // run copies it; a target the walk has just made holds only what the walk
    // puts in it, so its entries are made relative to it, by the names listed.
    keepListings_ = !ownFolders_.InsideStructure();
    Queued& top = AttachFolderQueue.front();
    top.fresh =
        targetMade && keepListings_ && !top.listing->caseTwins && copier_.HoldTarget(AttachTargetRoot);
    top.made = targetMade;
    while (!AttachFolderQueue.empty())
        ProcessQueuedFolder(mode, false);
    copier_.ReleaseTarget();
    return true;
}

bool AttachWalk::TopFolderInTheWay() const {
    const platform::EntryKind kind = platform::GetEntryDetails(AttachTargetRoot).kind;
    return kind != platform::EntryKind::Folder && kind != platform::EntryKind::Missing;
}

void AttachWalk::ProcessQueuedFolder(AttachMode mode, bool simulate) {
    // The same entries, in the same order, as a listing of folder\*.* gives;
    // the walk needs nothing of an entry but its name and kind. The run and
    // the simulation go through one loop, so that they cannot judge an entry
    // differently; only making it differs.
    const Queued queued = std::move(AttachFolderQueue.front());
    AttachFolderQueue.pop_front();
    const std::string& folder = queued.folder;
    const bool blocked = blockedSources_.count(folder) > 0;

    // The folder is opened below the structure's folder through no link,
    // and listed again when it is no longer the folder listed, or changed:
    // every entry below is opened in the folder it was listed in.
    platform::HeldFolder opened;
    const platform::HeldFolder* from = &sourceRoot_;
    if (!queued.relative.empty()) {
        if (!opened.HoldToList(sourceRoot_, queued.relative))
            return; // gone, or a link now: nothing of it can be read
        from = &opened;
    }
    std::shared_ptr<const StructureListing> current = queued.listing;
    if (from->Stamp() != current->stamp)
        current = listings_.ListingOf(*from, folder, keepListings_);
    if (!current) {
        if (!simulate)
            AttachTopLevelDone = true;
        return;
    }
    // Made relative to the held folders only while no two names of the
    // listing could land on one entry of the new folder.
    const bool below = !simulate && queued.fresh && !blocked && !current->caseTwins;

    const std::string target = DestinationOf(folder, std::string());
    const StructureListing& listing = *current;
    for (std::size_t i = 0; i < listing.entries.size(); ++i) {
        platform::FolderEntry entry = listing.entries[i];
        std::string destination = target + entry.name;
        const bool joinable = platform::IsWindowsName(entry.name);
        // Its path below the structure's folder, joined only where it is asked for.
        const auto relativeOf = [&] {
            return queued.relative.empty() ? entry.name : queued.relative + "/" + entry.name;
        };
        if (entry.isDirectory) {
            std::string source = folder + "\\" + entry.name;
            if (joinable && ownFolders_.Contains(source))
                continue;
            // Listed before its copy is made: a folder that cannot be read is
            // not copied, and nothing below it is known.
            bool isFolder = true;
            std::shared_ptr<const StructureListing> inner =
                joinable ? listings_.SubfolderListing(*from, entry.name, source, keepListings_, isFolder)
                         : nullptr;
            if (isFolder) {
                const bool readable = inner != nullptr;
                std::string relative = relativeOf();
                bool fresh = false;
                const SubfolderResult result =
                    blocked || !readable ? SubfolderResult::Failed
                    : simulate           ? copier_.SimulateSubfolder(destination)
                    : below              ? copier_.CreateSubfolderBelow(relative, destination, fresh)
                                         : copier_.CreateSubfolder(destination);
                CountSubfolder(result, destination, simulate);
                if (!readable)
                    continue;
                if (result == SubfolderResult::Failed)
                    blockedSources_.insert(source);
                else if (result == SubfolderResult::Created && !simulate && ownFolders_.InsideStructure())
                    ownFolders_.Add(destination);
                const bool made = !simulate && result == SubfolderResult::Created;
                AttachFolderQueue.push_back(
                    {std::move(source), std::move(inner), std::move(relative), fresh, made});
                continue;
            }
            // A link (or a file) put in the folder's place since the listing
            // is copied as what it is now.
            entry.isDirectory = false;
            entry.isLink = platform::KindIn(*from, entry.name) == platform::EntryKind::Link;
        }
        if (AttachesFiles(mode)) {
            const ListedSize& size = listing.sizes[i];
            if (settings_.filesFromSizeMapOnly && !size.known)
                continue;
            // The source's whole path is joined only where it is asked for.
            const FileResult result =
                blocked || !joinable ? FileResult::Failed
                : simulate           ? copier_.SimulateEntry(entry, folder + "\\" + entry.name, destination)
                : below              ? copier_.CopyFileBelow(entry, *from, relativeOf(), destination)
                                     : copier_.CopyEntry(entry, *from, destination);
            if (!simulate && result == FileResult::Created && mode == AttachMode::SubFoldersOnlyWithFiles &&
                !AttachTopLevelDone)
                CreatedFilesList.push_back(destination);
            CountFile(result, folder, entry.name, size, destination, simulate, queued.made);
        }
    }
    if (!simulate)
        AttachTopLevelDone = true;
}

void AttachWalk::SimulateCopyFolderStructure(const std::string& structure, AttachMode mode) {
    const std::string root = Trim(structure);
    if (!StartStructure(root)) {
        CountUnreadableRoot(root, mode);
        return;
    }
    // A target that is there already is kept out of as in the run; one the
    // run would make is not on the disk the simulation lists.
    if (settings_.keepOutOfTarget)
        ownFolders_.Add(AttachTargetRoot);
    ownFolders_.LookAround(root);
    keepListings_ = !ownFolders_.InsideStructure();
    // The same as the run: the top folder is counted when it is made, and it
    // is made only where the new folder is not the target itself.
    switch (copier_.SimulateTarget(AttachTargetRoot)) {
    case SubfolderResult::Created:
        CountTopFolderMade();
        break;
    case SubfolderResult::Failed:
        CountTopFolderNotMade(root, mode);
        break;
    case SubfolderResult::Exists:
        CountTopFolderThere(mode);
        break;
    }
    while (!AttachFolderQueue.empty())
        ProcessQueuedFolder(mode, true);
}

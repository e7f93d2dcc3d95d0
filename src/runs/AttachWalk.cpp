#include "runs/AttachWalk.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/CaseFolding.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "runs/RepaintThrottle.h"
#include "ui/Desktop.h"

#include <optional>
#include <utility>
#include <vector>

namespace {

// Trim(text), without a copy of the usual text that has nothing to trim.
const std::string& Trimmed(const std::string& text, std::string& storage) {
    if (text.empty() ||
        (static_cast<unsigned char>(text.front()) > 32 && static_cast<unsigned char>(text.back()) > 32))
        return text;
    storage = Trim(text);
    return storage;
}

// Where a held folder finally is on the host, links resolved, without a
// trailing slash; "" when it cannot be told.
std::string CanonicalHostFolder(const platform::HeldFolder& held) {
    std::string folder = held.RealPath();
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// The same of a Windows path that names a folder: opened once and asked, the
// kernel resolves its links rather than this process, one component a call.
std::string CanonicalHostFolder(const std::string& windowsPath) {
    platform::HeldFolder held;
    return held.Hold(windowsPath) ? CanonicalHostFolder(held) : std::string();
}

bool IsRealFolder(uint32_t attributes) {
    return attributes != platform::INVALID_FILE_ATTRIBUTES &&
           (attributes & platform::FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & platform::FILE_ATTRIBUTE_REPARSE_POINT);
}

bool TakenByAnother(uint32_t error) {
    return error == platform::ERROR_FILE_EXISTS || error == platform::ERROR_ALREADY_EXISTS;
}

// Whether two names of a listing are one name ignoring case: a listing comes
// ordered ignoring case, so such names stand side by side.
bool HasCaseTwins(const std::vector<platform::FolderEntry>& entries) {
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (platform::SameIgnoringCase(entries[i - 1].name, entries[i].name))
            return true;
    }
    return false;
}

} // namespace

AttachWalk::AttachWalk(CreationCounterBlock& block, const FileSizeMap& sizes, AttachWalkTexts runTexts,
                       AttachWalkTexts simulationTexts)
    : block_(block), sizes_(sizes), runTexts_(std::move(runTexts)),
      simulationTexts_(std::move(simulationTexts)) {}

void AttachWalk::ClearOwnFolders() {
    ownFolders_.clear();
    ownHostFolders_.clear();
    rootHostFolders_.clear();
    ownFolderInside_ = false;
    simulated_.Clear();
    listings_.clear();
    keptContents_.Clear();
    sourceRoot_.Release();
    targetRoot_.Release();
}

std::shared_ptr<const AttachWalk::Listing> AttachWalk::ListingOf(const platform::HeldFolder& held,
                                                                 const std::string& folder, bool keep) {
    const std::optional<platform::FolderStamp> stamp = held.Stamp();
    if (!stamp)
        return nullptr;
    const auto found = keep ? listings_.find(folder) : listings_.end();
    if (found != listings_.end() && found->second->stamp == *stamp)
        return found->second;
    auto listing = std::make_shared<Listing>();
    if (!platform::ListHeldFolder(held, listing->entries))
        return nullptr;
    listing->stamp = *stamp;
    listing->caseTwins = HasCaseTwins(listing->entries);
    // The size map is filled before a run and stays as it is during it.
    listing->sizes.resize(listing->entries.size());
    std::string source = folder + "\\";
    const std::size_t stem = source.size();
    for (std::size_t i = 0; i < listing->entries.size(); ++i) {
        const platform::FolderEntry& entry = listing->entries[i];
        if (entry.isDirectory)
            continue;
        source.replace(stem, std::string::npos, entry.name);
        if (const auto size = sizes_.find(source); size != sizes_.end())
            listing->sizes[i] = {true, size->second};
    }
    // A change made in the same tick of the file system's clock as the
    // listing could leave its stamp as it was: a folder changed just now is
    // listed again each time, as a file changed just now is read again.
    if (keep && keptContents_.IsSettled(stamp->changedSeconds, stamp->changedNanoseconds))
        listings_[folder] = listing;
    else if (found != listings_.end())
        listings_.erase(found);
    return listing;
}

std::shared_ptr<const AttachWalk::Listing> AttachWalk::SubfolderListing(const platform::HeldFolder& parent,
                                                                        const std::string& name,
                                                                        const std::string& folder,
                                                                        bool& isFolder) {
    isFolder = true;
    // A folder listed and kept by an earlier copy was readable then; whether
    // it is still the folder listed, unchanged, is asked when the walk opens
    // it to copy what it holds.
    if (keepListings_) {
        if (const auto found = listings_.find(folder); found != listings_.end())
            return found->second;
    }
    platform::HeldFolder held;
    if (!held.HoldToList(parent, name)) {
        const platform::EntryKind kind = platform::KindIn(parent, name);
        isFolder = kind == platform::EntryKind::Folder || kind == platform::EntryKind::Missing;
        return nullptr;
    }
    return ListingOf(held, folder, keepListings_);
}

bool AttachWalk::HoldTarget() {
    return targetRoot_.IsHeld() || targetRoot_.Hold(AttachTargetRoot);
}

void AttachWalk::AddOwnFolder(const std::string& folder) {
    platform::HeldFolder held;
    if (held.Hold(folder)) {
        AddOwnFolder(held);
        return;
    }
    platform::EntryIdentity identity;
    if (platform::GetResolvedIdentity(folder, identity))
        ownFolders_.insert(identity);
}

void AttachWalk::AddOwnFolder(const platform::HeldFolder& held) {
    const std::optional<platform::EntryDetails> details = held.Details();
    if (!details)
        return;
    ownFolders_.insert(details->identity);
    std::string host = CanonicalHostFolder(held);
    if (!host.empty())
        ownHostFolders_.insert(std::move(host));
}

bool AttachWalk::StartStructure(const std::string& root) {
    AttachFolderQueue.clear();
    queued_.clear();
    blockedSources_.clear();
    targetRoot_.Release();
    targetRootReal_.clear();
    rootLength_ = root.size();
    ownFolderInside_ = false;
    keepListings_ = false;
    // Held anew for each target, by its path as it is now: a structure
    // replaced since the last copy is copied as it is now, every entry read
    // of the one folder held. Its listing is taken again once it changed
    // (what a run makes may land in it).
    std::shared_ptr<const Listing> listing;
    if (sourceRoot_.HoldToList(root))
        listing = ListingOf(sourceRoot_, root, true);
    if (!listing)
        return false;
    AttachFolderQueue.push_back(root);
    queued_.push_back({std::move(listing), std::string(), false, false});
    return true;
}

void AttachWalk::FindOwnFoldersAround(const std::string& root) {
    ownFolderInside_ = false;
    if (ownFolders_.empty())
        return;
    // The walk never follows a link below the structure's folder, so a folder
    // it lists lies below where that folder finally is.
    // Within one run a structure's folder is where it was when first met,
    // as its listings are.
    auto known = rootHostFolders_.find(root);
    if (known == rootHostFolders_.end())
        known = rootHostFolders_.emplace(root, CanonicalHostFolder(root)).first;
    const std::string& hostRoot = known->second;
    if (hostRoot.empty()) {
        ownFolderInside_ = true; // cannot tell: look every folder up
        return;
    }
    std::string prefix = hostRoot.back() == '/' ? hostRoot : hostRoot + "/";
    auto next = ownHostFolders_.lower_bound(prefix);
    ownFolderInside_ = next != ownHostFolders_.end() && next->compare(0, prefix.size(), prefix) == 0;
    // A structure inside one of the own folders: what the walk makes may land
    // inside the structure too.
    std::string level = hostRoot;
    while (!ownFolderInside_ && level != "/") {
        ownFolderInside_ = ownHostFolders_.count(level) > 0;
        level = level.substr(0, std::max<std::size_t>(level.rfind('/'), 1));
    }
    ownFolderInside_ = ownFolderInside_ || ownHostFolders_.count("/") > 0;
}

void AttachWalk::RecordFolder(const std::string& destination) {
    if (!RecordedFolders)
        return;
    RecordedFolders->push_back(destination);
    if (RecordedFolderEntries)
        RecordedFolderEntries->push_back(std::move(lastMade_));
    lastMade_.reset();
}

bool AttachWalk::IsOwnFolder(const std::string& folder) const {
    if (!ownFolderInside_)
        return false;
    platform::EntryIdentity identity;
    return platform::GetResolvedIdentity(folder, identity) && ownFolders_.count(identity) > 0;
}

std::string AttachWalk::DestinationOf(const std::string& folder, const std::string& entry) const {
    std::string relative = folder.size() > rootLength_ + 1 ? folder.substr(rootLength_ + 1) : std::string();
    if (Trim(relative).empty())
        return AttachTargetRoot + "\\" + entry;
    return AttachTargetRoot + "\\" + relative + "\\" + entry;
}

AttachWalk::SubfolderResult AttachWalk::CreateSubfolder(const std::string& destination) {
    // While most subfolders are new, each is first simply created: when that
    // works it is what the checks below would have found and done, for less.
    const CounterRow& created = block_.Counters.Created;
    std::optional<platform::EntryDetails> made;
    if (created.SubFolders >= block_.Counters.Exists.SubFolders &&
        platform::TryCreateDirectoryInFolder(destination, true, RecordedFolderEntries ? &made : nullptr)) {
        NoteMade(destination, made);
        return SubfolderResult::Created;
    }
    const uint32_t attributes = platform::GetFileAttributesA(destination);
    if (IsRealFolder(attributes))
        return SubfolderResult::Exists;
    // A link in the place of the folder is no folder to merge into: what the
    // walk would write through it would land wherever it points.
    if (attributes != platform::INVALID_FILE_ATTRIBUTES)
        return SubfolderResult::Failed;
    // Only what the walk's own call made is the walk's: a folder another
    // program made since the look above is one that was there.
    switch (ForceNewDirectory(ExcludeTrailingPathDelimiter(destination), made)) {
    case FolderMaking::Made:
        NoteMade(destination, made);
        return SubfolderResult::Created;
    case FolderMaking::Found:
        return IsRealFolder(platform::GetFileAttributesA(destination)) ? SubfolderResult::Exists
                                                                       : SubfolderResult::Failed;
    case FolderMaking::Failed:
        break;
    }
    return SubfolderResult::Failed;
}

void AttachWalk::NoteMade(const std::string& destination, const std::optional<platform::EntryDetails>& made) {
    if (RecordedFolderEntries && made)
        lastMade_ = CreatedEntry::Of(*made, platform::ResolvedHostFolderOf(destination));
}

AttachWalk::SubfolderResult AttachWalk::CreateSubfolderBelow(const std::string& relative,
                                                             const std::string& destination, bool& fresh) {
    std::optional<platform::EntryDetails> made;
    if (platform::CreateFolderBelow(targetRoot_, relative, RecordedFolderEntries ? &made : nullptr)) {
        fresh = true;
        if (made)
            lastMade_ = MadeEntry(*made, relative);
        return SubfolderResult::Created;
    }
    // Taken meanwhile, or not to be made this way: settled by its whole path.
    return CreateSubfolder(destination);
}

std::optional<CreatedEntry> AttachWalk::MadeEntry(const platform::EntryDetails& details,
                                                  const std::string& relative) {
    // The walk made every folder below the target itself, none of them a
    // link: where one is, is where the target is, and its path below it.
    if (targetRootReal_.empty()) {
        targetRootReal_ = targetRoot_.RealPath();
        if (targetRootReal_.empty())
            return std::nullopt;
    }
    std::string hostFolder = targetRootReal_;
    const std::size_t slash = relative.rfind('/');
    if (slash != std::string::npos) {
        if (targetRootReal_ != "/")
            hostFolder += '/';
        hostFolder.append(relative, 0, slash);
    }
    return CreatedEntry::Of(details, std::move(hostFolder));
}

std::optional<CreatedEntry> AttachWalk::HeldTargetEntry() {
    const std::optional<platform::EntryDetails> details = targetRoot_.Details();
    if (!details)
        return std::nullopt;
    targetRootReal_ = targetRoot_.RealPath();
    const std::size_t slash = targetRootReal_.rfind('/');
    if (slash == std::string::npos || targetRootReal_.size() == 1)
        return std::nullopt;
    // Made just now as a folder, not a link: the folder holding it is where
    // the held target is, less its own name.
    CreatedEntry entry;
    entry.identity = details->identity;
    entry.kind = details->kind;
    entry.modifiedSeconds = details->modifiedSeconds;
    entry.modifiedNanoseconds = details->modifiedNanoseconds;
    entry.hostFolder =
        std::make_shared<const std::string>(slash == 0 ? std::string("/") : targetRootReal_.substr(0, slash));
    return entry;
}

AttachWalk::SubfolderResult AttachWalk::SimulateSubfolder(const std::string& destination) {
    if (simulated_.FolderExists(destination))
        return SubfolderResult::Exists;
    if (simulated_.CanCreateFolder(destination)) {
        simulated_.AddFolder(destination);
        return SubfolderResult::Created;
    }
    return SubfolderResult::Failed;
}

AttachWalk::FileResult AttachWalk::CopyEntry(const platform::FolderEntry& entry,
                                             const platform::HeldFolder& source,
                                             const std::string& destination) {
    std::string trimmedDestination;
    const std::string& to = Trimmed(destination, trimmedDestination);
    // A link is copied as a link, also one put in the place of a file or a
    // folder since the listing: its target is never read, so a link to a
    // folder cannot pull that folder (or the new folder itself) into the copy.
    if (platform::CopyEntryFrom(source, entry.name, to))
        return FileResult::Created;
    return TakenByAnother(platform::GetLastError()) ? FileResult::Exists : FileResult::Failed;
}

AttachWalk::FileResult AttachWalk::CopyFileBelow(const platform::FolderEntry& entry,
                                                 const platform::HeldFolder& source,
                                                 const std::string& relative,
                                                 const std::string& destination) {
    if (!entry.isLink) {
        if (platform::CopyFileBelow(source, targetRoot_, relative, &keptContents_))
            return FileResult::Created;
        if (TakenByAnother(platform::GetLastError()))
            return FileResult::Exists;
    }
    // A link, or a file that could not be copied this way: the destination's
    // whole path tells what becomes of it, and why not.
    return CopyEntry(entry, source, destination);
}

AttachWalk::FileResult AttachWalk::SimulateEntry(const platform::FolderEntry& entry,
                                                 const std::string& source, const std::string& destination) {
    // As the copy: the source is opened before the destination is looked at;
    // a link is copied as a link, its target never read.
    if (!entry.isLink && !platform::MayReadFile(source))
        return FileResult::Failed;
    if (simulated_.EntryExists(destination))
        return FileResult::Exists;
    if (simulated_.CanCreateFile(destination)) {
        simulated_.AddFile(destination);
        return FileResult::Created;
    }
    return FileResult::Failed;
}

void AttachWalk::CountSubfolder(SubfolderResult result, const std::string& destination, bool simulated) {
    switch (result) {
    case SubfolderResult::Created:
        block_.Counters.Created.SubFolders += 1;
        block_.AddToList(StatisticList::SubFoldersCreated, destination);
        if (!simulated)
            RecordFolder(destination);
        break;
    case SubfolderResult::Exists:
        block_.Counters.Exists.SubFolders += 1;
        block_.AddToList(StatisticList::SubFoldersExists, destination);
        break;
    case SubfolderResult::Failed:
        block_.Counters.Other.SubFolders += 1;
        Fail(destination);
        break;
    }
    block_.RefreshBoth();
}

void AttachWalk::CountFile(FileResult result, const std::string& folder, const std::string& name,
                           const ListedSize& size, const std::string& destination, bool simulated,
                           bool intoMade) {
    const AttachWalkTexts& texts = simulated ? simulationTexts_ : runTexts_;
    CounterRow* row = nullptr;
    switch (result) {
    case FileResult::Created:
        row = &block_.Counters.Created;
        row->Files += 1;
        block_.AddToList(StatisticList::FilesCreated, destination);
        block_.RefreshBoth();
        if (RecordedFiles && !simulated && !intoMade) {
            RecordedFiles->push_back(destination);
            if (RecordedFileEntries && FileRecorder)
                RecordedFileEntries->push_back(FileRecorder->Record(destination));
        }
        if (HasSize(folder, name, size, texts.copiedCaption, texts.copiedText)) {
            row->FilesSize += static_cast<double>(size.bytes);
            block_.RefreshBoth();
        }
        return;
    case FileResult::Exists:
        row = &block_.Counters.Exists;
        block_.AddToList(StatisticList::FilesExists, destination);
        break;
    case FileResult::Failed:
        row = &block_.Counters.Other;
        Fail(destination);
        break;
    }
    row->Files += 1;
    block_.RefreshBoth();
    if (HasSize(folder, name, size, texts.notCopiedCaption, texts.notCopiedText)) {
        row->FilesSize += static_cast<double>(size.bytes);
        block_.RefreshBoth();
    }
}

bool AttachWalk::HasSize(const std::string& folder, const std::string& name, const ListedSize& size,
                         const std::string& caption, const std::string& text) const {
    if (size.known)
        return true;
    RepaintPause showCounters(block_.Repaints());
    ui::ShowBox(nullptr, caption, text + folder + "\\" + name, ui::Icon::Warning);
    return false;
}

void AttachWalk::Fail(const std::string& destination) {
    if (RecordedFailures)
        RecordedFailures->push_back(destination);
    else
        block_.AddToList(StatisticList::FoldersOther, destination);
}

void AttachWalk::CountTopFolderThere(AttachMode mode) {
    if (!CountExistingTopFolder || !AttachesTopFolder(mode))
        return;
    block_.Counters.Exists.SubFolders += 1;
    block_.AddToList(StatisticList::SubFoldersExists, AttachTargetRoot);
    block_.RefreshBoth();
}

void AttachWalk::CountTopFolderNotMade(const std::string& root, AttachMode mode) {
    // Where the mode copies the top folder it is one subfolder of the
    // structure, not copied; nothing below it is written, and all of it
    // counts as not copied, as the pre-count counted it.
    blockedSources_.insert(root);
    if (!AttachesTopFolder(mode))
        return;
    block_.Counters.Other.SubFolders += 1;
    Fail(AttachTargetRoot);
    block_.RefreshBoth();
}

void AttachWalk::CountUnreadableRoot(const std::string& root, AttachMode mode) {
    // The top folder is one subfolder of the structure where the mode copies
    // it; in the other modes nothing of the structure is counted, and the
    // structure itself is named.
    if (!AttachesTopFolder(mode)) {
        Fail(root);
        return;
    }
    block_.Counters.Other.SubFolders += 1;
    Fail(AttachTargetRoot);
    block_.RefreshBoth();
}

void AttachWalk::CopyFolderStructure(const std::string& structure, AttachMode mode) {
    AttachTopLevelDone = false;
    const std::string root = Trim(structure);
    if (!StartStructure(root)) {
        CountUnreadableRoot(root, mode);
        return;
    }
    // While most targets are new, each is first simply created, as a
    // subfolder is: when that works it is what the checks below would have
    // found and done, for less.
    const CounterRow& created = block_.Counters.Created;
    std::optional<platform::EntryDetails> made;
    bool targetMade = created.SubFolders >= block_.Counters.Exists.SubFolders &&
                      platform::TryCreateDirectoryInFolder(AttachTargetRoot, true, &made);
    if (!targetMade) {
        // A target another program made after the look is one that was there.
        const FolderMaking making = DirectoryExists(AttachTargetRoot)
                                        ? FolderMaking::Found
                                        : ForceNewDirectory(AttachTargetRoot, made);
        targetMade = making == FolderMaking::Made;
        if (making == FolderMaking::Failed)
            CountTopFolderNotMade(root, mode);
        else if (making == FolderMaking::Found)
            CountTopFolderThere(mode);
    }
    if (targetMade) {
        block_.Counters.Created.SubFolders += 1;
        block_.AddToList(StatisticList::SubFoldersCreated, AttachTargetRoot);
        block_.RefreshBoth();
        // Held from here on: what Undo keeps of it, what the walk keeps out of
        // and what it copies into are read of the one open folder.
        // Only while it is still the folder the creating call made.
        if (RecordedFolderEntries && made && targetRoot_.Hold(AttachTargetRoot)) {
            lastMade_ = HeldTargetEntry();
            if (lastMade_ && lastMade_->identity != made->identity)
                lastMade_.reset();
        }
        RecordFolder(AttachTargetRoot);
    }
    if (KeepOutOfTarget) {
        if (targetRoot_.IsHeld() || targetRoot_.Hold(AttachTargetRoot))
            AddOwnFolder(targetRoot_);
    }
    FindOwnFoldersAround(root);
    // A structure that no folder of the run lies in stays as it is while the
    // run copies it; a target the walk has just made holds only what the walk
    // puts in it, so its entries are made relative to it, by the names listed.
    keepListings_ = !ownFolderInside_;
    Queued& top = queued_.front();
    top.fresh = targetMade && keepListings_ && !top.listing->caseTwins && HoldTarget();
    top.made = targetMade;
    while (!AttachFolderQueue.empty())
        ProcessQueuedFolder(mode, false);
    targetRoot_.Release();
}

void AttachWalk::ProcessQueuedFolder(AttachMode mode, bool simulate) {
    std::string folder = std::move(AttachFolderQueue.front());
    AttachFolderQueue.pop_front();
    // The same entries, in the same order, as a listing of folder\*.* gives;
    // the walk needs nothing of an entry but its name and kind. The run and
    // the simulation go through one loop, so that they cannot judge an entry
    // differently; only making it differs.
    const Queued queued = std::move(queued_.front());
    queued_.pop_front();
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
    std::shared_ptr<const Listing> current = queued.listing;
    if (from->Stamp() != current->stamp)
        current = ListingOf(*from, folder, keepListings_);
    if (!current) {
        if (!simulate)
            AttachTopLevelDone = true;
        return;
    }
    // Made relative to the held folders only while no two names of the
    // listing could land on one entry of the new folder.
    const bool below = !simulate && queued.fresh && !blocked && !current->caseTwins;

    const std::string target = DestinationOf(folder, std::string());
    const Listing& listing = *current;
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
            if (joinable && IsOwnFolder(source))
                continue;
            // Listed before its copy is made: a folder that cannot be read is
            // not copied, and nothing below it is known.
            bool isFolder = true;
            std::shared_ptr<const Listing> inner =
                joinable ? SubfolderListing(*from, entry.name, source, isFolder) : nullptr;
            if (isFolder) {
                const bool readable = inner != nullptr;
                std::string relative = relativeOf();
                bool fresh = false;
                const SubfolderResult result = blocked || !readable ? SubfolderResult::Failed
                                               : simulate           ? SimulateSubfolder(destination)
                                               : below ? CreateSubfolderBelow(relative, destination, fresh)
                                                       : CreateSubfolder(destination);
                CountSubfolder(result, destination, simulate);
                if (!readable)
                    continue;
                if (result == SubfolderResult::Failed)
                    blockedSources_.insert(source);
                else if (result == SubfolderResult::Created && !simulate && ownFolderInside_)
                    AddOwnFolder(destination);
                AttachFolderQueue.push_back(std::move(source));
                const bool made = !simulate && result == SubfolderResult::Created;
                queued_.push_back({std::move(inner), std::move(relative), fresh, made});
                continue;
            }
            // A link (or a file) put in the folder's place since the listing
            // is copied as what it is now.
            entry.isDirectory = false;
            entry.isLink = platform::KindIn(*from, entry.name) == platform::EntryKind::Link;
        }
        if (AttachesFiles(mode)) {
            const ListedSize& size = listing.sizes[i];
            if (FilesFromSizeMapOnly && !size.known)
                continue;
            // The source's whole path is joined only where it is asked for.
            const FileResult result = blocked || !joinable ? FileResult::Failed
                                      : simulate
                                          ? SimulateEntry(entry, folder + "\\" + entry.name, destination)
                                      : below ? CopyFileBelow(entry, *from, relativeOf(), destination)
                                              : CopyEntry(entry, *from, destination);
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
    if (KeepOutOfTarget)
        AddOwnFolder(AttachTargetRoot);
    FindOwnFoldersAround(root);
    keepListings_ = !ownFolderInside_;
    // The same as the run: the top folder is counted when it is made, and it
    // is made only where the new folder is not the target itself.
    if (!simulated_.FolderExists(AttachTargetRoot) && !DirectoryExists(AttachTargetRoot)) {
        if (simulated_.CanCreateFolder(AttachTargetRoot)) {
            simulated_.AddFolder(AttachTargetRoot);
            block_.Counters.Created.SubFolders += 1;
            block_.AddToList(StatisticList::SubFoldersCreated, AttachTargetRoot);
            block_.RefreshBoth();
        } else {
            CountTopFolderNotMade(root, mode);
        }
    } else {
        CountTopFolderThere(mode);
    }
    while (!AttachFolderQueue.empty())
        ProcessQueuedFolder(mode, true);
}

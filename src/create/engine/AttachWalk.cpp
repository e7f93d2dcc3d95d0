#include "create/engine/AttachWalk.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/RepaintThrottle.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "ui/Desktop.h"

#include <filesystem>
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

// Where a Windows path finally is on the host, links resolved; "" when it
// cannot be told.
std::string CanonicalHostFolder(const std::string& windowsPath) {
    std::optional<std::string> host = platform::ToHostPath(windowsPath);
    if (!host)
        return {};
    std::error_code error;
    std::string folder = std::filesystem::canonical(*host, error).string();
    if (error)
        return {};
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

bool IsRealFolder(uint32_t attributes) {
    return attributes != platform::INVALID_FILE_ATTRIBUTES &&
           (attributes & platform::FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & platform::FILE_ATTRIBUTE_REPARSE_POINT);
}

bool TakenByAnother(uint32_t error) {
    return error == platform::ERROR_FILE_EXISTS || error == platform::ERROR_ALREADY_EXISTS;
}

} // namespace

AttachWalk::AttachWalk(CreationCounterBlock& block, const FileSizeMap& sizes, AttachWalkTexts runTexts,
                       AttachWalkTexts simulationTexts)
    : block_(block), sizes_(sizes), runTexts_(std::move(runTexts)),
      simulationTexts_(std::move(simulationTexts)) {}

void AttachWalk::ClearOwnFolders() {
    ownFolders_.clear();
    ownHostFolders_.clear();
    ownFolderInside_ = false;
    simulated_.Clear();
}

void AttachWalk::AddOwnFolder(const std::string& folder) {
    platform::EntryIdentity identity;
    if (!platform::GetResolvedIdentity(folder, identity))
        return;
    ownFolders_.insert(identity);
    std::string host = CanonicalHostFolder(folder);
    if (!host.empty())
        ownHostFolders_.insert(host);
}

void AttachWalk::StartStructure(const std::string& root) {
    AttachFolderQueue.clear();
    AttachFolderQueue.push_back(root);
    blockedSources_.clear();
    rootLength_ = root.size();
    ownFolderInside_ = false;
    if (ownFolders_.empty())
        return;
    // The walk never follows a link below the structure's folder, so a folder
    // it lists lies below where that folder finally is.
    std::string hostRoot = CanonicalHostFolder(root);
    if (hostRoot.empty()) {
        ownFolderInside_ = true; // cannot tell: look every folder up
        return;
    }
    std::string prefix = hostRoot.back() == '/' ? hostRoot : hostRoot + "/";
    auto next = ownHostFolders_.lower_bound(prefix);
    ownFolderInside_ = next != ownHostFolders_.end() && next->compare(0, prefix.size(), prefix) == 0;
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
    if (created.SubFolders >= block_.Counters.Exists.SubFolders &&
        platform::TryCreateDirectoryInFolder(destination, true))
        return SubfolderResult::Created;
    const uint32_t attributes = platform::GetFileAttributesA(destination);
    if (IsRealFolder(attributes))
        return SubfolderResult::Exists;
    // A link in the place of the folder is no folder to merge into: what the
    // walk would write through it would land wherever it points.
    if (attributes != platform::INVALID_FILE_ATTRIBUTES)
        return SubfolderResult::Failed;
    if (ForceDirectories(ExcludeTrailingPathDelimiter(destination)) &&
        IsRealFolder(platform::GetFileAttributesA(destination)))
        return SubfolderResult::Created;
    return SubfolderResult::Failed;
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

AttachWalk::FileResult AttachWalk::CopyEntry(const platform::FolderEntry& entry, const std::string& source,
                                             const std::string& destination) {
    std::string trimmedSource;
    std::string trimmedDestination;
    const std::string& from = Trimmed(source, trimmedSource);
    const std::string& to = Trimmed(destination, trimmedDestination);
    // A link is copied as a link: its target is never read, so a link to a
    // folder cannot pull that folder (or the new folder itself) into the copy.
    const bool copied =
        entry.isLink ? platform::CopySymbolicLinkA(from, to) : platform::CopyFileA(from, to, true);
    if (copied)
        return FileResult::Created;
    return TakenByAnother(platform::GetLastError()) ? FileResult::Exists : FileResult::Failed;
}

AttachWalk::FileResult AttachWalk::SimulateEntry(const std::string& destination) {
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
        if (RecordedFolders && !simulated)
            RecordedFolders->push_back(destination);
        break;
    case SubfolderResult::Exists:
        block_.Counters.Exists.SubFolders += 1;
        block_.AddToList(StatisticList::SubFoldersExists, destination);
        break;
    case SubfolderResult::Failed:
        block_.Counters.Other.SubFolders += 1;
        block_.AddToList(StatisticList::FoldersOther, destination);
        break;
    }
    block_.RefreshBoth();
}

void AttachWalk::CountFile(FileResult result, const std::string& source, const std::string& destination,
                           bool simulated) {
    const AttachWalkTexts& texts = simulated ? simulationTexts_ : runTexts_;
    uint64_t size = 0;
    CounterRow* row = nullptr;
    switch (result) {
    case FileResult::Created:
        row = &block_.Counters.Created;
        row->Files += 1;
        block_.AddToList(StatisticList::FilesCreated, destination);
        block_.RefreshBoth();
        if (RecordedFiles && !simulated)
            RecordedFiles->push_back(destination);
        if (LookUpSize(source, size, texts.copiedCaption, texts.copiedText)) {
            row->FilesSize += static_cast<double>(size);
            block_.RefreshBoth();
        }
        return;
    case FileResult::Exists:
        row = &block_.Counters.Exists;
        block_.AddToList(StatisticList::FilesExists, destination);
        break;
    case FileResult::Failed:
        row = &block_.Counters.Other;
        block_.AddToList(StatisticList::FoldersOther, destination);
        break;
    }
    row->Files += 1;
    block_.RefreshBoth();
    if (LookUpSize(source, size, texts.notCopiedCaption, texts.notCopiedText)) {
        row->FilesSize += static_cast<double>(size);
        block_.RefreshBoth();
    }
}

bool AttachWalk::TakesFile(AttachMode mode, const std::string& source) const {
    return AttachesFiles(mode) && (!FilesFromSizeMapOnly || sizes_.count(source) > 0);
}

bool AttachWalk::LookUpSize(const std::string& source, uint64_t& size, const std::string& caption,
                            const std::string& text) const {
    auto found = sizes_.find(source);
    if (found == sizes_.end()) {
        RepaintPause showCounters(block_.Repaints());
        ui::ShowBox(nullptr, caption, text + source, ui::Icon::Warning);
        return false;
    }
    size = found->second;
    return true;
}

void AttachWalk::CountTopFolderThere(AttachMode mode) {
    if (!CountExistingTopFolder || !AttachesTopFolder(mode))
        return;
    block_.Counters.Exists.SubFolders += 1;
    block_.AddToList(StatisticList::SubFoldersExists, AttachTargetRoot);
    block_.RefreshBoth();
}

void AttachWalk::CopyFolderStructure(const std::string& structure, AttachMode mode) {
    AttachTopLevelDone = false;
    StartStructure(Trim(structure));
    if (!DirectoryExists(AttachTargetRoot)) {
        if (ForceDirectories(AttachTargetRoot)) {
            block_.Counters.Created.SubFolders += 1;
            block_.AddToList(StatisticList::SubFoldersCreated, AttachTargetRoot);
            block_.RefreshBoth();
            if (RecordedFolders)
                RecordedFolders->push_back(AttachTargetRoot);
        }
    } else {
        CountTopFolderThere(mode);
    }
    while (!AttachFolderQueue.empty())
        ProcessQueuedFolder(mode, false);
}

void AttachWalk::ProcessQueuedFolder(AttachMode mode, bool simulate) {
    std::string folder = std::move(AttachFolderQueue.front());
    AttachFolderQueue.pop_front();
    const bool blocked = blockedSources_.count(folder) > 0;

    // The same entries, in the same order, as a listing of folder\*.* gives;
    // the walk needs nothing of an entry but its name and kind. The run and
    // the simulation go through one loop, so that they cannot judge an entry
    // differently; only making it differs.
    std::vector<platform::FolderEntry> entries;
    platform::ListFolderEntries(folder, entries);
    const std::string target = DestinationOf(folder, std::string());
    for (const platform::FolderEntry& entry : entries) {
        std::string source = folder + "\\" + entry.name;
        std::string destination = target + entry.name;
        const bool joinable = platform::IsWindowsName(entry.name);
        if (entry.isDirectory) {
            if (joinable && IsOwnFolder(source))
                continue;
            const SubfolderResult result = blocked || !joinable ? SubfolderResult::Failed
                                           : simulate           ? SimulateSubfolder(destination)
                                                                : CreateSubfolder(destination);
            CountSubfolder(result, destination, simulate);
            if (!joinable)
                continue;
            if (result == SubfolderResult::Failed)
                blockedSources_.insert(source);
            AttachFolderQueue.push_back(source);
        } else if (TakesFile(mode, source)) {
            const FileResult result = blocked || !joinable ? FileResult::Failed
                                      : simulate           ? SimulateEntry(destination)
                                                           : CopyEntry(entry, source, destination);
            if (!simulate && result == FileResult::Created && mode == AttachMode::SubFoldersOnlyWithFiles &&
                !AttachTopLevelDone)
                CreatedFilesList.push_back(destination);
            CountFile(result, source, destination, simulate);
        }
    }
    if (!simulate)
        AttachTopLevelDone = true;
}

void AttachWalk::SimulateCopyFolderStructure(const std::string& structure, AttachMode mode) {
    StartStructure(Trim(structure));
    // The same as the run: the top folder is counted when it is made, and it
    // is made only where the new folder is not the target itself.
    if (!simulated_.FolderExists(AttachTargetRoot) && !DirectoryExists(AttachTargetRoot)) {
        if (AttachesTopFolder(mode) && simulated_.CanCreateFolder(AttachTargetRoot)) {
            simulated_.AddFolder(AttachTargetRoot);
            block_.Counters.Created.SubFolders += 1;
            block_.AddToList(StatisticList::SubFoldersCreated, AttachTargetRoot);
            block_.RefreshBoth();
        }
    } else {
        CountTopFolderThere(mode);
    }
    while (!AttachFolderQueue.empty())
        ProcessQueuedFolder(mode, true);
}

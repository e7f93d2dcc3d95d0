#include "create/engine/AttachWalk.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "create/engine/RepaintThrottle.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "ui/Desktop.h"

#include <utility>
#include <vector>

namespace {

// Whether anything (file or folder) stands at the path: a copy that fails if
// the destination exists fails for both.
bool EntryExists(const std::string& path) {
    return platform::GetFileAttributesA(path) != platform::INVALID_FILE_ATTRIBUTES;
}

// Trim(text), without a copy of the usual text that has nothing to trim.
const std::string& Trimmed(const std::string& text, std::string& storage) {
    if (text.empty() ||
        (static_cast<unsigned char>(text.front()) > 32 && static_cast<unsigned char>(text.back()) > 32))
        return text;
    storage = Trim(text);
    return storage;
}

std::string HostFolder(const std::string& windowsPath) {
    std::optional<std::string> host = platform::ToHostPath(windowsPath);
    if (!host)
        return {};
    std::string folder = *host;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

} // namespace

AttachWalk::AttachWalk(CreationCounterBlock& block, const FileSizeMap& sizes, AttachWalkTexts runTexts,
                       AttachWalkTexts simulationTexts)
    : block_(block), sizes_(sizes), runTexts_(std::move(runTexts)),
      simulationTexts_(std::move(simulationTexts)) {}

void AttachWalk::ClearOwnFolders() {
    ownHostFolders_.clear();
    ownFolderInside_ = false;
}

void AttachWalk::AddOwnFolder(const std::string& folder) {
    std::string host = HostFolder(folder);
    if (!host.empty())
        ownHostFolders_.insert(host);
}

void AttachWalk::StartStructure(const std::string& root) {
    AttachFolderQueue.clear();
    AttachFolderQueue.push_back(root);
    rootLength_ = root.size();
    ownFolderInside_ = false;
    if (ownHostFolders_.empty())
        return;
    std::string hostRoot = HostFolder(root);
    if (hostRoot.empty())
        return;
    std::string prefix = hostRoot.back() == '/' ? hostRoot : hostRoot + "/";
    auto next = ownHostFolders_.lower_bound(prefix);
    ownFolderInside_ = next != ownHostFolders_.end() && next->compare(0, prefix.size(), prefix) == 0;
}

bool AttachWalk::IsOwnFolder(const std::string& folder) const {
    return ownFolderInside_ && ownHostFolders_.count(HostFolder(folder)) > 0;
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
    if (DirectoryExists(destination))
        return SubfolderResult::Exists;
    if (ForceDirectories(ExcludeTrailingPathDelimiter(destination)))
        return SubfolderResult::Created;
    return SubfolderResult::Failed;
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
    } else if (CountExistingTopFolder && AttachesTopFolder(mode)) {
        block_.Counters.Exists.SubFolders += 1;
        block_.AddToList(StatisticList::SubFoldersExists, AttachTargetRoot);
        block_.RefreshBoth();
    }
    while (!AttachFolderQueue.empty())
        ProcessQueuedFolder(structure, mode);
}

void AttachWalk::ProcessQueuedFolder(const std::string& /*structure*/, AttachMode mode) {
    std::string folder = std::move(AttachFolderQueue.front());
    AttachFolderQueue.pop_front();

    // The same entries, in the same order, as a listing of folder\*.* gives;
    // the walk needs nothing of an entry but its name and kind.
    std::vector<platform::FolderEntry> entries;
    platform::ListFolderEntries(folder, entries);
    const std::string target = DestinationOf(folder, std::string());
    std::string trimmedSource;
    std::string trimmedDestination;
    for (const platform::FolderEntry& entry : entries) {
        std::string source = folder + "\\" + entry.name;
        std::string destination = target + entry.name;
        if (entry.isDirectory) {
            if (IsOwnFolder(source))
                continue;
            switch (CreateSubfolder(destination)) {
            case SubfolderResult::Created:
                block_.Counters.Created.SubFolders += 1;
                block_.AddToList(StatisticList::SubFoldersCreated, destination);
                if (RecordedFolders)
                    RecordedFolders->push_back(destination);
                break;
            case SubfolderResult::Exists:
                block_.Counters.Exists.SubFolders += 1;
                block_.AddToList(StatisticList::SubFoldersExists, destination);
                break;
            case SubfolderResult::Failed:
                block_.Counters.Other.SubFolders += 1;
                break;
            }
            block_.RefreshBoth();
            AttachFolderQueue.push_back(source);
        } else if (AttachesFiles(mode) && (!FilesFromSizeMapOnly || sizes_.count(source) > 0)) {
            uint64_t size = 0;
            if (platform::CopyFileA(Trimmed(source, trimmedSource), Trimmed(destination, trimmedDestination),
                                    true)) {
                block_.Counters.Created.Files += 1;
                block_.AddToList(StatisticList::FilesCreated, destination);
                block_.RefreshBoth();
                if (mode == AttachMode::SubFoldersOnlyWithFiles && !AttachTopLevelDone)
                    CreatedFilesList.push_back(destination);
                if (RecordedFiles)
                    RecordedFiles->push_back(destination);
                if (LookUpSize(source, size, runTexts_.copiedCaption, runTexts_.copiedText)) {
                    block_.Counters.Created.FilesSize += static_cast<double>(size);
                    block_.RefreshBoth();
                }
            } else {
                block_.Counters.Exists.Files += 1;
                block_.AddToList(StatisticList::FilesExists, destination);
                block_.RefreshBoth();
                if (LookUpSize(source, size, runTexts_.notCopiedCaption, runTexts_.notCopiedText)) {
                    block_.Counters.Exists.FilesSize += static_cast<double>(size);
                    block_.RefreshBoth();
                }
            }
        }
    }
    AttachTopLevelDone = true;
}

void AttachWalk::SimulateCopyFolderStructure(const std::string& structure, AttachMode mode) {
    StartStructure(Trim(structure));
    if (AttachesTopFolder(mode)) {
        if (!DirectoryExists(AttachTargetRoot)) {
            block_.Counters.Created.SubFolders += 1;
            block_.AddToList(StatisticList::SubFoldersCreated, AttachTargetRoot);
            block_.RefreshBoth();
        } else if (CountExistingTopFolder) {
            block_.Counters.Exists.SubFolders += 1;
            block_.AddToList(StatisticList::SubFoldersExists, AttachTargetRoot);
            block_.RefreshBoth();
        }
    }
    while (!AttachFolderQueue.empty())
        SimulateProcessQueuedFolder(structure, mode);
}

void AttachWalk::SimulateProcessQueuedFolder(const std::string& /*structure*/, AttachMode mode) {
    std::string folder = std::move(AttachFolderQueue.front());
    AttachFolderQueue.pop_front();

    // The same entries, in the same order, as a listing of folder\*.* gives;
    // the walk needs nothing of an entry but its name and kind.
    std::vector<platform::FolderEntry> entries;
    platform::ListFolderEntries(folder, entries);
    const std::string target = DestinationOf(folder, std::string());
    for (const platform::FolderEntry& entry : entries) {
        std::string source = folder + "\\" + entry.name;
        std::string destination = target + entry.name;
        if (entry.isDirectory) {
            if (IsOwnFolder(source))
                continue;
            if (!DirectoryExists(destination)) {
                block_.Counters.Created.SubFolders += 1;
                block_.AddToList(StatisticList::SubFoldersCreated, destination);
            } else {
                block_.Counters.Exists.SubFolders += 1;
                block_.AddToList(StatisticList::SubFoldersExists, destination);
            }
            block_.RefreshBoth();
            AttachFolderQueue.push_back(source);
        } else if (AttachesFiles(mode) && (!FilesFromSizeMapOnly || sizes_.count(source) > 0)) {
            uint64_t size = 0;
            if (!EntryExists(destination)) {
                block_.Counters.Created.Files += 1;
                block_.AddToList(StatisticList::FilesCreated, destination);
                block_.RefreshBoth();
                if (LookUpSize(source, size, simulationTexts_.copiedCaption, simulationTexts_.copiedText)) {
                    block_.Counters.Created.FilesSize += static_cast<double>(size);
                    block_.RefreshBoth();
                }
            } else {
                block_.Counters.Exists.Files += 1;
                block_.AddToList(StatisticList::FilesExists, destination);
                block_.RefreshBoth();
                if (LookUpSize(source, size, simulationTexts_.notCopiedCaption,
                               simulationTexts_.notCopiedText)) {
                    block_.Counters.Exists.FilesSize += static_cast<double>(size);
                    block_.RefreshBoth();
                }
            }
        }
    }
}

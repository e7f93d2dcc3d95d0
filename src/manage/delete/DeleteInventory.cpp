#include "manage/delete/DeleteInventory.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/SettingLists.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"

#include <optional>
#include <set>
#include <unordered_set>
#include <utility>

namespace {

using platform::EntryDetails;
using platform::EntryKind;

struct QueuedFolder {
    std::string path;
    uint32_t level;
    std::optional<size_t> item; // the folder's own entry of the inventory, if it has one
};

class InventoryWalk {
public:
    InventoryWalk(DeleteInventory& inventory, const std::function<void()>& step,
                  const FileSystemProbe& fileSystemOf)
        : inventory_(inventory), step_(step), fileSystemOf_(fileSystemOf) {}

    void WalkMain(uint32_t main, const std::string& path, const EntryDetails& details) {
        std::optional<size_t> item;
        if (inventory_.mode == DeleteMode::Everything) {
            item = Item(main, path, details, 0);
            inventory_.items[*item].denied = !platform::MayRemoveEntry(path);
        }
        if (details.kind != EntryKind::Folder)
            return; // a main folder that is a link is removed as a link, never entered
        mainFileSystem_ = FileSystemOf(path, details);
        std::deque<QueuedFolder> queue{{path, 0, item}};
        while (!queue.empty()) {
            QueuedFolder folder = std::move(queue.front());
            queue.pop_front();
            if (!platform::ListEntryDetails(folder.path, entries_, step_)) {
                // What it holds is unknown and stays: the folder is named
                // as not deleted, in the file modes too.
                if (!folder.item)
                    folder.item =
                        Item(main, folder.path, platform::GetEntryDetails(folder.path), folder.level);
                inventory_.items[*folder.item].unlisted = true;
                continue;
            }
            for (const EntryDetails& entry : entries_) {
                Visit(main, folder, entry, queue);
                Step();
            }
        }
    }

    // By the whole identity, birth time included: a folder deleted during the
    // walk hands its inode at once to the next one made, which is another
    // folder and must be walked too.
    bool FirstVisit(const platform::EntryIdentity& folder) { return seenFolders_.insert(folder).second; }

    void Step() const {
        if (step_)
            step_();
    }

private:
    uint64_t FileSystemOf(const std::string& path, const EntryDetails& entry) const {
        return fileSystemOf_ ? fileSystemOf_(path, entry) : entry.mount;
    }

    void Visit(uint32_t main, const QueuedFolder& folder, const EntryDetails& entry,
               std::deque<QueuedFolder>& queue) {
        const uint32_t level = folder.level + 1;
        const std::string path = folder.path + "\\" + entry.name;
        const bool isFolder = entry.kind == EntryKind::Folder;
        switch (inventory_.mode) {
        case DeleteMode::FilesEverywhere:
        case DeleteMode::FilesInMainFolders:
            if (isFolder) {
                if (inventory_.mode == DeleteMode::FilesEverywhere && FirstVisit(entry.identity))
                    Enter(main, path, entry, level, queue);
            } else if (!entry.linkToFolder && Matches(entry.name)) {
                Item(main, path, entry, level);
            }
            return;
        case DeleteMode::Subfolders:
        case DeleteMode::Everything:
            if ((isFolder || entry.kind == EntryKind::Link) && !FirstVisit(entry.identity))
                return; // already walked, or taken as a main folder, under another path
            if (isFolder && OnOtherFileSystem(path, entry)) {
                AddOtherFileSystem(main, path, entry, level);
                return;
            }
            const size_t item = Item(main, path, entry, level);
            if (isFolder && platform::IsWindowsName(entry.name))
                queue.push_back({path, level, item});
            return;
        }
    }

    // A subfolder the files mode goes into, unless it lies on another file
    // system.
    void Enter(uint32_t main, const std::string& path, const EntryDetails& entry, uint32_t level,
               std::deque<QueuedFolder>& queue) {
        if (OnOtherFileSystem(path, entry))
            AddOtherFileSystem(main, path, entry, level);
        else if (platform::IsWindowsName(entry.name))
            queue.push_back({path, level, std::nullopt});
    }

    bool OnOtherFileSystem(const std::string& path, const EntryDetails& entry) const {
        return entry.mountRoot || FileSystemOf(path, entry) != mainFileSystem_;
    }

    bool Matches(const std::string& name) const {
        for (const std::string& pattern : inventory_.patterns) {
            if (platform::MatchesWildcard(name, pattern))
                return true;
        }
        return false;
    }

    size_t Item(uint32_t main, const std::string& path, const EntryDetails& entry, uint32_t level) {
        DeleteItem item;
        item.path = path;
        item.kind = entry.kind;
        item.identity = entry.identity;
        item.size = entry.size;
        item.level = level;
        item.main = main;
        item.nameless = level > 0 && !platform::IsWindowsName(entry.name);
        item.denied = level > 0 && !entry.removable;
        inventory_.items.push_back(std::move(item));
        return inventory_.items.size() - 1;
    }

    void AddOtherFileSystem(uint32_t main, const std::string& path, const EntryDetails& entry,
                            uint32_t level) {
        inventory_.items[Item(main, path, entry, level)].otherFileSystem = true;
    }

    DeleteInventory& inventory_;
    const std::function<void()>& step_;
    const FileSystemProbe& fileSystemOf_;
    uint64_t mainFileSystem_ = 0;
    std::vector<EntryDetails> entries_;
    std::set<platform::EntryIdentity> seenFolders_;
};

// "C:\", "D:\" ... of the drive table.
std::vector<std::string> DriveRoots() {
    std::vector<std::string> roots;
    const std::string list = platform::GetLogicalDriveStringsA();
    for (size_t start = 0; start < list.size() && list[start] != '\0';) {
        const size_t end = list.find('\0', start);
        roots.push_back(list.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return roots;
}

// Counts what a delete would remove on an unchanged disk: what the pass
// deletes, everything but what stays and the folders holding it.
void CountWhatGoes(DeleteInventory& inventory) {
    std::unordered_set<std::string> holding;
    for (const DeleteItem& item : inventory.items) {
        if (!item.Stays())
            continue;
        for (std::string folder = item.path;;) {
            const size_t backslash = folder.find_last_of('\\');
            if (backslash == std::string::npos)
                break;
            folder.resize(backslash);
            if (!holding.insert(folder).second)
                break; // and so are the folders above it
        }
    }
    for (const DeleteItem& item : inventory.items) {
        if (item.Stays())
            continue;
        if (item.CountsAsFolder()) {
            if (!holding.count(item.path))
                ++inventory.folders;
        } else {
            ++inventory.files;
            inventory.bytes += item.size;
        }
    }
}

} // namespace

bool DeletesFolders(DeleteMode mode) {
    return mode == DeleteMode::Subfolders || mode == DeleteMode::Everything;
}

bool IsProtectedFolder(const std::string& folder) {
    const std::string path = Trim(folder);
    // A drive as it is typed ("D:", "D:\") is never a folder to delete from,
    // whatever the drive table says.
    if (path.size() <= 3)
        return true;
    // Without a drive the path would name a folder below wherever the
    // program happens to stand.
    if (Trim(ExtractFileDrive(path)).empty())
        return true;
    for (const std::string& root : DriveRoots()) {
        if (platform::FolderIsOrHolds(path, root))
            return true;
    }
    const std::string start = GetStartDirectory();
    return !start.empty() && platform::FolderIsOrHolds(path, start);
}

DeleteInventory TakeDeleteInventory(DeleteMode mode, const std::deque<std::string>& mainFolders,
                                    const std::deque<std::string>& patterns,
                                    const std::function<void()>& step, const FileSystemProbe& fileSystemOf) {
    DeleteInventory inventory;
    inventory.mode = mode;
    inventory.patterns = patterns;
    InventoryWalk walk(inventory, step, fileSystemOf);
    for (const std::string& line : mainFolders) {
        MainFolder main;
        main.path = Trim(line);
        // "D:\Data\" walks as "D:\Data": its entries are listed without a
        // doubled backslash.
        while (main.path.size() > 3 && (main.path.back() == '\\' || main.path.back() == '/'))
            main.path.pop_back();
        const uint32_t index = static_cast<uint32_t>(inventory.mains.size());
        const EntryDetails details = platform::GetEntryDetails(main.path);
        main.mount = details.mount;
        if (IsProtectedFolder(main.path)) {
            main.state = MainFolderState::Refused;
        } else if (details.kind == EntryKind::Missing) {
            main.state = MainFolderState::Missing;
        } else if (details.kind == EntryKind::File ||
                   (details.kind == EntryKind::Link && !details.linkToFolder)) {
            main.state = MainFolderState::NotAFolder;
        } else if (details.kind == EntryKind::Link && mode != DeleteMode::Everything) {
            // What the files and subfolder modes would take lies behind the
            // link, somewhere else: it is not entered.
            main.state = MainFolderState::Link;
        } else if (!walk.FirstVisit(details.identity)) {
            // One folder, or one link, however its lines write it, is
            // deleted from once.
            main.state = MainFolderState::Repeated;
        } else {
            main.state = MainFolderState::Present;
        }
        inventory.mains.push_back(main);
        if (main.state == MainFolderState::Present)
            walk.WalkMain(index, main.path, details);
        walk.Step();
    }
    CountWhatGoes(inventory);
    return inventory;
}

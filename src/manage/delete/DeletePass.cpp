#include "manage/delete/DeletePass.h"

#include "common/FrameworkPaths.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

using platform::EntryKind;

// Files before folders, deeper before shallower, otherwise as found.
std::vector<size_t> DeleteOrder(const std::vector<DeleteItem>& items) {
    std::vector<size_t> order(items.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const DeleteItem& x = items[a];
        const DeleteItem& y = items[b];
        if (x.CountsAsFolder() != y.CountsAsFolder())
            return !x.CountsAsFolder();
        return x.level > y.level;
    });
    return order;
}

bool SameEntry(const DeleteItem& item, EntryKind kind, const platform::EntryIdentity& identity) {
    return kind == item.kind && identity == item.identity;
}

bool RemoveEntry(const DeleteItem& item) {
    if (item.kind == EntryKind::Folder)
        return platform::RemoveDirectoryA(item.path);
    // A link to a folder may be one the platform only lets go as a folder;
    // either way the link goes, never what it points to.
    return platform::DeleteFileA(item.path) ||
           (item.kind == EntryKind::Link && platform::RemoveDirectoryA(item.path));
}

class DeletePass {
public:
    DeletePass(const DeleteInventory& planned, const DeleteInventory& now, bool simulate,
               const DeleteResultSink& sink)
        : planned_(planned), now_(now), simulate_(simulate), sink_(sink) {
        for (const DeleteItem& item : now_.items)
            nowByPath_.emplace(item.path, &item);
        for (const DeleteItem& item : planned_.items) {
            plannedPaths_.insert(item.path);
            if (item.level == 0)
                plannedMains_.insert(item.main);
        }
    }

    DeletePassTotals Run() {
        ReportMainFolders();
        // What appeared since the pre-count stays, and keeps its folders.
        for (const DeleteItem& item : now_.items) {
            if (!plannedPaths_.count(item.path) && !Refused(item.main, now_)) {
                Keep(item.path);
                Step();
                sink_.record(item.path, item.CountsAsFolder(), DeleteOutcome::OtherReasons);
            }
        }
        for (size_t index : DeleteOrder(planned_.items)) {
            Step();
            const DeleteItem& item = planned_.items[index];
            if (Refused(item.main, now_))
                continue;
            sink_.record(item.path, item.CountsAsFolder(), Outcome(item));
        }
        return totals_;
    }

private:
    void Step() {
        if (sink_.step)
            sink_.step();
    }

    static bool Refused(uint32_t main, const DeleteInventory& inventory) {
        return main < inventory.mains.size() && inventory.mains[main].state == MainFolderState::Refused;
    }

    bool PlannedMainItem(uint32_t main) const { return plannedMains_.count(main) > 0; }

    // Refused, missing and unusable main folders, in list order.
    void ReportMainFolders() {
        for (uint32_t main = 0; main < now_.mains.size(); ++main) {
            const MainFolder& folder = now_.mains[main];
            switch (folder.state) {
            case MainFolderState::Refused:
            case MainFolderState::NotAFolder:
            case MainFolderState::Link:
                sink_.record(folder.path, true, DeleteOutcome::OtherReasons);
                break;
            case MainFolderState::Missing:
                // A main folder the pre-count found and the pass will report
                // as gone is not reported twice.
                if (!PlannedMainItem(main))
                    sink_.record(folder.path, true, DeleteOutcome::NotExists);
                break;
            case MainFolderState::Present:
            case MainFolderState::Repeated:
                break;
            }
        }
    }

    DeleteOutcome Outcome(const DeleteItem& item) {
        if (item.nameless || item.otherFileSystem || item.unlisted)
            return Kept(item.path);
        auto found = nowByPath_.find(item.path);
        if (found == nowByPath_.end()) {
            // Not met by the walk: gone, or out of its reach now (behind a
            // folder that became a link, or below a mount made since).
            const platform::EntryDetails details = platform::GetEntryDetails(item.path);
            return details.kind == EntryKind::Missing ? Missing(item) : Kept(item.path);
        }
        const DeleteItem& current = *found->second;
        if (current.otherFileSystem || current.denied || current.unlisted ||
            !SameEntry(item, current.kind, current.identity))
            return Kept(item.path);
        if (item.CountsAsFolder() && kept_.count(item.path))
            return Kept(item.path);
        // A file may have grown or shrunk since the pre-count: what is
        // reported is what went, at the size it had then.
        if (simulate_)
            return Deleted(current.size);
        // The disk is asked once more just before the item goes.
        const platform::EntryDetails details = platform::GetEntryDetails(item.path);
        if (details.kind == EntryKind::Missing)
            return Missing(item);
        if (!SameEntry(item, details.kind, details.identity) || !RemoveEntry(item))
            return Kept(item.path);
        return Deleted(details.size);
    }

    // An item its path no longer leads to is gone, unless something mounted
    // since on a folder holding it hides it: it is still on the disk, below
    // the mount, and stays.
    DeleteOutcome Missing(const DeleteItem& item) {
        return HiddenByMount(item) ? Kept(item.path) : DeleteOutcome::NotExists;
    }

    // Whether the nearest folder holding the item that is there now lies on
    // another mount than the item's main folder did when it was counted.
    bool HiddenByMount(const DeleteItem& item) const {
        if (item.main >= planned_.mains.size())
            return false;
        std::string folder = item.path;
        for (uint32_t level = item.level; level > 0; --level) {
            const size_t backslash = folder.find_last_of('\\');
            if (backslash == std::string::npos)
                return false;
            folder.resize(backslash);
            const platform::EntryDetails details = platform::GetEntryDetails(folder);
            if (details.kind != EntryKind::Missing)
                return details.mount != planned_.mains[item.main].mount;
        }
        return false;
    }

    DeleteOutcome Deleted(uint64_t size) {
        totals_.deletedBytes += size;
        return DeleteOutcome::Deleted;
    }

    // An entry that stays: so do the folders that hold it.
    DeleteOutcome Kept(const std::string& path) {
        Keep(path);
        return DeleteOutcome::OtherReasons;
    }

    void Keep(const std::string& path) {
        std::string folder = path;
        for (;;) {
            const size_t backslash = folder.find_last_of('\\');
            if (backslash == std::string::npos)
                return;
            folder.resize(backslash);
            if (!kept_.insert(folder).second)
                return; // and so are the folders above it
        }
    }

    const DeleteInventory& planned_;
    const DeleteInventory& now_;
    bool simulate_;
    const DeleteResultSink& sink_;
    std::unordered_map<std::string, const DeleteItem*> nowByPath_;
    std::unordered_set<std::string> plannedPaths_;
    std::unordered_set<uint32_t> plannedMains_;
    std::unordered_set<std::string> kept_;
    DeletePassTotals totals_;
};

} // namespace

DeletePassTotals RunDeletePass(const DeleteInventory& planned, const DeleteInventory& now, bool simulate,
                               const DeleteResultSink& sink) {
    return DeletePass(planned, now, simulate, sink).Run();
}

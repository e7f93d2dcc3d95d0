#pragma once
// The delete run and its simulation over what the pre-count found. The items
// go in the order the delete examples show: files before folders, the deepest
// first, each level in the order the walk found it. Before an item goes, what
// is on the disk now is compared with what the pre-count saw:
// - an item that is gone counts as not existing; one that something mounted
//   since on a folder holding it hides is still on the disk, and counts
//   under other reasons;
// - an item whose path now names another entry (another identity or kind)
//   is left alone and counts under other reasons;
// - an entry that appeared since is left alone and listed under other
//   reasons, and so is every folder that still holds something;
// - a main folder refused for safety, or given as a link where the mode
//   would enter it, is listed under other reasons;
// - a folder on another file system than its main folder is listed under
//   other reasons, and so are the folders that hold it.
// What was deleted is reported with the size it had when it went.
// The simulation walks the same way and decides the same, deleting nothing,
// so on an unchanged disk its results are the run's.

#include "manage/delete/DeleteInventory.h"

#include <cstdint>
#include <functional>
#include <string>

enum class DeleteOutcome { Deleted, NotExists, OtherReasons };

struct DeleteResultSink {
    // Each item once, with what became of it.
    std::function<void(const std::string& path, bool folder, DeleteOutcome outcome)> record;
    // Runs before each item, to let the window repaint.
    std::function<void()> step;
};

struct DeletePassTotals {
    uint64_t deletedBytes = 0;
};

// `planned` is the pre-count's inventory; `now` one taken at the start of the
// pass with the same mode, main folders and patterns.
DeletePassTotals RunDeletePass(const DeleteInventory& planned, const DeleteInventory& now, bool simulate,
                               const DeleteResultSink& sink);

#pragma once
// The five attach-option radio buttons of the creation pages. A click turns
// the page's structure controls off for "Attach Nothing." and on for the
// others, resets the page's counters and plans anew: with nothing attached
// the planned row is one folder per item; otherwise the page's free-space
// check plans it. One routine for the three pages; each page says how.

#include "runs/CreationCounters.h"

#include <functional>
#include <vector>

class QWidget;

struct AttachOptionPage {
    // The structure list and its three buttons.
    std::vector<QWidget*> structureControls;
    std::function<void()> resetAllCounters;
    // The ToCreate Folders counter := the number of items to create.
    std::function<void()> planFolders;
    // The page's free-space check, which plans the ToCreate row when it passes.
    std::function<void(bool withFiles)> checkFreeSpace;
    // The numbers page plans its folders before the check as well.
    bool planFoldersBeforeCheck = false;
    std::function<void()> refreshResultLabels;
    std::function<void()> refreshStatisticLabels;
    std::function<void(bool)> updateCreateButtons;
};

// The click of the radio of `mode`; `checked` is whether that radio is checked now.
void AttachOptionClick(const AttachOptionPage& page, AttachMode mode, bool checked);

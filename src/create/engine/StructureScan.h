#pragma once
// What the chosen attach structures add up to, and whether a destination's
// drive has room for a run that attaches them to every new folder.

#include "common/FolderTreeScanner.h"
#include "runs/CreationCounters.h"

#include <cstdint>
#include <string>
#include <vector>

// Scans every structure (blanks trimmed) into the totals and the size map,
// which are emptied first. `countTopFolder`: the structure's own top folder
// counts as a subfolder (the "Main Folders" modes), when it has a name. Without files the byte
// and file totals stay 0; the size map is filled either way.
void ScanAllStructures(const std::vector<std::string>& structures, bool countTopFolder, bool withFiles,
                       StructureTotals& totals, FileSizeMap& sizes);

struct FreeSpaceResult {
    bool enough = false;
    uint64_t freeBytes = 0;
    uint64_t neededBytes = 0; // itemCount x structure bytes, UINT64_MAX when that overflows
    double neededFigure = 0;  // the same product unsaturated: what the box says is needed
    std::string root;         // "D:\"
};

// The space check of the strings and numbers pages: enough when the free bytes
// of the destination's drive are strictly more than `itemCount` times the
// structure bytes.
FreeSpaceResult CheckDestinationFreeSpace(uint64_t itemCount, const std::string& destination,
                                          const StructureTotals& totals);

// "There is not enough space on the disk. ..." with the figures of `result`.
std::string NotEnoughSpaceText(const FreeSpaceResult& result);

// The planned row of a check that passed.
CounterRow PlannedRow(uint64_t itemCount, const StructureTotals& totals);

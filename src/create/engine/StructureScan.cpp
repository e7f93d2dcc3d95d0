#include "create/engine/StructureScan.h"

#include "common/DiskSpace.h"
#include "common/FileHelpers.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/NumberTexts.h"

#include <limits>

void ScanAllStructures(const std::vector<std::string>& structures, bool countTopFolder, bool withFiles,
                       StructureTotals& totals, FileSizeMap& sizes) {
    totals = StructureTotals{};
    sizes.clear();
    for (const std::string& structure : structures) {
        FolderTreeScanner scanner(TrimBlanks(structure));
        // A structure without a last name of its own (a drive's root, "D:\\")
        // is attached into the new folder itself, as in the "Subfolders
        // Only" modes: there is no top folder to make.
        scanner.SetCountRootFolder(countTopFolder && !ExtractFileName(Trim(structure)).empty());
        // A folder the run cannot enter is one subfolder it counts as not
        // created, never a file.
        scanner.SetCountClosedFolders(true);
        scanner.Run();
        totals.subfolders += scanner.GetFolderCount();
        FileSizeMap found = scanner.GetFileSizeMap();
        sizes.insert(found.begin(), found.end());
        if (withFiles) {
            totals.bytes += scanner.GetTotalBytes();
            totals.files += scanner.GetFileCount();
        }
    }
}

FreeSpaceResult CheckDestinationFreeSpace(uint64_t itemCount, const std::string& destination,
                                          const StructureTotals& totals) {
    FreeSpaceResult result;
    result.freeBytes = CheckDiskFreeSpace(Trim(destination), result.root);
    if (totals.bytes != 0 && itemCount > std::numeric_limits<uint64_t>::max() / totals.bytes)
        result.neededBytes = std::numeric_limits<uint64_t>::max();
    else
        result.neededBytes = itemCount * totals.bytes;
    result.neededFigure = static_cast<double>(itemCount) * static_cast<double>(totals.bytes);
    result.enough = result.freeBytes > result.neededBytes;
    return result;
}

std::string NotEnoughSpaceText(const FreeSpaceResult& result) {
    double value = 0;
    std::string unit;
    std::string freeText = SizeToText(result.freeBytes, value, unit);
    // The need is shown as it is, also where it is beyond what 64 bits hold.
    std::string neededText = SizeFigureToText(result.neededFigure, value, unit);
    return "There is not enough space on the disk.\nThe free space on the disk " + result.root +
           " is : " + freeText + "    " + BigNumberToText(result.freeBytes) + " bytes\n" +
           "The program requires : " + neededText + "    " + DoubleToText(result.neededFigure) + " bytes.";
}

CounterRow PlannedRow(uint64_t itemCount, const StructureTotals& totals) {
    CounterRow row;
    double n = static_cast<double>(itemCount);
    row.Folders = n;
    row.SubFolders = n * totals.subfolders;
    row.Files = n * totals.files;
    row.FilesSize = n * static_cast<double>(totals.bytes);
    return row;
}

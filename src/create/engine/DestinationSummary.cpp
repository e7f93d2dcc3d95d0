#include "create/engine/DestinationSummary.h"

#include "common/FolderTreeScanner.h"
#include "common/FrameworkText.h"
#include "tools/TfrmLevelSummFolder.h"

void ShowDestinationSummary(const std::string& destination, bool countDestination) {
    FolderTreeScanner scanner(Trim(destination));
    scanner.SetCountRootFolder(countDestination);
    // A scan of every file, so the window shows the destination's real file
    // count and size rather than the zeros of a scan without file patterns.
    scanner.Run();
    FillLevelSummary(scanner);
}

#pragma once
// Internal to the platform layer: everything the layer remembers between
// calls, in one place. The program calls the layer from its window thread only.

#include "platform/Drives.h"
#include "platform/FolderNameCache.h"
#include "platform/FolderWatches.h"
#include "platform/OpenFolders.h"
#include "platform/WindowsPath.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace platform::detail {

struct PlatformState {
    PlatformState();

    DriveTable drives;
    WindowsPath currentDirectory;
    std::map<char, uint64_t> freeSpaceOverrides;
    FolderNameCache folderNames;
    FolderWatches folderWatches;
    OpenFolders openFolders;
};

PlatformState& State();

// The host folder of a drive letter (any case); nullptr when not mapped.
const std::string* DriveRoot(char letter);

// The Windows form of an absolute host path under `drives`, through the
// mapped folder with the longest matching prefix.
std::optional<WindowsPath> WindowsFormOf(const DriveTable& drives, const std::string& hostPath);

// Reads a Windows path against the current directory; records the error.
bool ParsePath(const std::string& text, WindowsPath& out);

} // namespace platform::detail

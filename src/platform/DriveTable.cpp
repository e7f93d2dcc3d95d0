// The drive table: which host folder each drive letter stands for.

#include "platform/Drives.h"
#include "platform/PlatformState.h"

#include <filesystem>

namespace platform {

namespace {

bool ToDriveLetter(char letter, char& upper) {
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 32);
    if (letter < 'A' || letter > 'Z')
        return false;
    upper = letter;
    return true;
}

// An absolute, clean host folder without a trailing slash ("/" stays).
std::string CleanHostFolder(const std::string& folder) {
    std::filesystem::path path(folder);
    if (path.is_relative()) {
        std::error_code error;
        path = std::filesystem::absolute(path, error);
    }
    std::string clean = path.lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/')
        clean.pop_back();
    return clean.empty() ? std::string("/") : clean;
}

} // namespace

DriveTable GetDriveTable() {
    return detail::State().drives;
}

void SetDriveTable(const DriveTable& table) {
    DriveTable clean;
    for (const auto& [letter, folder] : table) {
        char upper;
        if (ToDriveLetter(letter, upper) && !folder.empty())
            clean[upper] = CleanHostFolder(folder);
    }
    detail::State().drives = std::move(clean);
    // The folders of the old table are seldom those of the new one.
    detail::State().openFolders.Clear();
}

void MapDrive(char letter, const std::string& hostFolder) {
    char upper;
    if (ToDriveLetter(letter, upper) && !hostFolder.empty())
        detail::State().drives[upper] = CleanHostFolder(hostFolder);
}

void UnmapDrive(char letter) {
    char upper;
    if (ToDriveLetter(letter, upper))
        detail::State().drives.erase(upper);
}

std::string GetLogicalDriveStringsA() {
    std::string list;
    for (const auto& drive : detail::State().drives) {
        list += drive.first;
        list += ":\\";
        list += '\0';
    }
    list += '\0';
    return list;
}

unsigned GetDriveTypeA(const std::string& rootPath) {
    // "C:\", "C:/" and "C:" name a drive's root; anything longer does not.
    const bool rootForm =
        (rootPath.size() == 2 || (rootPath.size() == 3 && (rootPath[2] == '\\' || rootPath[2] == '/'))) &&
        rootPath[1] == ':';
    if (!rootForm)
        return DRIVE_NO_ROOT_DIR;
    char upper;
    if (!ToDriveLetter(rootPath[0], upper) || !detail::DriveRoot(upper))
        return DRIVE_NO_ROOT_DIR;
    return DRIVE_FIXED;
}

} // namespace platform

#include "platform/PlatformState.h"

#include "platform/Drives.h"
#include "platform/Errors.h"

#include <unistd.h>

#include <filesystem>

namespace platform::detail {

PlatformState::PlatformState() {
    drives.emplace('C', std::string(1, '/'));
    // The program starts where the process was started; the process's own
    // working directory is never changed afterwards.
    std::error_code error;
    const std::filesystem::path working = std::filesystem::current_path(error);
    std::optional<WindowsPath> start;
    if (!error)
        start = WindowsFormOf(drives, working.string());
    if (start) {
        currentDirectory = *start;
    } else {
        currentDirectory.drive = 'C';
    }
}

PlatformState& State() {
    static PlatformState state;
    return state;
}

const std::string* DriveRoot(char letter) {
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 32);
    const DriveTable& drives = State().drives;
    auto found = drives.find(letter);
    return found == drives.end() ? nullptr : &found->second;
}

std::optional<WindowsPath> WindowsFormOf(const DriveTable& drives, const std::string& hostPath) {
    if (hostPath.empty() || hostPath[0] != '/')
        return std::nullopt;
    std::string path = std::filesystem::path(hostPath).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const DriveTable::value_type* best = nullptr;
    for (const auto& drive : drives) {
        const std::string& root = drive.second;
        const bool inside = root == "/" || path == root ||
                            (path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
                             path[root.size()] == '/');
        if (inside && (!best || root.size() > best->second.size()))
            best = &drive;
    }
    if (!best)
        return std::nullopt;
    WindowsPath result;
    result.drive = best->first;
    std::size_t start = best->second.size();
    while (start < path.size()) {
        while (start < path.size() && path[start] == '/')
            ++start;
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            result.components.push_back(path.substr(start, end - start));
        start = end;
    }
    return result;
}

bool ParsePath(const std::string& text, WindowsPath& out) {
    uint32_t error = 0;
    if (ParseWindowsPath(text, State().currentDirectory, out, error))
        return true;
    return Fail(error);
}

} // namespace platform::detail

namespace platform {

void SetFolderWatchesAvailable(bool available) {
    detail::State().folderWatches.SetAvailable(available, detail::State().folderNames);
}

} // namespace platform

#include "common/FileHelpers.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>

namespace {

const char* DriveTypeNameOf(unsigned code) {
    switch (code) {
    case platform::DRIVE_UNKNOWN:
        return "Unknown";
    case platform::DRIVE_NO_ROOT_DIR:
        return "Invalid path";
    case platform::DRIVE_REMOVABLE:
        return "Removable drive";
    case platform::DRIVE_FIXED:
        return "Fixed drive";
    case platform::DRIVE_REMOTE:
        return "Network drive";
    case platform::DRIVE_CDROM:
        return "CDROM";
    case platform::DRIVE_RAMDISK:
        return "RAM Disk";
    default:
        return "Unknown";
    }
}

// True when `inner` is `outer` or lies below it (lexically, both normalised).
bool IsSameOrBelow(const std::filesystem::path& inner, const std::filesystem::path& outer) {
    auto i = inner.begin();
    for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
        if (o->empty()) // the trailing "" of a path ending with a separator
            continue;
        if (i == inner.end() || *i != *o)
            return false;
    }
    return true;
}

// The folder a host path finally names: links resolved as far as the path
// exists (a link met on the way may lead anywhere, a drive's root included),
// "." and ".." taken out, no trailing separator.
std::filesystem::path Resolved(const std::string& hostPath) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::weakly_canonical(hostPath, error);
    if (error)
        path = hostPath;
    path = path.lexically_normal();
    if (!path.has_filename() && path != path.root_path())
        path = path.parent_path();
    return path;
}

// Emptying a folder that holds a drive's root, or is one, would empty a whole
// drive: never allowed, whatever the text looks like ("C:", "C:\.", "C:\a\..")
// and whatever links the path runs through.
bool HoldsADriveRoot(const std::string& folder) {
    std::optional<std::string> host = platform::ToHostPath(folder);
    if (!host || host->empty())
        return true; // cannot tell where it points: refuse
    const std::filesystem::path target = Resolved(*host);
    for (const auto& [letter, root] : platform::GetDriveTable()) {
        if (IsSameOrBelow(Resolved(root), target))
            return true;
    }
    return false;
}

} // namespace

bool GetCurrentFolder(std::string& folder) {
    // The layer keeps the current directory as a text of any length, so there
    // is no buffer to overflow and nothing to cut short.
    folder = platform::GetCurrentDirectoryA();
    return !folder.empty();
}

bool SplitDriveAndRest(const std::string& path, std::string& drive, std::string& rest) {
    std::size_t colon = path.find(':');
    if (colon == std::string::npos) {
        drive.clear();
        rest = path;
        return false;
    }
    drive = path.substr(0, colon + 1);
    rest = path.substr(colon + 1);
    return true;
}

std::string SplitFolderAndName(std::string& path, std::string& last) {
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    std::size_t cut = path.rfind('\\');
    if (cut == std::string::npos) {
        last.clear();
        return path;
    }
    last = TrimBlanks(path.substr(cut + 1));
    return TrimBlanks(path.substr(0, cut + 1));
}

std::string LowerCaseCopy(const std::string& text) {
    return AnsiLowerCase(text);
}

std::string TrimBlanks(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string DoubleToText(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    double whole = std::nearbyint(value);
    if (whole == 0)
        return "0"; // no "-0"
    // Every digit of the largest double fits: about 309 of them.
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

std::string LongToText(int64_t value) {
    return std::to_string(value);
}

std::string ZeroPadNumber(double value, int width) {
    std::string text = DoubleToText(value);
    if (width <= 0 || text.size() >= static_cast<std::size_t>(width))
        return text;
    // The zeros go after the sign: -7 to width 3 is "-07", not "0-7".
    const std::size_t signLength = text[0] == '-' ? 1 : 0;
    text.insert(signLength, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

bool DriveTypeName(const std::string& path, std::string& name) {
    name.clear();
    if (path.empty())
        return false;
    // Every root the list holds, however many; nothing read past its end.
    std::map<std::string, std::string> names;
    const std::string roots = platform::GetLogicalDriveStringsA();
    for (std::size_t start = 0; start < roots.size();) {
        std::size_t end = roots.find('\0', start);
        if (end == std::string::npos)
            end = roots.size();
        if (end > start) {
            const std::string root = roots.substr(start, end - start);
            names[LowerCaseCopy(root.substr(0, 1))] = DriveTypeNameOf(platform::GetDriveTypeA(root));
        }
        start = end + 1;
    }
    auto found = names.find(LowerCaseCopy(path.substr(0, 1)));
    if (found == names.end())
        return false;
    name = found->second;
    return true;
}

bool EmptyFolderContents(const std::string& folder) {
    if (folder.empty() || ExtractFileDrive(folder).empty() || HoldsADriveRoot(folder))
        return false;
    return platform::ShellDeleteFiles(folder + "\\*.*");
}

bool HasAtMostSubfolders(unsigned count, const std::string& folder) {
    // An empty text would list the root of the current drive instead.
    if (folder.empty())
        return true;
    std::string remembered;
    const bool haveRemembered = GetCurrentFolder(remembered);
    platform::SetCurrentDirectoryA(folder);

    unsigned found = 0;
    bool atMost = true;
    platform::FindData entry;
    platform::FindHandle listing = platform::FindFirstFileA(folder + "\\*.*", entry);
    if (listing) {
        do {
            if (entry.cFileName == "." || entry.cFileName == "..")
                continue;
            // A link is never a subfolder of the folder it stands in.
            if ((entry.dwFileAttributes & platform::FILE_ATTRIBUTE_REPARSE_POINT) ||
                !platform::IsWindowsName(entry.cFileName))
                continue;
            if (platform::SetCurrentDirectoryA(folder + "\\" + entry.cFileName) && ++found > count) {
                atMost = false;
                break;
            }
        } while (platform::FindNextFileA(listing, entry));
        platform::FindClose(listing);
    }
    if (haveRemembered)
        platform::SetCurrentDirectoryA(remembered);
    return atMost;
}

#include "common/FrameworkFiles.h"

#include "ui/FrameworkError.h"

#include <vector>

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The length of the folder part of `path[0, length)`: up to and including its
// last separator or colon; 0 when there is none.
std::size_t FolderPartLength(const std::string& path, std::size_t length) {
    for (std::size_t i = length; i > 0; --i) {
        if (IsSeparator(path[i - 1]) || path[i - 1] == ':')
            return i;
    }
    return 0;
}

std::size_t WithoutTrailingSeparators(const std::string& path, std::size_t length) {
    while (length > 0 && IsSeparator(path[length - 1]))
        --length;
    return length;
}

// True when a component of the path is made of dots and blanks only ("."
// "..", "... "): such a component can make an ancestor exist while a deeper
// level does not, so presence along the path is no longer ordered.
bool HasDotComponent(const std::string& path) {
    bool onlyDots = true;
    bool anyDot = false;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || IsSeparator(path[i]) || path[i] == ':') {
            if (onlyDots && anyDot)
                return true;
            onlyDots = true;
            anyDot = false;
        } else if (path[i] == '.') {
            anyDot = true;
        } else if (path[i] != ' ') {
            onlyDots = false;
        }
    }
    return false;
}

// The index of the deepest level that exists (levels are ordered deepest
// first), or `count` when none does. A new folder in an existing one, the
// usual case, costs two lookups. For a deep path the search halves the levels
// instead of asking for each: when a level exists, so do all above it, and a
// path of thousands of levels would otherwise cost thousands of lookups, each
// as long as the path.
template <typename Exists>
std::size_t FirstPresentLevel(const std::string& path, std::size_t count, const Exists& exists) {
    constexpr std::size_t LinearLevels = 8;
    if (count <= LinearLevels || HasDotComponent(path)) {
        for (std::size_t level = 0; level < count; ++level) {
            if (exists(level))
                return level;
        }
        return count;
    }
    for (std::size_t level = 0; level < 2; ++level) {
        if (exists(level))
            return level;
    }
    std::size_t low = 2;      // levels below `low` are missing
    std::size_t high = count; // `high` is present or the virtual level above the last
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (exists(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return high;
}

void FillFromFindData(TSearchRec& rec, const platform::FindData& data) {
    rec.Name = data.cFileName;
    rec.Attr = static_cast<int>(data.dwFileAttributes);
    rec.SizeHigh = data.nFileSizeHigh;
    rec.SizeLow = data.nFileSizeLow;
    rec.Size = static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

int LastErrorOr(uint32_t fallback) {
    uint32_t code = platform::GetLastError();
    return static_cast<int>(code != 0 ? code : fallback);
}

// Steps over entries the caller's mask excludes; 0 when `data` holds one it wants.
int SkipExcluded(TSearchRec& rec, platform::FindData& data) {
    while (static_cast<int>(data.dwFileAttributes) & rec.ExcludeAttr) {
        if (!platform::FindNextFileA(rec.FindHandle, data))
            return LastErrorOr(platform::ERROR_NO_MORE_FILES);
    }
    FillFromFindData(rec, data);
    return 0;
}

} // namespace

bool DirectoryExists(const std::string& path) {
    // An empty text names no folder, even though the platform would read it as
    // the current directory.
    if (path.empty())
        return false;
    uint32_t attributes = platform::GetFileAttributesA(path);
    return attributes != platform::INVALID_FILE_ATTRIBUTES &&
           (attributes & platform::FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
    if (path.empty())
        return false;
    uint32_t attributes = platform::GetFileAttributesA(path);
    return attributes != platform::INVALID_FILE_ATTRIBUTES &&
           !(attributes & platform::FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// The folder and its ancestors, deepest first, each a prefix of `path` given
// by its length, down to (not including) the first one that counts as present
// by its text alone: a drive ("C:"), a text shorter than three characters, or
// the current directory behind a relative name. A run of separators counts as
// one, so that a doubled backslash neither stops the walk early nor passes for
// a root.
std::vector<std::size_t> LevelsOf(const std::string& path) {
    std::vector<std::size_t> levels;
    std::size_t length = WithoutTrailingSeparators(path, path.size());
    while (length >= 3) {
        std::size_t parent = FolderPartLength(path, length);
        if (parent == length) // ends with a colon: a drive
            break;
        levels.push_back(length);
        if (parent == 0)
            break;
        length = WithoutTrailingSeparators(path, parent);
    }
    return levels;
}

// The usual case, a new folder in a folder, is settled by creating it: what
// the levels below would find and do. Anything else takes the long way, and
// so do dot components, which make presence unordered.
bool SimplyCreated(const std::string& path, const std::vector<std::size_t>& levels,
                   std::optional<platform::EntryDetails>* made) {
    return !levels.empty() && !HasDotComponent(path) &&
           platform::TryCreateDirectoryInFolder(path.substr(0, levels[0]), true, made);
}

std::size_t PresentLevel(const std::string& path, const std::vector<std::size_t>& levels) {
    const auto exists = [&](std::size_t level) { return DirectoryExists(path.substr(0, levels[level])); };
    return FirstPresentLevel(path, levels.size(), exists);
}

} // namespace

bool ForceDirectories(const std::string& path) {
    if (path.empty())
        throw ui::FrameworkError("Unable to create directory");
    const std::vector<std::size_t> levels = LevelsOf(path);
    if (SimplyCreated(path, levels, nullptr))
        return true;
    const std::size_t present = PresentLevel(path, levels);
    for (std::size_t level = present; level-- > 0;) {
        if (!platform::CreateDirectoryA(path.substr(0, levels[level])))
            return false;
    }
    return true;
}

FolderMaking ForceNewDirectory(const std::string& path, std::optional<platform::EntryDetails>& made) {
    made.reset();
    if (path.empty())
        throw ui::FrameworkError("Unable to create directory");
    const std::vector<std::size_t> levels = LevelsOf(path);
    if (levels.empty())
        return DirectoryExists(path) ? FolderMaking::Found : FolderMaking::Failed;
    if (SimplyCreated(path, levels, &made))
        return FolderMaking::Made;
    const std::size_t present = PresentLevel(path, levels);
    if (present == 0)
        return FolderMaking::Found;
    // A parent another program made meanwhile serves as well as one made here.
    for (std::size_t level = present; level-- > 1;) {
        const std::string parent = path.substr(0, levels[level]);
        if (!platform::CreateDirectoryA(parent) && !DirectoryExists(parent))
            return FolderMaking::Failed;
    }
    const std::string folder = path.substr(0, levels[0]);
    if (platform::CreateDirectoryA(folder, &made))
        return FolderMaking::Made;
    return DirectoryExists(folder) ? FolderMaking::Found : FolderMaking::Failed;
}

bool DeleteFile(const std::string& path) {
    return platform::DeleteFileA(path);
}

int FindFirst(const std::string& pattern, int attr, TSearchRec& rec) {
    rec.ExcludeAttr = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    platform::FindData data;
    rec.FindHandle = platform::FindFirstFileA(pattern, data);
    if (!rec.FindHandle)
        return LastErrorOr(platform::ERROR_FILE_NOT_FOUND);
    int result = SkipExcluded(rec, data);
    if (result != 0)
        FindClose(rec);
    return result;
}

int FindNext(TSearchRec& rec) {
    if (!rec.FindHandle)
        return static_cast<int>(platform::ERROR_NO_MORE_FILES);
    platform::FindData data;
    if (!platform::FindNextFileA(rec.FindHandle, data))
        return LastErrorOr(platform::ERROR_NO_MORE_FILES);
    return SkipExcluded(rec, data);
}

void FindClose(TSearchRec& rec) {
    if (rec.FindHandle) {
        platform::FindClose(rec.FindHandle);
        rec.FindHandle.reset();
    }
}

// FindFirstFileA / FindNextFileA / FindClose: a folder's entries that match a
// name pattern, read at once and handed out in the order NTFS gives.

#include "platform/Attributes.h"
#include "platform/CaseFolding.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathResolver.h"
#include "platform/PlatformState.h"
#include "platform/Wildcard.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace platform {

class FindHandleData {
public:
    std::vector<FindData> entries;
    std::size_t next = 0;
};

namespace {

FindData EntryOf(const std::string& name, const struct stat& st) {
    FindData data;
    data.cFileName = name;
    data.dwFileAttributes = detail::AttributesOf(st, name);
    if (S_ISREG(st.st_mode))
        data.fileSize = static_cast<uint64_t>(st.st_size);
    data.nFileSizeHigh = static_cast<uint32_t>(data.fileSize >> 32);
    data.nFileSizeLow = static_cast<uint32_t>(data.fileSize & 0xFFFFFFFFu);
    return data;
}

FindData DotEntry(const std::string& name) {
    FindData data;
    data.cFileName = name;
    data.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    return data;
}

// The entries of `folder` that match, by name ignoring case, "." and ".."
// first. False with the error recorded when the folder cannot be read.
bool ReadListing(const detail::Resolved& folder, const detail::WildcardPattern& pattern,
                 std::vector<FindData>& entries) {
    DIR* dir = opendir(folder.host.c_str());
    if (!dir)
        return detail::FailWithErrno(errno, ERROR_PATH_NOT_FOUND);
    const int fd = dirfd(dir);
    struct Named {
        std::string key;
        FindData data;
    };
    std::vector<Named> named;
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name == "." || name == ".." || !pattern.Matches(name))
            continue;
        struct stat st;
        if (fstatat(fd, item->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // gone since the folder was read
        named.push_back({FoldCase(name), EntryOf(name, st)});
    }
    closedir(dir);
    std::sort(named.begin(), named.end(), [](const Named& a, const Named& b) {
        if (a.key != b.key)
            return a.key < b.key;
        return a.data.cFileName < b.data.cFileName;
    });
    // A drive's root has no "." and "..", as on NTFS.
    if (!folder.isRoot) {
        for (const char* dots : {".", ".."}) {
            if (pattern.Matches(dots))
                entries.push_back(DotEntry(dots));
        }
    }
    for (Named& entry : named)
        entries.push_back(std::move(entry.data));
    return true;
}

} // namespace

FindHandle FindFirstFileA(const std::string& pattern, FindData& found) {
    detail::WindowsPath folderPath;
    std::string namePattern;
    uint32_t error = 0;
    if (!detail::ParseWindowsPattern(pattern, detail::State().currentDirectory, folderPath, namePattern,
                                     error)) {
        detail::Fail(error);
        return nullptr;
    }
    detail::Resolved folder;
    if (!detail::Resolve(folderPath, folder))
        return nullptr;
    struct stat st;
    // The folder named by the caller may be reached through a link; its
    // entries are still listed without following theirs.
    if (!folder.exists || stat(folder.host.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        detail::Fail(ERROR_PATH_NOT_FOUND);
        return nullptr;
    }
    auto handle = std::make_shared<FindHandleData>();
    if (!ReadListing(folder, detail::WildcardPattern(namePattern), handle->entries))
        return nullptr;
    if (handle->entries.empty()) {
        detail::Fail(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    found = handle->entries[0];
    handle->next = 1;
    return handle;
}

bool FindNextFileA(const FindHandle& handle, FindData& found) {
    if (!handle)
        return detail::Fail(ERROR_INVALID_PARAMETER);
    if (handle->next >= handle->entries.size())
        return detail::Fail(ERROR_NO_MORE_FILES);
    found = handle->entries[handle->next++];
    return true;
}

bool FindClose(const FindHandle& handle) {
    if (!handle)
        return detail::Fail(ERROR_INVALID_PARAMETER);
    handle->entries.clear();
    handle->next = 0;
    return true;
}

} // namespace platform

#include "manage/rename/FolderEntries.h"

#include "common/FrameworkPaths.h"
#include "common/PathNormalising.h"
#include "platform/FileSystem.h"

namespace {

bool HasAttribute(uint32_t attributes, uint32_t attribute) {
    return attributes != platform::INVALID_FILE_ATTRIBUTES && (attributes & attribute) != 0;
}

} // namespace

EntryKind KindOfEntry(const std::string& path) {
    const uint32_t attributes = platform::GetFileAttributesA(path);
    if (attributes == platform::INVALID_FILE_ATTRIBUTES)
        return EntryKind::Missing;
    const bool folder = HasAttribute(attributes, platform::FILE_ATTRIBUTE_DIRECTORY);
    if (HasAttribute(attributes, platform::FILE_ATTRIBUTE_REPARSE_POINT))
        return folder ? EntryKind::FolderLink : EntryKind::Other;
    return folder ? EntryKind::Folder : EntryKind::Other;
}

bool ReachedThroughLink(const std::string& path) {
    std::string folder = ExcludeTrailingPathDelimiter(SlashesToBackslashes(path));
    for (;;) {
        const std::string parent = ExcludeTrailingPathDelimiter(ExtractFileDir(folder));
        // Up to the drive's root, which is where the drive leads.
        if (parent.size() <= 2 || parent == folder)
            return false;
        if (HasAttribute(platform::GetFileAttributesA(parent), platform::FILE_ATTRIBUTE_REPARSE_POINT))
            return true;
        folder = parent;
    }
}

std::optional<platform::EntryIdentity> IdentityOf(const std::string& path) {
    platform::EntryIdentity identity;
    if (!platform::GetEntryIdentity(path, identity))
        return std::nullopt;
    return identity;
}

std::string NameOnDisk(const std::string& path) {
    platform::FindData found;
    const platform::FindHandle handle =
        platform::FindFirstFileA(ExcludeTrailingPathDelimiter(SlashesToBackslashes(path)), found);
    if (!handle)
        return {};
    platform::FindClose(handle);
    return found.cFileName;
}

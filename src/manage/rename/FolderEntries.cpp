#include "manage/rename/FolderEntries.h"

#include "common/FrameworkPaths.h"
#include "common/PathNormalising.h"
#include "platform/EntryDetails.h"
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
        if (platform::GetEntryDetails(parent).kind == platform::EntryKind::Link)
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

EntryFacts FactsOf(const std::string& path) {
    return FactsFrom(platform::GetEntryDetails(ExcludeTrailingPathDelimiter(SlashesToBackslashes(path))));
}

EntryFacts FactsFrom(const platform::EntryDetails& details) {
    EntryFacts facts;
    switch (details.kind) {
    case platform::EntryKind::Missing:
        return facts;
    case platform::EntryKind::Folder:
        facts.kind = EntryKind::Folder;
        break;
    case platform::EntryKind::Link:
        facts.kind = details.linkToFolder ? EntryKind::FolderLink : EntryKind::Other;
        break;
    case platform::EntryKind::File:
        facts.kind = EntryKind::Other;
        break;
    }
    facts.identity = details.identity;
    facts.name = details.name;
    return facts;
}

std::string NameOnDisk(const std::string& path) {
    // The entry the path resolves to, as the rename will find it; a listing
    // of its folder would cost the whole folder for one name.
    return platform::GetEntryDetails(ExcludeTrailingPathDelimiter(SlashesToBackslashes(path))).name;
}

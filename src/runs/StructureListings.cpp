#include "runs/StructureListings.h"

#include "platform/CaseFolding.h"

#include <cstddef>

namespace {

// Whether two names of a listing are one name ignoring case: a listing comes
// ordered ignoring case, so such names stand side by side.
bool HasCaseTwins(const std::vector<platform::FolderEntry>& entries) {
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (platform::SameIgnoringCase(entries[i - 1].name, entries[i].name))
            return true;
    }
    return false;
}

} // namespace

StructureListings::StructureListings(const FileSizeMap& sizes, const platform::KeptContents& kept)
    : sizes_(sizes), kept_(kept) {}

std::shared_ptr<const StructureListing> StructureListings::ListingOf(const platform::HeldFolder& held,
                                                                     const std::string& folder, bool keep) {
    const std::optional<platform::FolderStamp> stamp = held.Stamp();
    if (!stamp)
        return nullptr;
    const auto found = keep ? listings_.find(folder) : listings_.end();
    if (found != listings_.end() && found->second->stamp == *stamp)
        return found->second;
    auto listing = std::make_shared<StructureListing>();
    if (!platform::ListHeldFolder(held, listing->entries))
        return nullptr;
    listing->stamp = *stamp;
    listing->caseTwins = HasCaseTwins(listing->entries);
    // The size map is filled before a run and stays as it is during it.
    listing->sizes.resize(listing->entries.size());
    std::string source = folder + "\\";
    const std::size_t stem = source.size();
    for (std::size_t i = 0; i < listing->entries.size(); ++i) {
        const platform::FolderEntry& entry = listing->entries[i];
        if (entry.isDirectory)
            continue;
        source.replace(stem, std::string::npos, entry.name);
        if (const auto size = sizes_.find(source); size != sizes_.end())
            listing->sizes[i] = {true, size->second};
    }
    // A change made in the same tick of the file system's clock as the
    // listing could leave its stamp as it was: a folder changed just now is
    // listed again each time, as a file changed just now is read again.
    if (keep && kept_.IsSettled(stamp->changedSeconds, stamp->changedNanoseconds))
        listings_[folder] = listing;
    else if (found != listings_.end())
        listings_.erase(found);
    return listing;
}

std::shared_ptr<const StructureListing>
StructureListings::SubfolderListing(const platform::HeldFolder& parent, const std::string& name,
                                    const std::string& folder, bool keep, bool& isFolder) {
    isFolder = true;
    // A folder listed and kept by an earlier copy was readable then; whether
    // it is still the folder listed, unchanged, is asked when the walk opens
    // it to copy what it holds.
    if (keep) {
        if (const auto found = listings_.find(folder); found != listings_.end())
            return found->second;
    }
    platform::HeldFolder held;
    if (!held.HoldToList(parent, name)) {
        const platform::EntryKind kind = platform::KindIn(parent, name);
        isFolder = kind == platform::EntryKind::Folder || kind == platform::EntryKind::Missing;
        return nullptr;
    }
    return ListingOf(held, folder, keep);
}

#pragma once
// The attach walk's listings of the structures' folders, kept for a run: a
// structure copied into a thousand new folders is listed once, and each file
// in it looked up in the size map once. A listing is used only while its
// folder is that very folder, unchanged; one of a structure that a folder of
// the run lies in is not kept at all, as what the run makes may land in it.

#include "common/FolderTreeScanner.h"
#include "platform/FileSystem.h"
#include "platform/HeldFolderCopy.h"
#include "platform/KeptContents.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// A file's entry in the size map, looked up when its folder was listed.
struct ListedSize {
    bool known = false;
    uint64_t bytes = 0;
};

// A structure's folder as listed, the size of each file in it, and whether
// two of its names are one name ignoring case.
struct StructureListing {
    std::vector<platform::FolderEntry> entries;
    std::vector<ListedSize> sizes; // beside `entries`
    bool caseTwins = false;
    // The folder as it was listed.
    platform::FolderStamp stamp;
};

class StructureListings {
public:
    // `kept` tells when a folder's change is old enough for its listing to
    // be trusted while its stamp stays.
    StructureListings(const FileSizeMap& sizes, const platform::KeptContents& kept);

    // Forgets every listing (a new run lists its structures anew).
    void Clear() { listings_.clear(); }

    // The listing of the held folder whose Windows path is `folder`; nullptr
    // when it cannot be listed. Within one run each folder of a structure the
    // run does not write into (`keep`) is read once, and read again when it
    // changes.
    std::shared_ptr<const StructureListing> ListingOf(const platform::HeldFolder& held,
                                                      const std::string& folder, bool keep);
    // The listing of the subfolder `name` of the held folder `parent`, whose
    // Windows path is `folder`; nullptr when it cannot be listed, and then
    // `isFolder` says whether it is a folder still (not a link, a file, or gone).
    std::shared_ptr<const StructureListing> SubfolderListing(const platform::HeldFolder& parent,
                                                             const std::string& name,
                                                             const std::string& folder, bool keep,
                                                             bool& isFolder);

private:
    const FileSizeMap& sizes_;
    const platform::KeptContents& kept_;
    // By the Windows path of the folder; used only for structures that no
    // folder of the run lies in.
    std::unordered_map<std::string, std::shared_ptr<const StructureListing>> listings_;
};

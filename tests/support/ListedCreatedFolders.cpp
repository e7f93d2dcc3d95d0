#include "support/ListedCreatedFolders.h"

#include "platform/Drives.h"

namespace fs = std::filesystem;

namespace testsupport {

void ListedCreatedFolders::Note(const fs::path& root, const std::deque<std::string>& folders) {
    for (const std::string& folder : folders)
        if (std::optional<std::string> host = platform::ToHostPath(folder))
            folders_.insert(RelativeTo(root, fs::weakly_canonical(*host)));
}

bool ListedCreatedFolders::Below(const std::string& path) const {
    for (const std::string& folder : folders_)
        if (IsAtOrBelow(folder, path) && folder != path)
            return true;
    return false;
}

} // namespace testsupport

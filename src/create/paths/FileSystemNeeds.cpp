#include "create/paths/FileSystemNeeds.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/FileSystem.h"

#include <limits>
#include <map>
#include <optional>

namespace {

// The deepest folder of `path` that exists, "" when not even its drive does.
std::string DeepestExistingFolder(std::string path) {
    for (;;) {
        if (DirectoryExists(path))
            return path;
        std::string parent = ExtractFileDir(path);
        if (parent.empty() || parent == path)
            return {};
        path = parent;
    }
}

// The file system a folder lies on, as the platform tells folders apart.
std::optional<uint64_t> FileSystemOf(const std::string& folder) {
    platform::FileIdentity identity;
    if (!platform::GetFileIdentity(folder, identity))
        return std::nullopt;
    return identity.volume;
}

uint64_t AddCapped(uint64_t a, uint64_t b) {
    return a > std::numeric_limits<uint64_t>::max() - b ? std::numeric_limits<uint64_t>::max() : a + b;
}

} // namespace

std::vector<FileSystemNeed> SumVol04DriveNeeds(const std::vector<std::string>& lines, uint64_t bytesPerLine) {
    std::vector<FileSystemNeed> needs;
    std::map<uint64_t, size_t> index;
    // Lines of a list mostly share a few parent folders: each is looked up once.
    std::map<std::string, std::optional<uint64_t>> parents;
    for (const std::string& line : lines) {
        const std::string path = Trim(line);
        const std::string drive = ExtractFileDrive(path);
        if (drive.size() != 2)
            continue;
        const std::string parent = ExtractFileDir(path);
        auto known = parents.find(parent);
        if (known == parents.end()) {
            // The folder a line creates lies in its parent, so the parent's
            // deepest existing folder says where the bytes will go.
            std::string folder = DeepestExistingFolder(parent.empty() ? path : parent);
            known = parents.emplace(parent, folder.empty() ? std::nullopt : FileSystemOf(folder)).first;
            if (known->second && !index.count(*known->second)) {
                FileSystemNeed need;
                need.root = drive + "\\";
                platform::GetDiskFreeSpaceExA(folder, &need.freeBytes, nullptr, nullptr);
                index[*known->second] = needs.size();
                needs.push_back(need);
            }
        }
        if (!known->second)
            continue;
        FileSystemNeed& need = needs[index[*known->second]];
        need.neededBytes = AddCapped(need.neededBytes, bytesPerLine);
    }
    return needs;
}

#include "runs/FileSystemNeeds.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>

namespace {

// The file system that holds the deepest existing folder of the path.
std::optional<uint64_t> FileSystemOf(const std::string& folder) {
    std::string path = ExcludeTrailingPathDelimiter(folder);
    while (true) {
        platform::EntryIdentity identity;
        if (platform::GetResolvedIdentity(path, identity))
            return identity.device;
        std::string parent = ExtractFileDir(path);
        if (parent.empty() || parent == path)
            return std::nullopt;
        path = parent;
    }
}

} // namespace

bool FileSystemNeeds::Add(const std::string& folder, uint64_t bytes, uint64_t times) {
    const std::string trimmed = Trim(folder);
    const std::string drive = Trim(ExtractFileDrive(trimmed));
    if (drive.empty())
        return false;
    std::optional<uint64_t> fileSystem = FileSystemOf(trimmed);
    if (!fileSystem)
        return false;
    auto [found, added] = indexByFileSystem_.try_emplace(*fileSystem, needs_.size());
    if (added)
        needs_.push_back(
            {std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0])))) +
                 drive.substr(1) + "\\",
             trimmed, 0, 0});
    FileSystemNeed& need = needs_[found->second];
    constexpr uint64_t most = std::numeric_limits<uint64_t>::max();
    const uint64_t load = bytes != 0 && times > most / bytes ? most : bytes * times;
    need.neededBytes = load > most - need.neededBytes ? most : need.neededBytes + load;
    need.neededFigure += static_cast<double>(bytes) * static_cast<double>(times);
    return true;
}

std::vector<FileSystemNeed> FileSystemNeeds::Needs() const {
    std::vector<FileSystemNeed> sorted = needs_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const FileSystemNeed& a, const FileSystemNeed& b) { return a.root < b.root; });
    return sorted;
}

const FileSystemNeed* FirstShortNeed(const std::vector<FileSystemNeed>& needs, uint64_t& freeBytes) {
    for (const FileSystemNeed& need : needs) {
        uint64_t available = 0;
        platform::GetDiskFreeSpaceExA(need.folder, &available, nullptr, nullptr);
        if (need.neededBytes > available) {
            freeBytes = available;
            return &need;
        }
    }
    return nullptr;
}

#include "common/ReplacedFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool ReadLink(const std::string& path, std::string& text) {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return false;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            text.assign(buffer.data(), static_cast<std::size_t>(length));
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool FindReplacementTarget(const std::string& hostPath, ReplacementTarget& target) {
    std::string path = hostPath;
    // As many links as the host itself follows in one path.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) {
            // Not there (a link to a file still to be made): written as new.
            target = {path, FolderOf(path), NewFileMode()};
            return true;
        }
        if (!S_ISLNK(st.st_mode)) {
            target = {path, FolderOf(path), static_cast<mode_t>(st.st_mode & 07777)};
            return true;
        }
        std::string next;
        if (!ReadLink(path, next) || next.empty())
            return false;
        path = next[0] == '/' ? next : FolderOf(path) + "/" + next;
    }
    return false;
}

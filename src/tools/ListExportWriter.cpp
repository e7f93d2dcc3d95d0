#include "tools/ListExportWriter.h"

#include "common/ReplacedFile.h"

#include "common/FrameworkText.h"
#include "platform/Drives.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

std::string Quoted(const std::string& item) {
    std::string out = "\"";
    for (char c : item) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

bool WriteAll(int fd, const std::string& content) {
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

std::string ExportDelimiter(const std::string& choice) {
    if (AnsiLowerCase(Trim(choice)) == "space")
        return " ";
    return choice;
}

std::string FormatListExport(const std::vector<std::string>& items, const ListExportOptions& options) {
    std::string out;
    if (items.empty())
        return out;
    std::string delimiter = ExportDelimiter(options.delimiter);
    bool first = true;
    for (const std::string& item : items) {
        if (options.separated && !first)
            out += delimiter;
        out += options.quotes ? Quoted(item) : item;
        if (!options.separated)
            out += '\n';
        first = false;
    }
    if (options.separated)
        out += '\n';
    return out;
}

bool WriteExportFile(const std::string& windowsPath, const std::string& content) {
    std::optional<std::string> host = platform::ToHostPath(windowsPath);
    if (!host || host->empty() || host->back() == '/')
        return false;
    // A link is written through to the file it names and stays a link; an
    // existing file keeps its permissions.
    ReplacementTarget target;
    if (!FindReplacementTarget(*host, target))
        return false;
    struct stat existing {};
    if (::stat(target.path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode))
        return false;
    size_t slash = target.path.rfind('/');
    std::string name = slash == std::string::npos ? target.path : target.path.substr(slash + 1);
    std::string temporary = target.folder + "/." + name + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool written = WriteAll(fd, content) && ::fchmod(fd, target.mode) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0)
        written = false;
    if (!written || ::rename(temporary.c_str(), target.path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

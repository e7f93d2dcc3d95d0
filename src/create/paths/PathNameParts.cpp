#include "create/paths/PathNameParts.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"

#include <cstddef>
#include <utility>

namespace {

// Drops the backslashes the line ends in, unless what is left would be a
// drive without its root ("D:\" stays as it is).
void DropTrailingDelimiters(std::string& line) {
    while (line.size() > 1 && line.back() == '\\' && line[line.size() - 2] != ':')
        line.pop_back();
}

// Where the last name of `path` begins after a backslash or a drive's colon;
// npos when it has none. What the framework's file-name routines cut at.
std::size_t LastDelimiter(const std::string& path) {
    for (std::size_t at = path.size(); at > 0; --at) {
        if (path[at - 1] == '\\' || path[at - 1] == ':')
            return at - 1;
    }
    return std::string::npos;
}

// Whether the last name holds an extension: a dot after the last delimiter.
bool HasExtension(const std::string& path) {
    for (std::size_t at = path.size(); at > 0; --at) {
        const char c = path[at - 1];
        if (c == '.')
            return true;
        if (c == '\\' || c == ':')
            return false;
    }
    return false;
}

} // namespace

_tagVol0XParts BuildPathNameParts(const std::string& line, const std::string& prefix,
                                  const std::string& suffix, bool hyphen) {
    // Taken apart in the form Windows reads it in, or "D:/Work/Jan" would be
    // cut at its only backslash and "D:\Work\x\.." would decorate "..".
    // Every line of a run comes through here: the text is cut where it lies
    // rather than copied piece by piece.
    std::string folder;
    const bool normalised = TakeFolderNormalForm(line, folder);
    DropTrailingDelimiters(folder);
    if (HasExtension(folder))
        folder = ExtractFileDir(folder);
    _tagVol0XParts parts;
    // The folder of a normal form is one too; a text that had none is asked
    // the long way, as "D:\.\<x>.txt" still lies in the root.
    if (normalised ? IsNormalDriveRoot(folder) : IsDriveRoot(folder)) {
        // A drive's root has no name to decorate: the line names the root.
        parts.Part0 = std::move(folder);
        return parts;
    }
    // The folder above keeps the colon of "C:abc" and the backslash of a
    // root ("C:\abc", "\abc"), and gets one backslash after it.
    const std::size_t last = LastDelimiter(folder);
    std::size_t keep = last == std::string::npos ? 0 : last + 1;
    if (last != std::string::npos && last > 0 && folder[last] == '\\' && folder[last - 1] != '\\' &&
        folder[last - 1] != ':')
        keep = last;
    std::string above;
    above.reserve(keep + 1);
    above.append(folder, 0, keep);
    if (above.empty() || above.back() != '\\')
        above += '\\';
    parts = NamePartsInside(above, prefix, suffix, hyphen);
    parts.Part1 = last == std::string::npos ? std::move(folder) : folder.substr(last + 1);
    return parts;
}

std::string JoinedName(const _tagVol0XParts& parts) {
    std::string name;
    name.reserve(parts.Part0.size() + parts.Part1.size() + parts.Part2.size() + parts.Part3.size());
    name += parts.Part0;
    name += parts.Part1;
    name += parts.Part2;
    name += parts.Part3;
    return name;
}

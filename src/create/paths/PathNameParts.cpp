#include "create/paths/PathNameParts.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"

#include <utility>

namespace {

// The line without the backslashes it ends in, unless what is left would be
// a drive without its root ("D:\" stays as it is).
std::string WithoutTrailingDelimiters(std::string line) {
    while (line.size() > 1 && line.back() == '\\' && line[line.size() - 2] != ':')
        line.pop_back();
    return line;
}

} // namespace

_tagVol0XParts BuildPathNameParts(const std::string& line, const std::string& prefix,
                                  const std::string& suffix, bool hyphen) {
    // Taken apart in the form Windows reads it in, or "D:/Work/Jan" would be
    // cut at its only backslash and "D:\Work\x\.." would decorate "..".
    std::string normal;
    const bool normalised = TakeFolderNormalForm(line, normal);
    const std::string path = WithoutTrailingDelimiters(std::move(normal));
    const std::string folder = Trim(ExtractFileExt(path)).empty() ? path : ExtractFileDir(path);
    _tagVol0XParts parts;
    // The folder of a normal form is one too; a text that had none is asked
    // the long way, as "D:\.\<x>.txt" still lies in the root.
    if (normalised ? IsNormalDriveRoot(folder) : IsDriveRoot(folder)) {
        // A drive's root has no name to decorate: the line names the root.
        parts.Part0 = folder;
        return parts;
    }
    parts = NamePartsInside(IncludeTrailingPathDelimiter(ExtractFileDir(folder)), prefix, suffix, hyphen);
    parts.Part1 = ExtractFileName(folder);
    return parts;
}

std::string JoinedName(const _tagVol0XParts& parts) {
    return parts.Part0 + parts.Part1 + parts.Part2 + parts.Part3;
}

#include "create/paths/PathNameParts.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"

#include <utility>

namespace {

// Drops the backslashes the line ends in, unless what is left would be a
// drive without its root ("D:\" stays as it is).
void DropTrailingDelimiters(std::string& line) {
    while (line.size() > 1 && line.back() == '\\' && line[line.size() - 2] != ':')
        line.pop_back();
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
    if (!ExtractFileExt(folder).empty())
        folder.resize(FileDirLength(folder));
    _tagVol0XParts parts;
    // The folder of a normal form is one too; a text that had none is asked
    // the long way, as "D:\.\<x>.txt" still lies in the root.
    if (normalised ? IsNormalDriveRoot(folder) : IsDriveRoot(folder)) {
        // A drive's root has no name to decorate: the line names the root.
        parts.Part0 = std::move(folder);
        return parts;
    }
    // The folder above with one backslash after it, built in one piece.
    std::string above;
    const std::size_t keep = FileDirLength(folder);
    above.reserve(keep + 1);
    above.append(folder, 0, keep);
    if (above.empty() || above.back() != '\\')
        above += '\\';
    parts = NamePartsInside(above, prefix, suffix, hyphen);
    parts.Part1 = folder.substr(FileNameStart(folder));
    return parts;
}


#include "manage/rename/RenameNameParts.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/PathNormalising.h"

namespace {

// One form of a line: trimmed and read as Windows reads it, so that its last
// element is the folder's name ("D:\W\.\A\" names A), and lines for one
// folder are one folder when they are ordered and compared. A text without a
// drive keeps its form, with backslashes only.
// Asked of every line of a run: the form is made in place, not copied.
std::string NormalisedLine(const std::string& line) {
    // A run's lines come trimmed already: those are not copied to be trimmed.
    const std::string_view trimmed = TrimmedView(line);
    std::string path = FolderNormalForm(trimmed.size() == line.size() ? line : std::string(trimmed));
    CountBackslashes(path);
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

} // namespace

RenameFolder RenameFolderOf(const std::string& line) {
    std::string path = NormalisedLine(line);
    RenameFolder result;
    if (!Trim(ExtractFileExt(path)).empty() && !DirectoryExists(path))
        result.folder = ExtractFileDir(path);
    else
        result.folder = std::move(path);
    result.parent = ExtractFileDir(result.folder);
    result.name = ExtractFileName(result.folder);
    return result;
}

namespace {

_tagVol0XParts PrefixSuffixParts(const RenameFolder& folder, const std::string& prefix,
                                 const std::string& prefixDelimiter, const std::string& suffixDelimiter,
                                 const std::string& suffix) {
    _tagVol0XParts parts;
    parts.Part0 = IncludeTrailingPathDelimiter(folder.parent) + Trim(prefix);
    if (!Trim(prefixDelimiter).empty())
        parts.Part0 += Trim(prefixDelimiter);
    parts.Part1 = folder.name;
    parts.Part2 = Trim(suffixDelimiter);
    parts.Part3 = Trim(suffix);
    return parts;
}

_tagVol0XParts LastSubFolderParts(const RenameFolder& folder, const std::string& newName) {
    _tagVol0XParts parts;
    parts.Part0 = IncludeTrailingPathDelimiter(folder.parent);
    parts.Part1 = newName;
    return parts;
}

} // namespace

_tagVol0XParts NamePartsUnder(const RenameRule& rule, const RenameFolder& folder) {
    return rule.lastSubFolder
               ? LastSubFolderParts(folder, rule.newName)
               : PrefixSuffixParts(folder, rule.prefix, rule.prefixDelimiter, rule.suffixDelimiter, rule.suffix);
}

_tagVol0XParts BuildRenameNameParts(const std::string& line, const std::string& prefix,
                                    const std::string& prefixDelimiter, const std::string& suffixDelimiter,
                                    const std::string& suffix) {
    return PrefixSuffixParts(RenameFolderOf(line), prefix, prefixDelimiter, suffixDelimiter, suffix);
}

_tagVol0XParts BuildLastSubFolderNameParts(const std::string& line, const std::string& newName) {
    return LastSubFolderParts(RenameFolderOf(line), newName);
}

#include "common/PathValidation.h"

#include "common/FileHelpers.h"
#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "common/IllegalCharacters.h"
#include "common/PathNormalising.h"
#include "common/Utf8Text.h"
#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Both paths lead to one folder on disk (through links, other letter cases,
// "." and "..").
bool SameExistingFolder(const std::string& first, const std::string& second) {
    platform::EntryIdentity a;
    platform::EntryIdentity b;
    return DirectoryExists(first) && DirectoryExists(second) && platform::GetResolvedIdentity(first, a) &&
           platform::GetResolvedIdentity(second, b) && a == b;
}

} // namespace

bool AnalyseDriveColons(const std::string& text, std::string& message) {
    std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
        message = "Not found any colon (:) in the text !!!!";
        return false;
    }
    for (; colon != std::string::npos; colon = text.find(':', colon + 1)) {
        if (colon == 0) {
            message = "The colon (:) is the first character in the text.";
            return false;
        }
        if (colon == text.size() - 1) {
            message = "The colon (:) is the last character in the text.";
            return false;
        }
        if (!IsAsciiLetter(text[colon - 1])) {
            // The whole character, so that a message never ends in half of one.
            message = "There is(are) no drive letter(s) before colon(s) (:) : " +
                      utf8::CharacterBefore(text, colon);
            return false;
        }
    }
    message = "There is(are) a drive letter(s) before colon(s) (:).";
    return true;
}

bool ValidateFolderName(const std::string& text, std::string& message) {
    const std::string trimmed = Trim(text);
    if (ExtractFileDrive(trimmed).empty()) {
        message = "This item is not a valid Folder Name (No drive letter) !";
        return false;
    }
    std::string typeName;
    if (!DriveTypeName(trimmed, typeName)) {
        message = "There is no valid drive letter.";
        return false;
    }
    std::string drive;
    std::string rest;
    SplitDriveAndRest(TrimBlanks(trimmed), drive, rest);
    if (TrimBlanks(rest).size() < 2) {
        message = "There is no Folder part (just root).";
        return false;
    }
    std::string found;
    if (HasIllegalCharacter(trimmed, "N", found)) {
        message = "Illegal character in the folder name : " + found;
        return false;
    }
    return true;
}

bool ValidateIncludeText(const std::string& text, std::string& normalised, std::string& message) {
    if (text.empty()) {
        message =
            "The text field is empty !\nAction : You must enter a text to add to the Include Folder List.";
        return false;
    }
    std::string found;
    if (HasIllegalCharacter(text, "n", found)) {
        message = "Illegal character in the text : " + found;
        return false;
    }
    normalised = CollapseDoubleColons(CollapseDoubleBackslashes(SlashesToBackslashes(text)));
    return true;
}

bool CheckSourceNotDestination(const std::string& destination, const std::string& source,
                               std::string& message) {
    std::string normalisedDestination;
    std::string normalisedSource;
    if (!ValidateIncludeText(destination, normalisedDestination, message))
        return true;
    if (!ValidateIncludeText(source, normalisedSource, message))
        return true;
    if (AnsiSameText(ExcludeTrailingPathDelimiter(normalisedDestination),
                     ExcludeTrailingPathDelimiter(normalisedSource)) ||
        SameExistingFolder(normalisedDestination, normalisedSource)) {
        message =
            "The ATTACH/COPY/MOVE operation is NOT PERFORMED !!!\nThe Destination Folder is the same as the "
            "source Folder !!! \nDestination Folder : " +
            normalisedDestination + "\n" + "Source Folder      : " + normalisedSource;
        return true;
    }
    return false;
}

FolderInterior::FolderInterior(const std::string& folder) {
    std::string fullFolder;
    readable_ = platform::GetFullPathNameA(folder, fullFolder);
    if (!readable_)
        return;
    inside_ = platform::FoldCase(fullFolder);
    if (inside_.back() != '\\')
        inside_ += '\\';
    // "D:name" and "\\name" follow the current directory: the text a name
    // begins with says where it lies only for a drive's full form.
    const bool driveForm = folder.size() >= 3 && IsAsciiLetter(folder[0]) && folder[1] == ':' &&
                           (folder[2] == '\\' || folder[2] == '/');
    if (driveForm)
        text_ = folder;
}

bool FolderInterior::PlainlyInside(const std::string& path) const {
    if (text_.empty() || path.size() <= text_.size() || path.compare(0, text_.size(), text_) != 0)
        return false;
    const bool separated = text_.back() == '\\' || text_.back() == '/' || path[text_.size()] == '\\' ||
                           path[text_.size()] == '/';
    if (!separated)
        return false;
    // Below the folder's text, only a name of nothing but dots and blanks
    // ("..", ".", ". .") can lead up or stay where it is; every other name
    // goes one level down, whatever its trailing dots and blanks.
    bool named = false;
    std::size_t start = text_.size();
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start) {
            if (path.find_first_not_of(". ", start) >= end)
                return false;
            named = true;
        }
        start = end + 1;
    }
    return named;
}

bool FolderInterior::Leaves(const std::string& path) const {
    if (PlainlyInside(path))
        return false;
    std::string fullPath;
    if (!readable_ || !platform::GetFullPathNameA(path, fullPath))
        return false;
    const std::string folded = platform::FoldCase(fullPath);
    return folded.size() <= inside_.size() || folded.compare(0, inside_.size(), inside_) != 0;
}

bool LeavesFolder(const std::string& folder, const std::string& path) {
    return FolderInterior(folder).Leaves(path);
}

bool ItemLeavesItsFolder(const std::string& item) {
    // Any folder will do: ".." is taken out by the text alone.
    const std::string folder = "C:\\a\\b\\c";
    return LeavesFolder(folder, folder + "\\" + item);
}

#pragma once
// Whether a text may become a folder path or an Include-list item. The checks
// report through their result and a message text the caller shows in its own
// box; they never show anything themselves.

#include <string>

// True when every colon has a letter (A-Z, a-z) before it and is neither the
// first nor the last character. `message` always gets the outcome.
bool AnalyseDriveColons(const std::string& text, std::string& message);

// True when the text is a full folder path on a present drive, with a folder
// part and without a character of PathIllegalChars. On success `message` is
// left as it was.
bool ValidateFolderName(const std::string& text, std::string& message);

// True when the text is not empty and holds no character of PathIllegalChars;
// `normalised` then gets it with slashes turned into backslashes and doubled
// backslashes and colons collapsed. On success `message` is left as it was.
bool ValidateIncludeText(const std::string& text, std::string& normalised, std::string& message);

// True when the operation must be refused: one of the texts fails
// ValidateIncludeText (its message), or both name the same folder: the same
// text ignoring case and one trailing backslash, or, when both exist, the
// same folder on disk however it is reached. Only the same folder is refused;
// a destination inside the source passes.
bool CheckSourceNotDestination(const std::string& destination, const std::string& source,
                               std::string& message);

// True when `path`, read as Windows reads it ("." and ".." taken out, trailing
// dots and blanks dropped), is not a folder strictly inside `folder`: a name
// built from a list item must never lead out of the destination, nor be the
// destination itself. Paths Windows cannot read at all are not judged here
// (false): every call on them fails anyway.
bool LeavesFolder(const std::string& folder, const std::string& path);

// The same judgement for the many names of a run against one folder, whose
// full form is taken once. A name that is the folder's own text (a drive's
// full form) and below it names that cannot go up or stay put costs no full
// form of its own.
class FolderInterior {
public:
    explicit FolderInterior(const std::string& folder);
    bool Leaves(const std::string& path) const;

private:
    bool PlainlyInside(const std::string& path) const;

    bool readable_ = false;
    std::string inside_; // the folder's full form, folded, ending in a backslash
    std::string text_;   // the folder as given, when it is a drive's full form
};

// Whether a list item would lead out of whatever folder it is created in
// ("..\\x", "a\\..\\..\\x", ".."): such an item is refused when typed.
bool ItemLeavesItsFolder(const std::string& item);

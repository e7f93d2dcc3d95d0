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
// ValidateIncludeText (its message), or both name the same folder ignoring
// case. Only equality is refused; a destination inside the source passes.
bool CheckSourceNotDestination(const std::string& destination, const std::string& source,
                               std::string& message);

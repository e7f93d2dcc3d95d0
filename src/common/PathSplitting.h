#pragma once
// Cutting a text of several paths ("C:\a D:\b E:\c") into single paths at
// their drive letters. Blanks before a drive letter stay with the item before.

#include <deque>
#include <string>

// Normalises the text (backslashes, no doubled backslashes or colons) and cuts
// it at its drive letters. Text before the first drive letter is kept as a
// first item; a text without any drive letter comes back as the single item.
void SplitPathsAtDrives(const std::string& text, std::deque<std::string>& paths);

// ValidateIncludeText; on success `normalised` gets the normalised text and
// `paths` is replaced by the items that begin at a drive letter (none, when no
// item does). On failure `paths` and `normalised` are left unchanged.
bool ValidateAndSplitPathText(const std::string& text, std::deque<std::string>& paths, std::string& message,
                              std::string& normalised);

// Cuts the text into paths and sorts them: an item goes to `rejected` when its
// colons are not drive colons, when it is not a valid folder name, or when it
// is 255 characters or longer; the rest go to `kept`. True when nothing was
// rejected.
bool SplitPathText(const std::string& text, std::deque<std::string>& kept, std::deque<std::string>& rejected);

#pragma once
// One form for a path that names a folder, however the line was written:
// "D:/Work//Jan/", "d:\Work\.\Jan" and "D:\Work\x\..\Jan" all name D:\Work\Jan.
// Lines are compared, ordered, taken apart and run in this form; a list may
// still show a line as the person wrote it.

#include <string>

// The full form Windows reads the path in before it looks at a disk: one
// backslash between names, no trailing backslash (but a drive's root keeps
// its own, "D:\"), "." and ".." taken out, trailing dots and blanks of names
// dropped, the drive letter in upper case. Only a text that begins with a
// drive ("D:") has one; any other text, or one no call could use (a refused
// character, a name over 255 bytes), comes back as it is, so that whatever
// refuses it refuses the text the person wrote.
std::string FolderNormalForm(const std::string& path);

// FolderNormalForm into `normal`; false when the text had none and comes back
// as it is. A text in the normal form, and the folder holding it, are their
// own normal forms: what is asked of them needs no second reading.
bool TakeFolderNormalForm(const std::string& path, std::string& normal);

// FolderNormalForm, then letters folded as Windows folds them: two texts that
// lead to one folder have one key.
std::string FolderKey(const std::string& path);

// The number of names below the drive's root in the normal form: "D:\" is 0,
// "D:\a\b" 2. What orders folders deepest first.
unsigned FolderDepth(const std::string& path);
// The same of a text already in the normal form.
unsigned NormalFolderDepth(const std::string& normal);

// Whether the normal form is a drive's root, "D:\".
bool IsDriveRoot(const std::string& path);
// The same of a text already in the normal form.
bool IsNormalDriveRoot(const std::string& normal);

#pragma once
// Internal to the platform layer: a Windows path read into its drive and its
// clean components, by the rules Windows applies before it looks at a disk.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::detail {

struct WindowsPath {
    char drive = 0;                      // upper-case letter
    std::vector<std::string> components; // none at the drive's root

    bool IsRoot() const { return components.empty(); }
    // "C:\" at the root, else "C:\a\b".
    std::string ToString() const;
};

// Reads `text` against the current directory `current`: both separators,
// empty and "." components skipped, ".." never above the root, trailing dots
// and blanks dropped, names with < > : " | ? * or control characters refused,
// network paths refused. False with a Windows error code when refused.
bool ParseWindowsPath(const std::string& text, const WindowsPath& current, WindowsPath& out, uint32_t& error);

// The name one component of a path's text ("name. " is "name") adds to the
// path. False when it adds none ("", ".", "..", only dots and blanks) or is
// refused: then `component` is no name of a folder.
bool ParseWindowsName(std::string_view component, std::string_view& name);

// The same for a listing or shell pattern: the last component is the name
// pattern (which may hold * and ?), the rest is the folder.
bool ParseWindowsPattern(const std::string& text, const WindowsPath& current, WindowsPath& folder,
                         std::string& pattern, uint32_t& error);

// A name as a listing may hold it and a path may end in, read as written:
// not "", "." or "..", no separator, refused character or device name, no
// trailing dot or blank, at most 255 bytes.
bool IsPlainWindowsName(std::string_view name);

// True for a text that is its own full form: an upper-case drive, its root's
// backslash and names that Windows reads as written, one backslash between
// them. Reading it would give it back as it is, so it need not be read.
bool IsFullForm(std::string_view text);

// True for a name Windows keeps for a device (CON, PRN, AUX, NUL, COM1-COM9,
// LPT1-LPT9), also with an extension ("nul.txt"); letters of any case.
bool IsReservedDeviceName(std::string_view name);

// True for a character Windows refuses in a name: < > : " | ? * and codes
// below 32.
bool IsRefusedNameCharacter(char c);

} // namespace platform::detail

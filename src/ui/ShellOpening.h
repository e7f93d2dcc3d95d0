#pragma once
// Showing a folder or a page with the desktop's "open", for the person who
// asked for it. A desktop with no program to open it with must not leave the
// person waiting for a window that never comes: a plain message says so and
// names what could not be opened. Each call opens (and tells) once.

#include <string>

namespace ui {

// Whether the desktop opened it.
bool OpenInShell(const std::string& target);

// The message shown when `target` could not be opened.
std::string ShellOpenFailedText(const std::string& target);

} // namespace ui

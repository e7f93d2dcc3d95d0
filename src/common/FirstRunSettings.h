#pragma once
// The settings a first run starts from, when no settings file could be opened.

#include <span>

// The seventeen separator and quotation-mark symbols; "space" stands for the blank.
std::span<const char* const> DefaultSeparatorSymbols();

// Fills the shared setting lists with the first-run defaults: both symbol lists
// are replaced by the seventeen symbols, the three file-type lists receive the
// default types (appended, not replaced), and "*.*" becomes the only file-name
// pattern when there is none. Writing the file is left to the caller.
void ApplyFirstRunDefaults();

#pragma once

#include "common/SettingsRecord.h"

#include <cstdio>
#include <string>

// Reads the settings file into the shared setting lists. Every load is
// ClearAll, then Load. The file is read into fresh values that replace the
// shared ones only once it has been read, so a file that cannot be opened or
// read changes nothing.
class SettingsReader {
public:
    explicit SettingsReader(const std::string& fileName);
    ~SettingsReader();
    SettingsReader(const SettingsReader&) = delete;
    SettingsReader& operator=(const SettingsReader&) = delete;

    // Whether the file could be opened.
    bool IsOpen() const { return ok_; }
    // The load that follows replaces the eleven lists instead of appending to them.
    void ClearAll();
    // Applies every whole record of the file; a partial record at its end is
    // ignored, and so are the end record and types nobody knows.
    void Load();

private:
    bool ok_ = false;
    bool clearLists_ = false;
    std::string fileName_;
    std::FILE* file_ = nullptr;
    SettingsRecord record_;
};

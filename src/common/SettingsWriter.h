#pragma once

#include "common/SettingsRecord.h"
#include "ui/Desktop.h"

#include <cstdio>
#include <string>

// Writes the shared setting lists to the settings file. The records go to a
// temporary file beside the target (the file a link names, when the settings
// file is a link, which stays one), which replaces the target, with the
// target's permissions, only when every byte was written; on any failure the
// previous file stays as it was, Save says so, and the caller shows message
// 0130 (FailureBox) to the user.
class SettingsWriter {
public:
    explicit SettingsWriter(const std::string& fileName);
    ~SettingsWriter();
    SettingsWriter(const SettingsWriter&) = delete;
    SettingsWriter& operator=(const SettingsWriter&) = delete;

    // Whether the temporary file could be created.
    bool IsOpen() const { return file_ != nullptr; }
    // Writes every record in type order, reading each value at that moment, then
    // the end record. True when the settings file now holds them; one save per writer.
    bool Save();
    // Message 0130, which tells the user that a save failed.
    static ui::MessageBoxRequest FailureBox();

private:
    bool WriteRecord(const SettingsRecord& record);
    void Discard();

    std::string fileName_;
    std::string targetPath_;
    std::string temporaryPath_;
    std::FILE* file_ = nullptr;
    unsigned mode_ = 0644; // the permissions the replaced file had
};

#pragma once
// Maps drive letters to fresh temporary folders for one test and restores the
// drive table and the current directory afterwards.

#include "platform/Drives.h"

#include <string>

namespace testsupport {

class DriveSandbox {
public:
    // Maps each letter of `letters` (default C: and D:) to a folder of its own.
    explicit DriveSandbox(const std::string& letters = "CD");
    ~DriveSandbox();
    DriveSandbox(const DriveSandbox&) = delete;
    DriveSandbox& operator=(const DriveSandbox&) = delete;

    // The host folder behind a drive letter.
    std::string HostRoot(char letter) const;
    // The host path of a Windows path inside the sandbox, built without looking
    // at the disk ("D:\a\b" -> <root of D>/a/b).
    std::string Host(const std::string& windowsPath) const;

    // Helpers to lay out fixtures, given Windows paths.
    void MakeFolder(const std::string& windowsPath) const;
    void MakeFile(const std::string& windowsPath, const std::string& content = "") const;
    bool Exists(const std::string& windowsPath) const;
    std::string Read(const std::string& windowsPath) const;

private:
    std::string base_;
    platform::DriveTable savedTable_;
    std::string savedCurrentDirectory_;
    std::string letters_;
};

} // namespace testsupport

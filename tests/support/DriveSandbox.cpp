#include "support/DriveSandbox.h"

#include "platform/FileSystem.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testsupport {

DriveSandbox::DriveSandbox(const std::string& letters)
    : savedTable_(platform::GetDriveTable()), savedCurrentDirectory_(platform::GetCurrentDirectoryA()) {
    std::string pattern = (fs::temp_directory_path() / "foldersmith-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create sandbox folder");
    base_ = pattern;
    platform::DriveTable table;
    for (char c : letters) {
        char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        fs::path root = fs::path(base_) / std::string(1, letter);
        fs::create_directories(root);
        table[letter] = root.string();
        letters_ += letter;
    }
    platform::SetDriveTable(table);
    if (!letters_.empty())
        platform::SetCurrentDirectoryA(std::string(1, letters_[0]) + ":\\");
}

DriveSandbox::~DriveSandbox() {
    for (char letter : letters_)
        platform::SetFreeSpaceOverride(letter, std::nullopt);
    platform::SetDriveTable(savedTable_);
    platform::SetCurrentDirectoryA(savedCurrentDirectory_);
    std::error_code ignored;
    // Make everything writable again first, so that read-only fixtures go too.
    for (auto it = fs::recursive_directory_iterator(base_, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored)) {
        if (!it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(base_, ignored);
}

std::string DriveSandbox::HostRoot(char letter) const {
    return (fs::path(base_) /
            std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))))
        .string();
}

std::string DriveSandbox::Host(const std::string& windowsPath) const {
    if (windowsPath.size() < 2 || windowsPath[1] != ':')
        throw std::runtime_error("sandbox paths need a drive: " + windowsPath);
    fs::path result = HostRoot(windowsPath[0]);
    std::string component;
    for (char c : windowsPath.substr(2)) {
        if (c == '\\' || c == '/') {
            if (!component.empty())
                result /= component;
            component.clear();
        } else {
            component += c;
        }
    }
    if (!component.empty())
        result /= component;
    return result.string();
}

void DriveSandbox::MakeFolder(const std::string& windowsPath) const {
    fs::create_directories(Host(windowsPath));
}

void DriveSandbox::MakeFile(const std::string& windowsPath, const std::string& content) const {
    fs::path host = Host(windowsPath);
    fs::create_directories(host.parent_path());
    std::ofstream out(host, std::ios::binary);
    out << content;
}

bool DriveSandbox::Exists(const std::string& windowsPath) const {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(Host(windowsPath), ignored));
}

std::string DriveSandbox::Read(const std::string& windowsPath) const {
    std::ifstream in(Host(windowsPath), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace testsupport

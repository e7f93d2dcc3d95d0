#include "common/FolderNormalForm.h"

#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace {

bool BeginsWithDrive(const std::string& path) {
    const unsigned char letter = static_cast<unsigned char>(path.empty() ? 0 : path[0]);
    return path.size() >= 2 && path[1] == ':' &&
           ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z'));
}

} // namespace

bool TakeFolderNormalForm(const std::string& path, std::string& normal) {
    // "D:" alone is the current folder of the drive to Windows; a person
    // writing it in a list of folders means the drive.
    if (BeginsWithDrive(path) && platform::GetFullPathNameA(path.size() == 2 ? path + "\\" : path, normal))
        return true;
    normal = path;
    return false;
}

std::string FolderNormalForm(const std::string& path) {
    std::string normal;
    TakeFolderNormalForm(path, normal);
    return normal;
}

std::string FolderKey(const std::string& path) {
    return platform::FoldCase(FolderNormalForm(path));
}

unsigned FolderDepth(const std::string& path) {
    return NormalFolderDepth(FolderNormalForm(path));
}

unsigned NormalFolderDepth(const std::string& normal) {
    if (IsNormalDriveRoot(normal))
        return 0;
    return static_cast<unsigned>(std::count(normal.begin(), normal.end(), '\\'));
}

bool IsDriveRoot(const std::string& path) {
    return IsNormalDriveRoot(FolderNormalForm(path));
}

bool IsNormalDriveRoot(const std::string& normal) {
    return normal.size() == 3 && BeginsWithDrive(normal) && normal[2] == '\\';
}

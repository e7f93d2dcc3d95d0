#pragma once
// Drive letters mapped to host folders, and the translation between Windows
// paths and host paths. At start C: is mapped to "/".

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace platform {

constexpr unsigned DRIVE_UNKNOWN = 0;
constexpr unsigned DRIVE_NO_ROOT_DIR = 1;
constexpr unsigned DRIVE_REMOVABLE = 2;
constexpr unsigned DRIVE_FIXED = 3;
constexpr unsigned DRIVE_REMOTE = 4;
constexpr unsigned DRIVE_CDROM = 5;
constexpr unsigned DRIVE_RAMDISK = 6;

// Upper-case letter -> absolute host folder.
using DriveTable = std::map<char, std::string>;

DriveTable GetDriveTable();
void SetDriveTable(const DriveTable& table);
void MapDrive(char letter, const std::string& hostFolder);
void UnmapDrive(char letter);

// "C:\", "D:\" ... each followed by a zero byte, the whole list by one more.
std::string GetLogicalDriveStringsA();
unsigned GetDriveTypeA(const std::string& rootPath);

// The host path a Windows path stands for, resolving existing components
// ignoring case; nullopt for an unmapped drive, a refused name or a network path.
std::optional<std::string> ToHostPath(const std::string& windowsPath);

// The host folder that holds what `windowsPath` stands for (the host path
// without its last name), every link on the way resolved as realpath()
// resolves it; "" when the path has no host form or the folder cannot be
// resolved. A folder this layer watches is known to have no link on its way
// and is not looked at again.
std::string ResolvedHostFolderOf(const std::string& windowsPath);

// The Windows form of a host path, through the mapped folder with the longest
// matching prefix; nullopt outside every mapped folder.
std::optional<std::string> ToWindowsPath(const std::string& hostPath);

// Lets tests pretend a drive has a given number of free bytes; nullopt ends it.
void SetFreeSpaceOverride(char letter, std::optional<uint64_t> freeBytes);

// Lets tests run as on a host where no folder can be watched (every inotify
// instance of the user taken): false ends every watch and begins none.
void SetFolderWatchesAvailable(bool available);

} // namespace platform

#pragma once
// The Windows file-system calls the program relies on, answered from the host
// file system through the drive table (see Drives.h). Paths are Windows paths:
// a drive letter, a colon and backslash- or slash-separated components.
//
// Symbolic links are what Windows calls junctions and folder links. A link to
// a folder reports the directory and reparse-point attributes, a link to a
// file (or to nothing) the archive and reparse-point attributes, and a path
// leads through links in any of its components. How a walk over a tree uses
// these calls:
// - An entry with FILE_ATTRIBUTE_REPARSE_POINT (FolderEntry::isLink) is an
//   entry of its own, never descended into: it counts as a file of 0 bytes,
//   is copied as a link (CopySymbolicLinkA), never through its target, and is
//   removed as a link (DeleteFileA, or RemoveDirectoryA for a folder link).
// - A listed name for which IsWindowsName is false (it holds a backslash, a
//   character Windows refuses, a trailing dot or blank, or is a device name)
//   is never joined into a path: it would name some other entry, or none.
// - Whether two paths name the same folder is asked of GetResolvedIdentity,
//   whether a path still names the entry a run made of GetEntryIdentity
//   (EntryIdentity.h), never of their texts.

#include "platform/EntryDetails.h"
#include "platform/EntryIdentity.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

constexpr uint32_t FILE_ATTRIBUTE_READONLY = 0x01;
constexpr uint32_t FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr uint32_t FILE_ATTRIBUTE_SYSTEM = 0x04;
constexpr uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr uint32_t FILE_ATTRIBUTE_REPARSE_POINT = 0x400;
constexpr uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;

// Error codes returned by GetLastError after a failed call.
constexpr uint32_t ERROR_SUCCESS = 0;
constexpr uint32_t ERROR_FILE_NOT_FOUND = 2;
constexpr uint32_t ERROR_PATH_NOT_FOUND = 3;
constexpr uint32_t ERROR_ACCESS_DENIED = 5;
constexpr uint32_t ERROR_NO_MORE_FILES = 18;
constexpr uint32_t ERROR_FILE_EXISTS = 80;
constexpr uint32_t ERROR_INVALID_NAME = 123;
constexpr uint32_t ERROR_DIR_NOT_EMPTY = 145;
constexpr uint32_t ERROR_ALREADY_EXISTS = 183;
constexpr uint32_t ERROR_NOT_SAME_DEVICE = 17;
constexpr uint32_t ERROR_NOT_READY = 21;
constexpr uint32_t ERROR_SHARING_VIOLATION = 32;
constexpr uint32_t ERROR_BAD_NETPATH = 53;
constexpr uint32_t ERROR_INVALID_PARAMETER = 87;
constexpr uint32_t ERROR_DISK_FULL = 112;
constexpr uint32_t ERROR_FILENAME_EXCED_RANGE = 206;
constexpr uint32_t ERROR_DIRECTORY = 267;

// The code of the last failed call of this layer on this thread.
uint32_t GetLastError();

uint32_t GetFileAttributesA(const std::string& path);
// `made` (when given) gets the new folder as the creating call read it back
// at once, relative to its parent; it stays empty when the folder could not
// be read, or not as the one the call made (another program's moved into the
// name meanwhile): such a folder was made, but cannot be told to be the run's.
bool CreateDirectoryA(const std::string& path, std::optional<EntryDetails>* made = nullptr);
bool RemoveDirectoryA(const std::string& path);
bool DeleteFileA(const std::string& path);
bool MoveFileA(const std::string& existing, const std::string& target);
// Copies the content of the file `existing` leads to (through a link too).
bool CopyFileA(const std::string& existing, const std::string& target, bool failIfExists);
// Copies the link `existing` itself as a new link with the same target text,
// as CopyFileEx with COPY_FILE_COPY_SYMLINK does; fails when `target` exists
// or `existing` is no link. The target of the link is never read.
bool CopySymbolicLinkA(const std::string& existing, const std::string& target);
// The Windows path the link `link` leads to, as its target text names it
// (whether anything is there or not); false when `link` is no link or its
// target lies outside every drive.
bool GetLinkTargetA(const std::string& link, std::string& target);

// The identity of what `path` leads to, then of each folder holding it on
// the host up to the host's root, links resolved in every component: a
// folder holds another exactly when its identity is in the other's chain.
bool GetHoldingIdentities(const std::string& path, std::vector<EntryIdentity>& chain);

// Whether the effective user may read the file `path` leads to, and may
// create entries in the folder `folder` leads to: what a copy into it or
// from it will be refused on, asked beforehand.
bool MayReadFile(const std::string& path);
bool MayCreateEntriesIn(const std::string& folder);
// Whether this user may remove the entry at `path` (a link as itself) from
// its folder: as ListEntryDetails tells of each entry it lists.
bool MayRemoveEntry(const std::string& path);

// A quick try for the usual case of a creation run, a new folder in a folder:
// creates the folder as CreateDirectoryA does when it is new and the folder
// holding it is a folder itself (not a link to one) whose names this layer
// keeps. False, having created nothing, in every other case, which the caller
// then settles the long way. `keepNames`: entries will be created in the new
// folder, so its (empty) names are kept from the start. `made` (when given)
// gets the new folder as GetEntryDetails would give it, read as it is
// created; it stays empty when that could not be read, as CreateDirectoryA's.
bool TryCreateDirectoryInFolder(const std::string& path, bool keepNames,
                                std::optional<EntryDetails>* made = nullptr);

// True when `name` can be the name of an entry on Windows: not empty, not "."
// or "..", no backslash, slash or refused character (< > : " | ? * or a
// control character), no trailing dot or blank, not a reserved device name
// (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, also with an extension), and at
// most 255 bytes. A host entry whose name is not one has no Windows path.
bool IsWindowsName(const std::string& name);

// One entry of a listing.
struct FindData {
    std::string cFileName;
    uint32_t dwFileAttributes = 0;
    uint32_t nFileSizeHigh = 0;
    uint32_t nFileSizeLow = 0;
    uint64_t fileSize = 0;
};

// A listing in progress; empty when FindFirstFileA found nothing.
class FindHandleData;
using FindHandle = std::shared_ptr<FindHandleData>;

// pattern is folder + "\" + wildcard pattern. Entries come in the order NTFS
// gives: "." and ".." first (not at a drive's root), then by name ignoring case.
FindHandle FindFirstFileA(const std::string& pattern, FindData& found);
bool FindNextFileA(const FindHandle& handle, FindData& found);
bool FindClose(const FindHandle& handle);

// One entry of a folder as ListFolderEntries gives it.
struct FolderEntry {
    std::string name;
    bool isDirectory = false; // a folder to descend into; a link never is
    bool isLink = false;      // a symbolic link of any kind: an entry of its own
};

// Every entry of `folder` but "." and "..", in the order FindFirstFileA gives,
// with its name and whether it is a folder: what a walk needs, for less than
// a listing costs. Nothing else of an entry is read, and a folder listed again
// while unchanged is not read again. False (with the error recorded) when the
// folder cannot be read, or cannot be entered: nothing it names could then be
// opened or walked.
bool ListFolderEntries(const std::string& folder, std::vector<FolderEntry>& entries);

// Windows wildcard match: case-insensitive, * and ?, "*.*" matches every name.
bool MatchesWildcard(const std::string& name, const std::string& pattern);

// Measured on the file system that holds the deepest existing folder of
// `directory`, so that a folder still to be created is measured where it
// will be created; 0 bytes (and false) when nothing of the path can be read.
bool GetDiskFreeSpaceExA(const std::string& directory, uint64_t* freeBytesAvailableToCaller,
                         uint64_t* totalBytes, uint64_t* totalFreeBytes);

// The full Windows form of `path` as Windows reads it before it looks at a
// disk: against the current directory, "." and ".." taken out (".." never
// above the root), trailing dots and blanks of each name dropped ("C:\a\b").
// False for a path no call could use: a refused character or device name
// (ERROR_INVALID_NAME), a name over 255 bytes (ERROR_FILENAME_EXCED_RANGE).
bool GetFullPathNameA(const std::string& path, std::string& full);

// Whether a call could reach every level of `path`: each name one Windows
// accepts (GetFullPathNameA's rules) and the whole path within the length the
// host allows, on a drive that is there. What a creation of missing folders
// asks before it makes the first, so that a path that cannot be made whole
// makes nothing.
bool PathFitsWhole(const std::string& path);

std::string GetCurrentDirectoryA();
bool SetCurrentDirectoryA(const std::string& path);

// The shell's delete of "folder\*.*": everything inside the folder, without
// confirmation and without a recycle bin. Symbolic links are removed, never
// followed. True when everything matched was deleted.
bool ShellDeleteFiles(const std::string& pattern);

// The help service's quit command; there is no help file, so it succeeds.
bool WinHelpQuit();

} // namespace platform

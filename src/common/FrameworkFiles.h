#pragma once
// File-system routines of the framework's run-time layer, on top of the
// platform's Windows calls. Paths are Windows paths.

#include "platform/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>

// Attribute bits of a search record and the mask FindFirst filters with.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faAnyFile = 0x3F;

// One entry of a listing between FindFirst and FindClose.
struct TSearchRec {
    std::string Name;
    int Attr = 0;
    int64_t Size = 0;      // SizeHigh * 2^32 + SizeLow
    uint32_t SizeHigh = 0; // the two halves the listing gives
    uint32_t SizeLow = 0;
    // Entries carrying one of these bits are skipped (hidden, system, volume,
    // directory bits missing from FindFirst's mask).
    int ExcludeAttr = 0;
    platform::FindHandle FindHandle;
};

// True when the attributes of the path can be read and carry the directory bit.
bool DirectoryExists(const std::string& path);

// True when the attributes can be read and do not carry the directory bit.
bool FileExists(const std::string& path);

// Creates the folder with every missing parent. Trailing separators are
// ignored and a run of backslashes or slashes counts as one; a text shorter
// than three characters, an existing folder or a root gives true without
// creating anything; false as soon as one creation fails.
// An empty path throws ui::FrameworkError("Unable to create directory").
bool ForceDirectories(const std::string& path);

// What ForceNewDirectory did with the folder itself.
enum class FolderMaking { Made, Found, Failed };

// ForceDirectories for a folder a run counts and may undo: Made only when
// this call's own creation made the folder itself (missing parents are made
// along); Found when a folder was there when that creation ran, another
// program's made a moment before included; Failed otherwise. `made` gets the
// folder as the creating call read it back, and stays empty when it could not
// be told to be the one made.
FolderMaking ForceNewDirectory(const std::string& path, std::optional<platform::EntryDetails>& made);

// DeleteFileA: true when the file was deleted.
bool DeleteFile(const std::string& path);

// pattern = folder + "\" + file-name pattern. 0 when an entry was found (it is
// in `rec`), else a non-zero system error code. Entries whose hidden, system,
// volume or directory bit is not in `attr` are skipped; faAnyFile skips none.
int FindFirst(const std::string& pattern, int attr, TSearchRec& rec);

// 0 when a further entry was found (it replaces the one in `rec`).
int FindNext(TSearchRec& rec);

// Releases the listing; harmless after a FindFirst that found nothing and when
// called twice.
void FindClose(TSearchRec& rec);

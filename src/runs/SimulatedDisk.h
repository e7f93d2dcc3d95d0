#pragma once
// What a simulation has so far "created": the folders and files a real run
// would have made by now, so that each later check of the simulation sees
// them as the run would see its own work (an item naming a folder an earlier
// item created exists; a structure merged into a folder finds the files of
// the one before it). Entries are kept by where they are, not by their text:
// the identity of their deepest existing folder and the rest of the path
// ignoring case, so "dup" and "dup." or a path through a link to the same
// folder are one entry.
//
// A question about a path costs a few looks at the disk and one step per
// level below its deepest existing one, never a look per level: a line of a
// thousand names is judged as quickly as the run makes it.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class SimulatedDisk {
public:
    void Clear() {
        anchors_.clear();
        children_.clear();
        kinds_.clear();
        writable_.clear();
    }

    // The folder as ForceDirectories makes it: its missing parents too.
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path);

    // A real folder (not a link) or one the simulation made.
    bool FolderExists(const std::string& path) const;
    // A folder, real or simulated, or a link that leads to one the simulation
    // made: a link leading nowhere on the disk leads to its target once the
    // run has made it, as the run then finds.
    bool LeadsToFolder(const std::string& path) const;
    // Anything real or simulated at the path.
    bool EntryExists(const std::string& path) const;
    // Whether ForceDirectories would create the folder: a path every call can
    // use whose deepest existing level, real or simulated, is a folder, and,
    // when that level is real, one the user may write into.
    bool CanCreateFolder(const std::string& path) const;
    // Whether a file (or link) can be put at the path: a usable path whose
    // folder exists, real or simulated (a real one the user may write into),
    // and nothing at the path itself.
    bool CanCreateFile(const std::string& path) const;

private:
    // A folder link leads through to a folder, but is no folder to merge into.
    enum class Kind { Folder, FolderLink, File };
    // A full path met with the disk: its names, how many of them (from the
    // root) resolve to an entry there, and that entry's identity.
    struct Located {
        std::string full;
        std::vector<std::pair<std::size_t, std::size_t>> names; // offset, length
        std::size_t real = 0;
        std::optional<std::string> anchor; // none when not even the root is there
        std::string Prefix(std::size_t count) const;
    };
    // What the simulation made below a located path: the deepest level it
    // made (or passed through, with no kind) and what that level is.
    struct PlannedLevel {
        std::size_t count = 0;
        std::optional<Kind> kind;
    };
    static Located Locate(const std::string& full);
    // The deepest level at or below `located.real` the simulation made.
    PlannedLevel DeepestPlanned(const Located& located) const;
    // What the simulation made at the full path, if anything.
    std::optional<Kind> Planned(const std::string& fullPath) const;
    // A real entry: nullopt when there is none.
    static std::optional<Kind> Real(const std::string& fullPath);
    std::optional<Kind> Either(const std::string& fullPath) const;
    // Marks every level of `located` from its real part down to `count` as
    // made: the last as `last`, the ones above it as folders.
    void Plan(const Located& located, std::size_t count, Kind last);
    // Whether the run could make entries in the existing level `fullPath`:
    // a simulated folder always (the run makes it the user's own), a real one
    // when the user may write into it, asked once per simulation.
    bool Writable(const std::string& fullPath, Kind kind) const;

    // What was made, as a tree: each anchor (a real entry by identity) and
    // each made level (by its parent's number and its folded name) has a
    // number, and a made level has a kind.
    std::map<std::string, std::size_t> anchors_;
    std::map<std::pair<std::size_t, std::string>, std::size_t> children_;
    std::vector<std::optional<Kind>> kinds_;
    mutable std::map<std::string, bool> writable_;
};

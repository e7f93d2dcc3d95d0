#include "manage/rename/FinalRenamedPaths.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "platform/CaseFolding.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <unordered_map>

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The name a text ends in after its last separator, without the trailing
// dots and blanks Windows drops.
std::string_view EndingName(std::string_view text) {
    std::size_t cut = text.size();
    while (cut > 0 && !IsSeparator(text[cut - 1]))
        --cut;
    std::string_view name = text.substr(cut);
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.remove_suffix(1);
    return name;
}

// A folder's path with the name its key ends in (folded, as the key is, and
// kept as its hash). Two paths with one key end in one name, so that only
// paths whose names meet need their keys, which cost a reading of the whole
// path; two names that merely share a hash only cost those keys. A text
// that ends in a name after a separator has that name at the end of its
// key, whether the key is its normal form or, where it has none, the text
// itself; any other text ("D:", "D:\", "D:\W\.") has its key taken to find
// the name.
struct KeyedPath {
    explicit KeyedPath(const std::string& path) {
        std::string folded;
        if (std::any_of(path.begin(), path.end(), IsSeparator))
            folded = platform::FoldCase(EndingName(path));
        if (folded.empty()) {
            key = FolderKey(path);
            name = std::hash<std::string_view>{}(EndingName(key));
        } else {
            name = std::hash<std::string_view>{}(folded);
        }
    }
    const std::string& Key(const std::string& path) {
        if (key.empty())
            key = FolderKey(path);
        return key;
    }

    std::size_t name = 0;
    std::string key; // empty until asked for; no key is empty
};

// Names, by their hashes: a sorted list costs no allocation per name.
class NameSet {
public:
    void Add(std::size_t name) { names_.push_back(name); }
    void Seal() {
        std::sort(names_.begin(), names_.end());
        names_.erase(std::unique(names_.begin(), names_.end()), names_.end());
    }
    bool Has(std::size_t name) const { return std::binary_search(names_.begin(), names_.end(), name); }

private:
    std::vector<std::size_t> names_;
};

// A folder above a target that may have been renamed, as the target writes
// it, and its key.
struct Above {
    std::size_t length; // of the target's text that writes it
    std::string key;
};

} // namespace

std::vector<std::string> FinalRenamedPaths(const std::vector<DoneRename>& renames) {
    std::vector<KeyedPath> sources;
    sources.reserve(renames.size());
    NameSet sourceNames;
    for (const DoneRename& rename : renames)
        sourceNames.Add(sources.emplace_back(rename.source).name);
    sourceNames.Seal();

    // A run renames many folders of one parent: the folders above each
    // parent are worked out once, nearest first. Only one whose name a
    // renamed folder had can have been renamed.
    NameSet askedNames;
    std::unordered_map<std::string, std::vector<Above>> aboveParent;
    // Mostly a rename's parent is the one asked for last.
    const std::pair<const std::string, std::vector<Above>>* lastAsked = nullptr;
    const auto foldersAbove = [&](std::string_view parent) -> const std::vector<Above>& {
        if (lastAsked && lastAsked->first == parent)
            return lastAsked->second;
        const std::string text(parent);
        auto known = aboveParent.find(text);
        if (known != aboveParent.end()) {
            lastAsked = &*known;
            return known->second;
        }
        std::vector<Above> above;
        for (std::string folder = text;;) {
            KeyedPath keyed(folder);
            if (sourceNames.Has(keyed.name)) {
                askedNames.Add(keyed.name);
                above.push_back({folder.size(), std::move(keyed.Key(folder))});
            }
            std::string next = ExtractFileDir(folder);
            if (next.empty() || next == folder)
                break;
            folder = std::move(next);
        }
        lastAsked = &*aboveParent.emplace(text, std::move(above)).first;
        return lastAsked->second;
    };
    // The length of each target's parent; 0, or the whole target, where it
    // has none.
    std::vector<KeyedPath> targets;
    std::vector<std::size_t> parents;
    targets.reserve(renames.size());
    parents.reserve(renames.size());
    for (const DoneRename& rename : renames) {
        const std::size_t name = targets.emplace_back(rename.target).name;
        if (sourceNames.Has(name))
            askedNames.Add(name);
        const std::size_t parent = FileDirLength(rename.target);
        if (parent > 0 && parent != rename.target.size())
            foldersAbove(std::string_view(rename.target).substr(0, parent));
        parents.push_back(parent);
    }
    askedNames.Seal();

    // Walked from the last rename back: each later rename's final path is
    // known when an earlier one asks whether it or one of its parents moved.
    // The deepest folder that moved already carries the moves of its parents.
    // A renamed folder whose name nothing asks for is never looked up.
    std::vector<std::string> finals(renames.size());
    std::vector<bool> renamedAgain(renames.size(), false);
    std::unordered_map<std::string_view, size_t> lastRenameOf;
    const auto renamedAs = [&lastRenameOf, &finals](const std::string& key) -> const std::string* {
        auto moved = lastRenameOf.find(key);
        return moved == lastRenameOf.end() ? nullptr : &finals[moved->second];
    };
    for (size_t i = renames.size(); i-- > 0;) {
        const std::string& target = renames[i].target;
        const std::string* again = nullptr;
        if (!lastRenameOf.empty() && sourceNames.Has(targets[i].name))
            again = renamedAs(targets[i].Key(target));
        std::string final = target;
        if (again) {
            final = *again;
            renamedAgain[i] = true;
        } else if (!lastRenameOf.empty() && parents[i] > 0 && parents[i] != target.size()) {
            for (const Above& folder : foldersAbove(std::string_view(target).substr(0, parents[i]))) {
                if (const std::string* moved = renamedAs(folder.key)) {
                    final = *moved + target.substr(folder.length);
                    break;
                }
            }
        }
        finals[i] = std::move(final);
        if (askedNames.Has(sources[i].name))
            lastRenameOf[sources[i].Key(renames[i].source)] = i;
    }
    // Those renamed again are taken out in place: mostly none is.
    std::size_t kept = 0;
    for (size_t i = 0; i < renames.size(); ++i) {
        if (renamedAgain[i])
            continue;
        if (kept != i)
            finals[kept] = std::move(finals[i]);
        ++kept;
    }
    finals.resize(kept);
    return finals;
}

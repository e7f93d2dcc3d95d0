#include "manage/rename/FinalRenamedPaths.h"

#include "common/FolderNormalForm.h"
#include "common/FrameworkPaths.h"
#include "platform/CaseFolding.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

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

// A folder's path with the name its key ends in (folded, as the key is).
// Two paths with one key end in one name, so that only paths whose names
// meet need their keys, which cost a reading of the whole path. A text that
// ends in a name after a separator has that name at the end of its key,
// whether the key is its normal form or, where it has none, the text
// itself; any other text ("D:", "D:\", "D:\W\.") has its key taken to find
// the name.
struct KeyedPath {
    explicit KeyedPath(const std::string& path) {
        if (std::any_of(path.begin(), path.end(), IsSeparator))
            name = platform::FoldCase(EndingName(path));
        if (name.empty()) {
            key = FolderKey(path);
            name = EndingName(key);
        }
    }
    const std::string& Key(const std::string& path) {
        if (key.empty())
            key = FolderKey(path);
        return key;
    }

    std::string name;
    std::string key; // empty until asked for; no key is empty
};

// A folder above a target that may have been renamed, as the target writes
// it, and its key.
struct Above {
    std::size_t length; // of the target's text that writes it
    std::string key;
};

} // namespace

std::vector<std::string> FinalRenamedPaths(const std::vector<DoneRename>& renames) {
    std::vector<std::string> finals(renames.size());
    std::vector<bool> renamedAgain(renames.size(), false);
    std::vector<KeyedPath> sources;
    sources.reserve(renames.size());
    std::unordered_set<std::string> sourceNames;
    for (const DoneRename& rename : renames)
        sourceNames.insert(sources.emplace_back(rename.source).name);

    // A run renames many folders of one parent: the folders above each
    // parent are worked out once, nearest first. Only one whose name a
    // renamed folder had can have been renamed.
    std::unordered_set<std::string> askedNames;
    std::unordered_map<std::string, std::vector<Above>> aboveParent;
    // Mostly a rename's parent is the one asked for last.
    const std::pair<const std::string, std::vector<Above>>* lastAsked = nullptr;
    const auto foldersAbove = [&](const std::string& parent) -> const std::vector<Above>& {
        if (lastAsked && lastAsked->first == parent)
            return lastAsked->second;
        auto known = aboveParent.find(parent);
        if (known != aboveParent.end()) {
            lastAsked = &*known;
            return known->second;
        }
        std::vector<Above> above;
        for (std::string folder = parent;;) {
            KeyedPath keyed(folder);
            if (sourceNames.count(keyed.name)) {
                askedNames.insert(keyed.name);
                above.push_back({folder.size(), std::move(keyed.Key(folder))});
            }
            std::string next = ExtractFileDir(folder);
            if (next.empty() || next == folder)
                break;
            folder = std::move(next);
        }
        lastAsked = &*aboveParent.emplace(parent, std::move(above)).first;
        return lastAsked->second;
    };
    std::vector<KeyedPath> targets;
    std::vector<std::string> parents;
    targets.reserve(renames.size());
    parents.reserve(renames.size());
    for (const DoneRename& rename : renames) {
        const std::string& name = targets.emplace_back(rename.target).name;
        if (sourceNames.count(name))
            askedNames.insert(name);
        std::string parent = ExtractFileDir(rename.target);
        if (!parent.empty() && parent != rename.target)
            foldersAbove(parent);
        parents.push_back(std::move(parent));
    }

    // Walked from the last rename back: each later rename's final path is
    // known when an earlier one asks whether it or one of its parents moved.
    // The deepest folder that moved already carries the moves of its parents.
    // A renamed folder whose name nothing asks for is never looked up.
    std::unordered_map<std::string_view, size_t> lastRenameOf;
    const auto renamedAs = [&lastRenameOf, &finals](const std::string& key) -> const std::string* {
        auto moved = lastRenameOf.find(key);
        return moved == lastRenameOf.end() ? nullptr : &finals[moved->second];
    };
    for (size_t i = renames.size(); i-- > 0;) {
        const std::string& target = renames[i].target;
        const std::string* again = nullptr;
        if (!lastRenameOf.empty() && sourceNames.count(targets[i].name))
            again = renamedAs(targets[i].Key(target));
        std::string final = target;
        if (again) {
            final = *again;
            renamedAgain[i] = true;
        } else if (!lastRenameOf.empty() && !parents[i].empty() && parents[i] != target) {
            for (const Above& folder : foldersAbove(parents[i])) {
                if (const std::string* moved = renamedAs(folder.key)) {
                    final = *moved + target.substr(folder.length);
                    break;
                }
            }
        }
        finals[i] = std::move(final);
        if (askedNames.count(sources[i].name))
            lastRenameOf[sources[i].Key(renames[i].source)] = i;
    }
    std::vector<std::string> lasts;
    for (size_t i = 0; i < renames.size(); ++i) {
        if (!renamedAgain[i])
            lasts.push_back(std::move(finals[i]));
    }
    return lasts;
}

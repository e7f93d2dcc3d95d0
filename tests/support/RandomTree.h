#pragma once
// The one generator of random trees the property tests build their cases
// on: folders, files, folder links, file links, dangling links and, where
// asked, an unreadable folder. Links lead into the tree itself or to the
// case's "outside" folder, which no page's targets ever hold.

#include "support/PropertyCase.h"

#include <filesystem>
#include <string>

namespace testsupport {

class RandomTree {
public:
    // Makes `outside` with "outside.txt" and "Precious\f.txt" in it. Without
    // `caseTwins`, no folder holds two names that differ only in letter case.
    RandomTree(CaseRandom& random, const std::filesystem::path& outside, bool caseTwins = true);

    const std::filesystem::path& Outside() const { return outside_; }
    std::filesystem::path Precious() const { return outside_ / "Precious"; }

    // Fills `folder` (made if missing) with up to `width` entries, and folders
    // with the same down to `depth` levels below it. Names repeat in other
    // letter case ("a" beside "A"), so that lookups that ignore case meet
    // them, unless the tree is made without case twins.
    void Fill(const std::filesystem::path& folder, int depth, int width = 4);
    // What a run meets in its way in `folder`, each where its name is free:
    // a file "file", a link "flink" to a file outside, a link "dlink" to
    // nothing, and now and then a folder "dup" holding "old".
    void AddEntriesInTheWay(const std::filesystem::path& folder);
    // A folder no one may read or enter ("locked"), holding a folder and a
    // file, inside `folder`.
    void AddUnreadableFolder(const std::filesystem::path& folder);
    // Inside `folder`, what an ordinary user meets: a folder that can be
    // listed but not entered ("listonly", r--), one that can be entered but
    // not listed ("enteronly", --x) and one that cannot be written
    // ("readonly", r-x), each holding a file.
    void AddFoldersOfLimitedRights(const std::filesystem::path& folder);

private:
    CaseRandom& random_;
    std::filesystem::path outside_;
    bool caseTwins_;
};

} // namespace testsupport

// For random trees (links, an unreadable folder, folders an ordinary user
// may list but not enter, enter but not list, or not write, main folders that are
// missing, links or written in several ways) and every mode, the delete
// page's simulation shows what its run then does, and the run removes exactly
// what its counters and lists name: nothing else is removed or changed.
// Deleting has no Undo. A folder on another file system (as the page's probe
// reports it) keeps everything it holds.
//
// Left out: names that differ only in letter case in one folder (one name on
// the drives this program stands in for, so a line naming one names either).

#include "ui_TfrmStatistics07.h"
#include "ui_Vol07DeletePage.h"

#include "DeletePageFixture.h"

#include "platform/Drives.h"
#include "support/CountersText.h"
#include "support/PageCase.h"
#include "support/PathSpellings.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

using namespace deletetests;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

std::string Folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class DeletePagePropertyTest : public DeletePageTest {
protected:
    // A listed Windows path as a snapshot path, letters folded: a main
    // folder is listed as its line writes it.
    std::multiset<std::string> ListedPlaces(const fs::path& root, const std::vector<std::string>& listed) {
        std::multiset<std::string> places;
        for (const std::string& path : listed) {
            std::optional<std::string> host = platform::ToHostPath(path);
            places.insert(host ? Folded(RelativeTo(root, fs::path(*host).lexically_normal()))
                               : "<" + path + ">");
        }
        return places;
    }
};

TEST_F(DeletePagePropertyTest, RunRemovesExactlyWhatItCountsAndSimulationAgrees) {
    const std::vector<std::pair<DeleteMode, std::string>> modes = {
        {DeleteMode::FilesEverywhere, "files everywhere"},
        {DeleteMode::FilesInMainFolders, "files in the main folders"},
        {DeleteMode::Subfolders, "subfolders"},
        {DeleteMode::Everything, "complete folders"}};
    const auto shown = [&] { return CounterTextsAndLists(PageResults(), *frmStatistics07); };
    // Without names that differ only in letter case: the drives this program
    // stands in for hold one of them, and a line naming one names either.
    ForEachPageCase(2700, sandbox->HostRoot('D'), CaseTwins::None, [&](PageCase& c) {
        const fs::path area = c.base / "M";
        fs::create_directories(area / "A");
        fs::create_directories(area / "B");
        c.tree.Fill(area / "A", 2, 4);
        c.tree.Fill(area / "B", 1, 3);
        if (c.random.OneIn(3))
            c.tree.AddUnreadableFolder(area / "A");
        // What an ordinary user meets: folders that cannot be entered,
        // listed or written, whose entries stay and are named.
        if (c.random.OneIn(3))
            c.tree.AddFoldersOfLimitedRights(c.random.OneIn(2) ? area / "A" : area / "B");
        if (c.random.OneIn(3))
            fs::create_directory_symlink(c.random.OneIn(2) ? area / "B" : c.tree.Precious(), area / "L");

        std::vector<std::string> places = {"missing"};
        for (const auto& [path, state] : TakeSnapshot(area))
            if (state.kind != EntryState::Kind::File && path.rfind("A/locked/", 0) != 0 &&
                path.find("only/") == std::string::npos)
                places.push_back(path);
        std::vector<std::string> lines;
        std::set<std::string> mainFolders;
        const int lineCount = 1 + c.random.Pick(3);
        for (int i = 0; i < lineCount; ++i) {
            std::string place = c.random.Choose(places);
            mainFolders.insert(c.Relative(area / place));
            std::replace(place.begin(), place.end(), '/', '\\');
            const std::string path = c.Path("M\\" + place);
            const std::string line = c.random.OneIn(4) ? RandomSpelling(c.random, path) : path;
            if (std::find(lines.begin(), lines.end(), line) == lines.end())
                lines.push_back(line);
        }
        // Now and then a folder below the main folders lies on another file
        // system (as the page is told by its probe): it and all it holds stay.
        std::string mounted;
        if (c.random.OneIn(3)) {
            std::vector<std::string> folders;
            for (const auto& [path, state] : TakeSnapshot(area)) {
                // Not a main folder, nor one that holds a main folder: a main
                // folder may lie on any file system.
                const std::string place = c.Relative(area / path);
                bool holdsMain = false;
                for (const std::string& main : mainFolders)
                    holdsMain = holdsMain || IsAtOrBelow(main, place);
                if (state.kind == EntryState::Kind::Folder && !holdsMain &&
                    path.find("locked") == std::string::npos)
                    folders.push_back(path);
            }
            if (!folders.empty())
                mounted = c.Relative(area / c.random.Choose(folders));
        }
        page->SetFileSystemProbe([&](const std::string& path, const platform::EntryDetails& entry) {
            std::optional<std::string> host = platform::ToHostPath(path);
            const bool other = !mounted.empty() && host && c.Relative(*host) == mounted;
            return other ? entry.identity.device + 1 : entry.identity.device;
        });
        if (!mounted.empty())
            c.inputs.Note("on another file system: " + mounted);
        const auto& [mode, modeName] = c.random.Choose(modes);
        Include(lines, mode);
        c.NoteItems("lines", page->Controls().lstVol07IncludeFolderList->Items(), ", mode " + modeName);

        const std::string target = c.Relative(area);
        PagePropertySteps steps;
        steps.simulate = Clicking(page->Controls().btnVol07DeleteFoldersSimulation, shown);
        steps.run = Clicking(page->Controls().btnVol07DeleteFolders, shown);
        steps.inTargets = [&](const std::string& path) {
            return IsAtOrBelow(path, target) && path != target;
        };
        steps.checkRun = [&](const TreeSnapshot& before, const TreeSnapshot& after) {
            const std::multiset<std::string> listedFolders =
                ListedPlaces(c.root, stat().lstStat07FoldersDeleted->Items());
            const std::multiset<std::string> listedFiles =
                ListedPlaces(c.root, stat().lstStat07FilesDeleted->Items());
            std::multiset<std::string> removedFolders;
            std::multiset<std::string> removedFiles;
            for (const auto& [path, state] : before) {
                auto now = after.find(path);
                if (!mounted.empty() && IsAtOrBelow(path, mounted) && path != mounted) {
                    EXPECT_TRUE(now != after.end()) << "gone from another file system: " << path << "\n"
                                                    << c.inputs.Trace();
                }
                if (now != after.end()) {
                    EXPECT_TRUE(now->second == state) << "changed by the run: " << path << "\n"
                                                      << c.inputs.Trace();
                    continue;
                }
                // A link given as a main folder goes as a link and counts as
                // the main folder it stands for, unless another main folder's
                // walk met it first, as a file.
                const std::string place = Folded(path);
                const bool folder = state.kind == EntryState::Kind::Folder ||
                                    (state.kind == EntryState::Kind::Link && mainFolders.count(path) &&
                                     listedFolders.count(place));
                (folder ? removedFolders : removedFiles).insert(place);
            }
            EXPECT_EQ(after.size() + removedFolders.size() + removedFiles.size(), before.size())
                << c.inputs.Trace();
            EXPECT_EQ(listedFolders, removedFolders) << c.inputs.Trace();
            EXPECT_EQ(listedFiles, removedFiles) << c.inputs.Trace();
            EXPECT_EQ(page->Counters.Vol07FoldersDeleted, static_cast<double>(removedFolders.size()))
                << c.inputs.Trace();
            EXPECT_EQ(page->Counters.Vol07FilesDeleted, static_cast<double>(removedFiles.size()))
                << c.inputs.Trace();
        };
        return c.Run(steps);
    });
}

} // namespace

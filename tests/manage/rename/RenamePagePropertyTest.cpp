// For random trees (folder links in them, folders whose new names are taken,
// chained renames in one folder, an unreadable folder), random rules and
// lines however they are written (links and folders inside other lines'
// folders among them), the rename page's simulation shows what its run then
// does, the run only moves the listed folders within their own folders, and
// Undo, after the person has changed some of what the run renamed, puts back
// what they did not touch and keeps what they made.
//
// Left out: names that differ only in letter case in one folder (one name on
// the drives this program stands in for, so Undo may rightly find a rename's
// old name taken).

#include "ui_TfrmStatistic06.h"
#include "ui_Vol06RenamePage.h"

#include "RenamePageFixture.h"

#include "platform/FileSystem.h"
#include "support/CountersText.h"
#include "support/PageCase.h"
#include "support/PathSpellings.h"

#include <algorithm>
#include <filesystem>
#include <map>

using namespace renametests;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

using RenamePagePropertyTest = RenamePageTest;

TEST_F(RenamePagePropertyTest, RunSimulationAndUndoAgreeWhateverThePersonChanges) {
    const auto shown = [&] { return CounterTextsAndLists(PageCounters(), *frmStatistic06); };
    ForEachPageCase(2600, sandbox->HostRoot('D'), CaseTwins::None, [&](PageCase& c) {
        const fs::path area = c.base / "T";
        // Folders whose renames meet: "xA" is what "A" becomes with prefix x.
        fs::create_directories(area / "A" / "B");
        if (c.random.OneIn(2))
            fs::create_directories(area / "xA");
        if (c.random.OneIn(2))
            fs::create_directory_symlink(area / "A", area / "L");
        c.tree.Fill(area, 2, 3);
        c.tree.Fill(area / "A", 1, 3);
        if (c.random.OneIn(4))
            c.tree.AddUnreadableFolder(area);

        // Lines: folders and links of the area (folders inside other lines'
        // folders among them), one that is missing, some written otherwise or
        // twice.
        std::vector<std::string> places = {"missing"};
        for (const auto& [path, state] : TakeSnapshot(area))
            if (path.rfind("locked/", 0) != 0 &&
                (state.kind == EntryState::Kind::Folder || state.kind == EntryState::Kind::Link))
                places.push_back(path);
        std::vector<std::string> lines;
        const int lineCount = 1 + c.random.Pick(4);
        for (int i = 0; i < lineCount; ++i) {
            std::string place = c.random.Choose(places);
            std::replace(place.begin(), place.end(), '/', '\\');
            const std::string path = c.Path("T\\" + place);
            const std::string spelled = RandomSpelling(c.random, path);
            const std::string line = c.random.OneIn(3) ? spelled : path;
            if (std::find(lines.begin(), lines.end(), line) == lines.end())
                lines.push_back(line);
        }
        SetLines(lines);
        c.NoteItems("lines", include().Items());
        if (c.random.OneIn(2)) {
            const std::string name = c.random.Choose(std::vector<std::string>{"N", "A", "B", "xA", "n"});
            RenameTheLastSubFolder(name);
            c.inputs.Note("rename the last subfolder to '" + name + "'");
        } else {
            Click(controls().rdoVol06RenameAddPrefixesSuffixes);
            const std::string prefix = c.random.Choose(std::vector<std::string>{"x", "", "p"});
            const std::string suffix = prefix.empty() || c.random.OneIn(3) ? "s" : "";
            const std::string delimiter = c.random.OneIn(3) ? "-" : "";
            Type(controls().edtVol06NewPrefix, prefix);
            Type(controls().edtVol06NewSuffix, suffix);
            Type(controls().edtVol06DelimiterPrefixSubFolder, prefix.empty() ? "" : delimiter);
            Type(controls().edtVol06DelimiterSubFolderSuffix, suffix.empty() ? "" : delimiter);
            c.inputs.Note("prefix '" + prefix + "', suffix '" + suffix + "', delimiter '" + delimiter + "'");
        }

        // A line that names a file stands for the folder holding it, so the
        // area itself may be renamed; never the person's own folders.
        const std::string caseFolder = c.Relative(c.base);
        const std::string outsideFolder = c.Relative(c.base / "O");
        PagePropertySteps steps;
        steps.simulate = Clicking(controls().btnVol06RenameFoldersSimulation, shown);
        steps.run = Clicking(controls().btnVol06RenameFolders, shown);
        steps.inTargets = [&](const std::string& path) {
            return IsAtOrBelow(path, caseFolder) && path != caseFolder && !IsAtOrBelow(path, outsideFolder);
        };
        // A rename moves entries, never makes, changes or removes one: each
        // entry is there after the run, the same, and the renamed ones are
        // as many as the page counts.
        steps.checkRun = [&](const TreeSnapshot& before, const TreeSnapshot& after) {
            std::map<std::pair<uint64_t, uint64_t>, std::string> placeBefore;
            for (const auto& [path, state] : before)
                placeBefore[{state.identity.device, state.identity.inode}] = path;
            int renamed = 0;
            std::vector<std::string> wrong;
            for (const auto& [path, state] : after) {
                auto old = placeBefore.find({state.identity.device, state.identity.inode});
                if (old == placeBefore.end() || !before.at(old->second).SameContent(state))
                    wrong.push_back(path);
                else if (NameOf(old->second) != NameOf(path))
                    ++renamed;
            }
            EXPECT_EQ(before.size(), after.size()) << c.inputs.Trace();
            EXPECT_TRUE(wrong.empty()) << "made or changed by the run: " << wrong.front() << "\n"
                                       << c.inputs.Trace();
            EXPECT_EQ(renamed, page->Vol06FoldersRenamed) << c.inputs.Trace();
            for (const std::string& listed : stat().lstStat06FoldersRenamed->Items()) {
                EXPECT_NE(platform::GetFileAttributesA(listed), platform::INVALID_FILE_ATTRIBUTES)
                    << "listed as renamed: " << listed << "\n"
                    << c.inputs.Trace();
            }
        };
        steps.undo = Clicking(controls().btnVol06Undo);
        steps.emptiesCreatedFolders = false;
        steps.undoMovesBack = true;
        return c.Run(steps);
    });
}

} // namespace

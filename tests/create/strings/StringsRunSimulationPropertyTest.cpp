// For random trees and random item lists, the strings page's simulation
// counts what its run then does, the run writes only inside its destination,
// and Undo gives the disk back as it was (but for the parent folders a run
// makes for an item with a backslash, which Undo keeps).

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "platform/Drives.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

using namespace createtests;
using ui::Answer;
namespace fs = std::filesystem;

namespace {

// Every entry below `root`, links not followed: kind, size or link target.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    std::error_code error;
    for (auto it =
             fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        const fs::path& path = it->path();
        std::string what;
        if (it->is_symlink(error))
            what = "link " + fs::read_symlink(path, error).string();
        else if (it->is_directory(error))
            what = "folder";
        else
            what = "file " + std::to_string(it->file_size(error));
        entries[path.string()] = what;
    }
    return entries;
}

std::string RowText(const CounterRow& row) {
    return std::to_string(row.Folders) + "/" + std::to_string(row.SubFolders) + "/" +
           std::to_string(row.Files) + "/" + std::to_string(row.FilesSize);
}

std::string Rows(const CreationCounters& counters) {
    return "created " + RowText(counters.Created) + ", exists " + RowText(counters.Exists) + ", other " +
           RowText(counters.Other);
}

class RandomCase {
public:
    RandomCase(std::mt19937& random, const fs::path& base) : random_(random), base_(base) {}

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    // A structure tree of a few levels: folders, files, links of every kind
    // and names no Windows path can hold.
    void Tree(const fs::path& folder, int depth) {
        fs::create_directories(folder);
        const int count = Pick(5);
        for (int i = 0; i < count; ++i) {
            static const char* const names[] = {"a", "A", "b", "f.txt", "F.TXT", "sub", "x y", "n.dat"};
            const std::string name = names[Pick(8)];
            const fs::path path = folder / name;
            if (fs::exists(fs::symlink_status(path)))
                continue;
            switch (Pick(depth < 2 ? 10 : 7)) {
            case 0:
            case 1:
            case 2:
                std::ofstream(path) << std::string(static_cast<std::size_t>(Pick(40)), 'c');
                break;
            case 3:
                fs::create_symlink(Pick(2) ? (base_ / "outside.txt") : fs::path("f.txt"), path);
                break;
            case 4:
                fs::create_directory_symlink(Pick(2) ? base_ : (base_ / "S"), path);
                break;
            case 5:
                fs::create_symlink("nowhere", path);
                break;
            case 6:
                // Names Windows cannot hold: a folder and a file.
                fs::create_directories(folder / (name + "\\..\\..\\up"));
                std::ofstream(folder / (name + "?")) << "q";
                break;
            default:
                Tree(path, depth + 1);
                break;
            }
        }
    }

private:
    std::mt19937& random_;
    fs::path base_;
};

class StringsPropertyTest : public StringsPageTest {};

TEST_F(StringsPropertyTest, SimulationRunAndUndoAgreeOnRandomTrees) {
    std::mt19937 random(20261207);
    const std::vector<QRadioButton*> modes = {
        controls().rdoVol02AttachMainFolderWithFiles, controls().rdoVol02AttachMainFolderWithoutFiles,
        controls().rdoVol02AttachSubFoldersOnlyWithFiles, controls().rdoVol02AttachSubFoldersOnlyWithoutFiles,
        controls().rdoVol02AttachNothing};
    const std::vector<std::string> pool = {"a",       "A",          "b",
                                           "dup",     "dup.",       "new\\deep",
                                           "new",     "..\\escape", "a\\..\\..\\out",
                                           "p<q",     "nul",        "file",
                                           "file\\x", "flink\\x",   "dlink\\y",
                                           "sub",     "sub\\more",  "x y",
                                           "S",       "f.txt",      std::string(256, 'n'),
                                           "ab:c",    "c d\\e",     "."};
    const fs::path driveRoot = sandbox->HostRoot('D');
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::string caseName = "c" + std::to_string(round);
        const fs::path base = driveRoot / caseName;
        RandomCase maker(random, base);
        fs::create_directories(base);
        std::ofstream(base / "outside.txt") << "outside";
        maker.Tree(base / "S", 0);
        if (maker.Pick(3) == 0) {
            fs::create_directories(base / "S" / "locked" / "inner");
            fs::permissions(base / "S" / "locked", fs::perms::none);
        }
        // The destination: a folder of its own, a folder inside the
        // structure, or a link to either.
        std::string destinationHost;
        switch (maker.Pick(4)) {
        case 0:
            destinationHost = (base / "S" / "w").string();
            break;
        case 1:
            fs::create_directories(base / "W");
            fs::create_directory_symlink(base / "W", base / "WL");
            destinationHost = (base / "WL").string();
            break;
        case 2:
            fs::create_directories(base / "S");
            fs::create_directory_symlink(base / "S", base / "SL");
            destinationHost = (base / "SL").string();
            break;
        default:
            destinationHost = (base / "W").string();
            break;
        }
        fs::create_directories(destinationHost);
        const fs::path destination = fs::canonical(destinationHost);
        if (!fs::exists(fs::symlink_status(destination / "dup")) && maker.Pick(2))
            fs::create_directories(destination / "dup" / "old");
        if (!fs::exists(fs::symlink_status(destination / "file")))
            std::ofstream(destination / "file") << "in the way";
        if (!fs::exists(fs::symlink_status(destination / "flink")))
            fs::create_symlink(base / "outside.txt", destination / "flink");
        if (!fs::exists(fs::symlink_status(destination / "dlink")))
            fs::create_symlink("nowhere", destination / "dlink");

        controls().lstVol02IncludeStrings->Clear();
        controls().lstVol02AddFolderStructure->Clear();
        const std::string destinationPath = *platform::ToWindowsPath(destinationHost);
        SetDestination(destinationPath);
        const int itemCount = 1 + maker.Pick(6);
        for (int i = 0; i < itemCount; ++i) {
            const std::string item =
                pool[static_cast<std::size_t>(maker.Pick(static_cast<int>(pool.size())))];
            if (!controls().lstVol02IncludeStrings->Contains(item))
                AddItems({item});
        }
        AddStructure("D:\\" + caseName + "\\S");
        if (maker.Pick(3) == 0 && fs::is_directory(base / "S" / "sub") && !fs::is_symlink(base / "S" / "sub"))
            AddStructure("D:\\" + caseName + "\\S\\sub");
        Choose(modes[static_cast<std::size_t>(maker.Pick(5))]);

        const std::map<std::string, std::string> before = Snapshot(driveRoot);
        SimulateToTheEnd();
        const std::string simulated = Rows(page->Counters());
        EXPECT_EQ(Snapshot(driveRoot), before);
        CreateToTheEnd();
        EXPECT_EQ(Rows(page->Counters()), simulated);

        // Written only inside the destination.
        const std::string inside = destination.string() + "/";
        const std::map<std::string, std::string> after = Snapshot(driveRoot);
        for (const auto& [path, what] : after) {
            auto found = before.find(path);
            if (found == before.end() || found->second != what) {
                EXPECT_EQ(path.rfind(inside, 0), 0u) << path;
            }
        }
        for (const auto& [path, what] : before)
            EXPECT_TRUE(after.count(path)) << path;

        // The parents a run made for an item with a backslash stay.
        std::set<std::string> kept;
        std::set<std::string> createdHosts;
        for (const std::string& created : page->ResultLists().Created.Folders) {
            std::optional<std::string> host = platform::ToHostPath(created);
            ASSERT_TRUE(host);
            createdHosts.insert(fs::canonical(*host).string());
            for (fs::path parent = fs::canonical(*host).parent_path(); parent.string().rfind(inside, 0) == 0;
                 parent = parent.parent_path())
                kept.insert(parent.string());
        }
        if (page->ResultLists().Created.Folders.empty()) {
            desktop->ExpectBox("0028");
        } else {
            // A created folder inside another one is gone with it before its
            // own turn: the undo reports a folder it could not remove.
            bool nested = false;
            for (const std::string& host : createdHosts) {
                for (const std::string& other : createdHosts)
                    nested = nested || host.rfind(other + "/", 0) == 0;
            }
            desktop->ExpectBox("0029", Answer::Yes);
            if (nested)
                desktop->ExpectBox("0030");
            desktop->ExpectBox("0031");
        }
        Undo();
        const std::map<std::string, std::string> undone = Snapshot(driveRoot);
        for (const auto& [path, what] : undone) {
            if (!before.count(path)) {
                EXPECT_TRUE(kept.count(path) && what == "folder") << path;
            }
        }
        for (const auto& [path, what] : before) {
            auto found = undone.find(path);
            EXPECT_TRUE(found != undone.end() && found->second == what) << path;
        }
        EXPECT_TRUE(desktop->AllUsed());
        if (HasFailure())
            break;
        std::error_code ignored;
        fs::permissions(base / "S" / "locked", fs::perms::owner_all, ignored);
        fs::remove_all(base, ignored);
    }
    frmStatistic02->hide();
}

} // namespace

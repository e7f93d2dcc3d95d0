#pragma once
// Include "ui_TfrmStatistics07.h" and "ui_Vol07DeletePage.h" before this
// header. A delete page of its own for each test, with a drive sandbox with C:,
// D: and F:, the program's start directory in C:\Program and the file-name
// patterns the test sets.

#include "common/SettingLists.h"
#include "manage/ManagePageFixture.h"
#include "manage/delete/TfrmStatistics07.h"
#include "manage/delete/Vol07DeletePage.h"
#include "ui/ListBox.h"

#include <QCheckBox>
#include <QRadioButton>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace deletetests {

using managetests::Lines;

class DeletePageTest : public managetests::ManagePageFixture<Vol07DeletePage> {
protected:
    void SetUp() override {
        ManagePageFixture::SetUp();
        main.texts.DeleteSimulationIntroText = "delete simulation intro";
        main.texts.DeleteSimulationEndText = "delete simulation end";
        main.texts.SelectFilesHintText =
            "You can Select File Names/Types by Clicking on the <Select Files> button.";
        main.texts.AllFileTypesText = "All.";
        main.texts.UserSelectedFileTypesText = "User Selected.";
        MakePage({"Vol07", "CDF", "DeleteFolders", {"0238?", "0239?", "0240"}, {"0241?", "0242"}});
        sandbox->MakeFolder("C:\\Program");
        SetStartDirectory("C:\\Program");
        SetPatterns({"*.*"});
        page->InitialiseAtStart();
    }

    Ui::Vol07DeletePage& c() { return page->Controls(); }
    Ui::TfrmStatistics07& stat() { return frmStatistics07->Controls(); }

    static void SetPatterns(const std::deque<std::string>& patterns) {
        SetFileNamePatternList(patterns);
        SetFileNamePatternText(patterns.size() == 1 ? patterns.front() : "*.txt;*.doc");
    }

    // Include lines as a person would leave them, then the mode's radio
    // checked and the page refreshed.
    void Include(const Lines& lines, DeleteMode mode) {
        c().lstVol07IncludeFolderList->Clear();
        c().lstVol07IncludeFolderList->AddItems(lines);
        CheckMode(mode);
        page->RefreshVol07Page();
    }
    QRadioButton* ModeRadio(DeleteMode mode) {
        switch (mode) {
        case DeleteMode::FilesEverywhere:
            return c().rdoVol07DeleteOnlyFiles;
        case DeleteMode::FilesInMainFolders:
            return c().rdoVol07DeleteOnlyFilesInMainFolder;
        case DeleteMode::Subfolders:
            return c().rdoVol07DeleteSubFolders;
        case DeleteMode::Everything:
            break;
        }
        return c().rdoVol07DeleteCompleteFolders;
    }
    void CheckMode(DeleteMode mode) { ModeRadio(mode)->setChecked(true); }

    // To delete: folders, files (page labels), bytes.
    Lines ToDelete() {
        return {PageLabel("FoldersToDelete"), PageLabel("FilesToDelete"),
                std::to_string(static_cast<uint64_t>(page->Counters.Vol07BytesToDelete))};
    }
    // Deleted, not existing, other reasons: folders then files, as the page
    // and the statistics window show them.
    Lines Results(QWidget* root, const std::string& prefix) {
        Lines row;
        for (const char* kind : {"Folders", "Files"})
            for (const char* what : {"Deleted", "NotExists", "OtherReasons"})
                row.push_back(Label(root, prefix + kind + what));
        return row;
    }
    Lines PageResults() { return Results(page.get(), "lblVol07"); }
    Lines StatisticsResults() { return Results(frmStatistics07, "lblStat07"); }

    std::vector<std::string> FileSet() {
        std::vector<std::string> paths;
        for (const auto& [path, size] : page->DeleteFileSet)
            paths.push_back(path + "=" + std::to_string(size));
        return paths;
    }

    // Every entry below a drive's host folder, as sorted relative paths;
    // folders end in "/", links in "@".
    std::set<std::string> Tree(char drive) {
        std::set<std::string> entries;
        const std::filesystem::path root = sandbox->HostRoot(drive);
        for (auto it = std::filesystem::recursive_directory_iterator(root); it != std::filesystem::end(it);
             ++it) {
            // Lexically: a link must keep its own name, not take its target's.
            std::string relative = it->path().lexically_relative(root).generic_string();
            if (it->is_symlink())
                relative += "@";
            else if (it->is_directory())
                relative += "/";
            entries.insert(relative);
        }
        return entries;
    }
};

} // namespace deletetests

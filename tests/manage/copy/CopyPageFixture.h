#pragma once
// Include "ui_TfrmStatistic08.h" and "ui_Vol08CopyPage.h" before this header.
// A copy page of its own for each test, with the program's windows made as
// the program entry makes them, a drive sandbox with C: and D:, the file-name
// pattern "*.*", and a structure D:\S of two folders and three files of 100
// bytes.

#include "common/IllegalCharacters.h"
#include "common/SettingLists.h"
#include "manage/copy/TfrmStatistic08.h"
#include "manage/copy/Vol08CopyPage.h"
#include "platform/Drives.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/MainWindowServices.h"
#include "ui/ListBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

namespace copytests {

using ui::Answer;

class QuietMainWindow : public MainWindowServices {
public:
    void SetTabEnabled(const std::string&, bool) override {}
    void ShowTab(const std::string&) override {}
    const MainWindowTexts& Texts() const override { return texts_; }

private:
    MainWindowTexts texts_;
};

class CopyPageTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        testsupport::ProgramWindowsFixture::SetUp();
        FillPathIllegalChars();
        FillNameIllegalChars();
        FillSubpathIllegalChars();
        patterns_ = GetFileNamePatternList();
        SetFileNamePatternList({"*.*"});
        sandbox = std::make_unique<testsupport::DriveSandbox>("CD");
        page = std::make_unique<Vol08CopyPage>(main);
        desktop = std::make_unique<testsupport::ScriptedDesktop>();
        // A structure of two folders and three files of 100 bytes.
        sandbox->MakeFile("D:\\S\\a.txt", std::string(100, 'a'));
        sandbox->MakeFile("D:\\S\\X\\b.txt", std::string(100, 'b'));
        sandbox->MakeFile("D:\\S\\X\\Y\\c.doc", std::string(100, 'c'));
    }
    void TearDown() override {
        platform::SetFreeSpaceOverride('C', std::nullopt);
        desktop.reset();
        page.reset();
        sandbox.reset();
        SetFileNamePatternList(patterns_);
    }

    Ui::Vol08CopyPage& controls() { return page->Controls(); }
    void Include(const std::vector<std::string>& folders) {
        for (const std::string& folder : folders)
            controls().lstVol08IncludeFolderList->AddItem(folder);
    }
    void Structure(const std::string& folder) { controls().lstVol08AddFolderStructure->AddItem(folder); }
    void Mode(QRadioButton* radio) { radio->setChecked(true); }
    void Refresh() { page->RefreshVol08Page(); }
    void Copy() {
        desktop->ExpectBox("0284", Answer::Yes);
        desktop->ExpectBox("0286");
        controls().btnVol08CopyFolders->click();
    }
    void Simulate() {
        desktop->ExpectBox("0289", Answer::Yes);
        desktop->ExpectBox("0266");
        controls().btnVol08CopyFoldersSimulation->click();
    }
    void Undo(const std::vector<std::string>& boxes = {"0291", "0293"}) {
        for (const std::string& box : boxes)
            desktop->ExpectBox(box, box == "0291" ? Answer::Yes : Answer::Ok);
        controls().btnVol08Undo->click();
    }
    // Every path below C:, with the size of each file (-1 for a folder).
    std::map<std::string, long long> Tree() const {
        std::map<std::string, long long> tree;
        const std::filesystem::path root = sandbox->HostRoot('C');
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            tree[entry.path().lexically_relative(root).string()] =
                entry.is_regular_file() ? static_cast<long long>(entry.file_size()) : -1;
        return tree;
    }
    static std::vector<double> Row(const CounterRow& row) {
        return {row.Folders, row.SubFolders, row.Files, row.FilesSize};
    }

    QuietMainWindow main;
    std::unique_ptr<testsupport::DriveSandbox> sandbox;
    std::unique_ptr<Vol08CopyPage> page;
    std::unique_ptr<testsupport::ScriptedDesktop> desktop;

private:
    std::deque<std::string> patterns_;
};

} // namespace copytests

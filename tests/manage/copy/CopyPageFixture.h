#pragma once
// Include "ui_TfrmStatistic08.h" and "ui_Vol08CopyPage.h" before this header.
// A copy page of its own for each test, with a drive sandbox with C: and D:,
// the file-name pattern "*.*", and a structure D:\S of two folders and three
// files of 100 bytes.

#include "common/SettingLists.h"
#include "manage/ManagePageFixture.h"
#include "manage/copy/TfrmStatistic08.h"
#include "manage/copy/Vol08CopyPage.h"
#include "ui/ListBox.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace copytests {

using managetests::Lines;
using ui::Answer;

class CopyPageTest : public managetests::ManagePageFixture<Vol08CopyPage> {
protected:
    // An attach mode and a row of counters (as Row gives it) expected in it.
    struct ModeRow {
        QRadioButton* mode;
        std::vector<double> row;
    };

    void SetUp() override {
        ManagePageFixture::SetUp();
        SetFileNamePatternList({"*.*"});
        MakePage({"Vol08", "CD", "CopyFolders", {"0284?", "0286"}, {"0289?", "0266"}});
        sandbox->MakeFile("D:\\S\\a.txt", std::string(100, 'a'));
        sandbox->MakeFile("D:\\S\\X\\b.txt", std::string(100, 'b'));
        sandbox->MakeFile("D:\\S\\X\\Y\\c.doc", std::string(100, 'c'));
    }

    Ui::Vol08CopyPage& controls() { return page->Controls(); }
    void Include(const std::vector<std::string>& folders) {
        for (const std::string& folder : folders)
            controls().lstVol08IncludeFolderList->AddItem(folder);
    }
    void Structure(const std::string& folder) { controls().lstVol08AddFolderStructure->AddItem(folder); }
    void Mode(QRadioButton* radio) { radio->setChecked(true); }
    void Refresh() { page->RefreshVol08Page(); }
    // The Include folders, the structure and the attach mode, then the page refreshed.
    void Plan(const std::vector<std::string>& folders, const std::string& structure, QRadioButton* mode) {
        Include(folders);
        Structure(structure);
        Mode(mode);
        Refresh();
    }
    void Copy() { RunToTheEnd(); }
    void Simulate() { SimulateToTheEnd(); }
    void Undo(const Lines& boxes = {"0291?", "0293"}) { UndoToTheEnd(boxes); }
    // Every path below C:, with the size of each file (-1 for a folder).
    std::map<std::string, long long> Tree() const { return testsupport::SizesBelow(sandbox->HostRoot('C')); }
};

} // namespace copytests

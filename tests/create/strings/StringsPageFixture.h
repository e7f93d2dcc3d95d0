#pragma once
// Include "ui_TfrmStatistic02.h" and "ui_Vol02StringsPage.h" before this header
// (the form headers are made for each test program from the .cpp files).
// A strings page of its own for each test, on a fake main window that records
// which tabs are enabled, with the program's windows (statistics, export, help)
// made as the program entry makes them and a drive sandbox with C: and D:.

#include "common/IllegalCharacters.h"
#include "create/strings/TfrmStatistic02.h"
#include "create/strings/Vol02StringsPage.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/MainWindowServices.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace createtests {

inline const std::vector<std::string> RunTabs = {"tabFolderCreate05",  "tabFolderCreate04",
                                                 "tabFolderCreate01",  "tabFoldersCopy02",
                                                 "tabFoldersRename01", "tabFoldersDelete01"};

class FakeMainWindow : public MainWindowServices {
public:
    FakeMainWindow() {
        texts_.CreateSimulationIntroText =
            "Simulation shows you the complete Folder Creation process \nwithout actually creating them on "
            "the "
            "hard drive.\n\nThis allows you to see the process in real time, eliminate errors or "
            "export\nResult "
            "Folder/File lists - all without compromising existing Folder Structures.\n";
        texts_.CreateSimulationEndText =
            "End of Simulation !!!\n\nNo actual Folders were Created because of Simulation.\nThe purpose of "
            "the "
            "Simulation is to show the Complete Folder creation process\n without actually creating them on "
            "the "
            "hard drive.\n\nIf You want to Create Folders, use the Create Folders button.";
    }
    void SetTabEnabled(const std::string& tabName, bool enabled) override { enabled_[tabName] = enabled; }
    void ShowTab(const std::string&) override {}
    const MainWindowTexts& Texts() const override { return texts_; }

    // The tabs currently disabled.
    std::set<std::string> Disabled() const {
        std::set<std::string> names;
        for (const auto& [name, enabled] : enabled_)
            if (!enabled)
                names.insert(name);
        return names;
    }

private:
    std::map<std::string, bool> enabled_;
    MainWindowTexts texts_;
};

// Notes, for every box, which tabs were disabled while it was up, and runs
// `whileBoxIsUp` (when set) before the box is answered.
class RecordingDesktop : public testsupport::ScriptedDesktop {
public:
    explicit RecordingDesktop(const FakeMainWindow& main) : main_(main) {}
    ui::Answer MessageBox(const ui::MessageBoxRequest& request) override {
        disabledDuringBox.push_back(main_.Disabled());
        if (whileBoxIsUp)
            whileBoxIsUp(request);
        return ScriptedDesktop::MessageBox(request);
    }
    std::vector<std::set<std::string>> disabledDuringBox;
    std::function<void(const ui::MessageBoxRequest&)> whileBoxIsUp;

private:
    const FakeMainWindow& main_;
};

class StringsPageTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        testsupport::ProgramWindowsFixture::SetUp();
        FillPathIllegalChars();
        FillNameIllegalChars();
        FillSubpathIllegalChars();
        sandbox = std::make_unique<testsupport::DriveSandbox>("CD");
        page = std::make_unique<Vol02StringsPage>(main);
        desktop = std::make_unique<RecordingDesktop>(main);
        controls().chkVol02ViewDestFolder->setChecked(false);
    }
    void TearDown() override {
        desktop.reset();
        page.reset();
        sandbox.reset();
    }

    Ui::Vol02StringsPage& controls() { return page->Controls(); }
    Ui::TfrmStatistic02& stat() { return frmStatistic02->Controls(); }

    void SetDestination(const std::string& folder) {
        int index = controls().cboVol02DestFolders->AddItem(folder);
        controls().cboVol02DestFolders->SetItemIndex(index);
    }
    void AddItems(const std::vector<std::string>& items) {
        for (const std::string& item : items)
            controls().lstVol02IncludeStrings->AddItem(item);
    }
    void AddStructure(const std::string& folder) { controls().lstVol02AddFolderStructure->AddItem(folder); }
    void Choose(QRadioButton* radio) { radio->setChecked(true); }
    void Click(QPushButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        button->click();
    }
    void Create() { Click(controls().btnVol02CreateFolders); }
    void Simulate() { Click(controls().btnVol02CreateFoldersSimulation); }
    void Undo() { Click(controls().btnVol02Undo); }
    // A run the person confirms (0025, Yes) and that ends with its end box
    // (0026) and no other.
    void CreateToTheEnd() {
        desktop->ExpectBox("0025", ui::Answer::Yes);
        desktop->ExpectBox("0026");
        Create();
    }
    // The same for a simulation: its question 0455, its end box 0457.
    void SimulateToTheEnd() {
        desktop->ExpectBox("0455", ui::Answer::Yes);
        desktop->ExpectBox("0457");
        Simulate();
    }

    std::string PageLabel(const std::string& name) {
        QLabel* label = page->findChild<QLabel*>(QString::fromStdString("lblVol02" + name));
        return label ? label->text().toStdString() : "<missing>";
    }
    std::string StatLabel(const std::string& name) {
        QLabel* label = frmStatistic02->findChild<QLabel*>(QString::fromStdString("lblStat02" + name));
        return label ? label->text().toStdString() : "<missing>";
    }
    static std::vector<std::string> Items(const std::deque<std::string>& list) {
        return {list.begin(), list.end()};
    }

    // Every path below the sandbox's drives, with the size of each file.
    std::map<std::string, long long> Tree() const {
        std::map<std::string, long long> tree;
        for (char letter : std::string("CD")) {
            std::filesystem::path root = sandbox->HostRoot(letter);
            for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
                std::string relative =
                    std::string(1, letter) + "/" + entry.path().lexically_relative(root).string();
                tree[relative] = entry.is_regular_file() ? static_cast<long long>(entry.file_size()) : -1;
            }
        }
        return tree;
    }

    FakeMainWindow main;
    std::unique_ptr<testsupport::DriveSandbox> sandbox;
    std::unique_ptr<Vol02StringsPage> page;
    std::unique_ptr<RecordingDesktop> desktop;
};

} // namespace createtests

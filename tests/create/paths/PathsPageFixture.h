#pragma once
// Include "ui_TfrmStatistic04.h" and "ui_Vol04PathsPage.h" before this header.
// A paths page of its own for each test, on a fake main window that records
// which tabs are enabled, with the program's windows made as the program
// entry makes them and a drive sandbox with C:, D: and E:.

#include "common/IllegalCharacters.h"
#include "create/paths/TfrmStatistic04.h"
#include "create/paths/Vol04PathsPage.h"
#include "platform/Drives.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/MainWindowServices.h"
#include "ui/ListBox.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace pathstests {

class FakeMainWindow : public MainWindowServices {
public:
    FakeMainWindow() {
        texts_.CreateSimulationIntroText = "simulation intro";
        texts_.CreateSimulationEndText = "simulation end";
    }
    void SetTabEnabled(const std::string& tabName, bool enabled) override { enabled_[tabName] = enabled; }
    void ShowTab(const std::string&) override {}
    const MainWindowTexts& Texts() const override { return texts_; }
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

class PathsPageTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        testsupport::ProgramWindowsFixture::SetUp();
        FillPathIllegalChars();
        FillNameIllegalChars();
        FillSubpathIllegalChars();
        sandbox = std::make_unique<testsupport::DriveSandbox>("CDE");
        page = std::make_unique<Vol04PathsPage>(main);
        desktop = std::make_unique<testsupport::ScriptedDesktop>();
        page->InitialiseAtStart();
    }
    void TearDown() override {
        for (char letter : std::string("CDE"))
            platform::SetFreeSpaceOverride(letter, std::nullopt);
        if (frmStatistic04)
            frmStatistic04->hide();
        desktop.reset();
        page.reset();
        sandbox.reset();
    }

    Ui::Vol04PathsPage& controls() { return page->Controls(); }
    Ui::TfrmStatistic04& stat() { return frmStatistic04->Controls(); }
    ui::ListBox& include() { return *controls().lstVol04IncludeFolderList; }
    ui::ListBox& exclude() { return *controls().lstVol04ExcludeFolderList; }

    void AddLines(const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            include().AddItem(line);
        page->RefreshAfterListChange();
    }
    void AddStructure(const std::string& folder) { controls().lstVol04AddFolderStructure->AddItem(folder); }
    // As a click does: the attach option's handler runs.
    void Choose(QRadioButton* radio) { radio->click(); }
    void Click(QPushButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        button->click();
    }
    void CreateToTheEnd() {
        desktop->ExpectBox("0061", ui::Answer::Yes);
        desktop->ExpectBox("0062");
        Click(controls().btnVol04CreateFolders);
    }
    void SimulateToTheEnd() {
        desktop->ExpectBox("0473", ui::Answer::Yes);
        desktop->ExpectBox("0475");
        Click(controls().btnVol04CreateFoldersSimulation);
    }
    std::string PageLabel(const std::string& name) {
        QLabel* label = page->findChild<QLabel*>(QString::fromStdString("lblVol04" + name));
        return label ? label->text().toStdString() : "<missing>";
    }
    static std::vector<std::string> Items(const std::deque<std::string>& list) {
        return {list.begin(), list.end()};
    }

    // Every path below the sandbox's drives, with the size of each file.
    std::map<std::string, long long> Tree() const {
        std::map<std::string, long long> tree;
        for (char letter : std::string("CDE")) {
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
    std::unique_ptr<Vol04PathsPage> page;
    std::unique_ptr<testsupport::ScriptedDesktop> desktop;
};

} // namespace pathstests

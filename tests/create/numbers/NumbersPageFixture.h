#pragma once
// Include "ui_TfrmStatistic03.h" and "ui_Vol03NumbersPage.h" before this header.
// A numbers page of its own for each test, on a fake main window that records
// which tabs are enabled, with the program's windows made as the program
// entry makes them and a drive sandbox with C: and D:.

#include "common/IllegalCharacters.h"
#include "create/numbers/TfrmStatistic03.h"
#include "create/numbers/Vol03NumbersPage.h"
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

namespace numberstests {

const std::string Title = "Creating Folder(s).-Increased Numbers.";
const std::string SimulationTitle = "Simulate Creating Folder(s).-Increased Numbers.";
using Lines = std::vector<std::string>;

class FakeMainWindow : public MainWindowServices {
public:
    FakeMainWindow() {
        texts_.CreateSimulationIntroText = "intro";
        texts_.CreateSimulationEndText = "end";
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

// Notes which tabs were disabled while each box was up, and runs
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

class NumbersPageTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        testsupport::ProgramWindowsFixture::SetUp();
        FillPathIllegalChars();
        FillNameIllegalChars();
        FillSubpathIllegalChars();
        sandbox = std::make_unique<testsupport::DriveSandbox>("CD");
        page = std::make_unique<Vol03NumbersPage>(main);
        desktop = std::make_unique<RecordingDesktop>(main);
        page->InitialiseAtStart();
        controls().chkVol03ViewDestFolder->setChecked(false);
        controls().chkVol03ViewDetailedResults->setChecked(false);
    }
    void TearDown() override {
        desktop.reset();
        page.reset();
        sandbox.reset();
        frmStatistic03->hide();
    }

    Ui::Vol03NumbersPage& controls() { return page->Controls(); }
    Ui::TfrmStatistic03& stat() { return frmStatistic03->Controls(); }

    // A destination chosen as the page offers it: its level summary, then the
    // page's controls on.
    void ChooseDestination(const std::string& folder) {
        sandbox->MakeFolder(folder);
        desktop->ExpectModal("frmLevelSummFolder");
        page->SetDestination(folder);
    }
    // Both boxes typed and left, as a person does.
    void SetRange(const std::string& start, const std::string& end) {
        controls().edtVol03StartNumber->setText(QString::fromStdString(start));
        page->edtVol03StartNumberExit();
        controls().edtVol03EndNumber->setText(QString::fromStdString(end));
        page->edtVol03EndNumberExit();
    }
    void AddStructure(const std::string& folder) {
        controls().lstVol03AddFolderStructure->AddItem(folder);
        page->UpdateCreateButtons(true);
    }
    void Choose(QRadioButton* radio) {
        radio->setChecked(true);
        page->UpdateCreateButtons(true);
    }
    void Click(QPushButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        button->click();
    }
    void CreateToTheEnd() {
        desktop->ExpectBox("0093", ui::Answer::Yes);
        desktop->ExpectBox("0094");
        Click(controls().btnVol03CreateFolders);
    }
    void SimulateToTheEnd() {
        desktop->ExpectBox("0465", ui::Answer::Yes);
        desktop->ExpectBox("0467");
        Click(controls().btnVol03CreateFoldersSimulation);
    }
    std::string PageLabel(const std::string& name) {
        QLabel* label = page->findChild<QLabel*>(QString::fromStdString("lblVol03" + name));
        return label ? label->text().toStdString() : "<missing>";
    }
    static Lines Items(const std::deque<std::string>& list) { return {list.begin(), list.end()}; }
    // The names of the folders inside a folder, sorted.
    std::set<std::string> Children(const std::string& folder) const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(sandbox->Host(folder)))
            names.insert(entry.path().filename().string());
        return names;
    }

    FakeMainWindow main;
    std::unique_ptr<testsupport::DriveSandbox> sandbox;
    std::unique_ptr<Vol03NumbersPage> page;
    std::unique_ptr<RecordingDesktop> desktop;
};

} // namespace numberstests

#pragma once
// Include "ui_TfrmStatistic06.h" and "ui_Vol06RenamePage.h" before this header.
// A rename page of its own for each test, shown as a test shows the page whose
// tab the window hides, on a fake main window with the simulation texts, the
// program's windows made as the program entry makes them and a drive sandbox
// with C: and D:.

#include "common/IllegalCharacters.h"
#include "manage/rename/TfrmStatistic06.h"
#include "manage/rename/Vol06RenamePage.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/MainWindowServices.h"
#include "ui/ListBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace renametests {

using Lines = std::vector<std::string>;

class FakeMainWindow : public MainWindowServices {
public:
    FakeMainWindow() {
        texts_.RenameSimulationIntroText =
            "Simulation shows you the complete Rename Folder process \nwithout "
            "actually Rename them on the hard drive.\n\n";
        texts_.RenameSimulationEndText =
            "End of Simulation !!!\n\nNo actual Folders were Renamed because of Simulation.\n\nThe purpose "
            "of the "
            "Simulation is to show the Complete Folder Renaming process\n without actually Renaming them on "
            "the "
            "hard drive.\n\nIf You want to Rename Folders, Use the Rename Folders button.";
    }
    void SetTabEnabled(const std::string& tabName, bool enabled) override {
        if (!enabled)
            disabledEver.insert(tabName);
    }
    void ShowTab(const std::string&) override {}
    const MainWindowTexts& Texts() const override { return texts_; }

    std::set<std::string> disabledEver;

private:
    MainWindowTexts texts_;
};

class RenamePageTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        testsupport::ProgramWindowsFixture::SetUp();
        FillPathIllegalChars();
        FillNameIllegalChars();
        FillSubpathIllegalChars();
        sandbox = std::make_unique<testsupport::DriveSandbox>("CD");
        desktop = std::make_unique<testsupport::ScriptedDesktop>();
        page = std::make_unique<Vol06RenamePage>(main);
        page->InitialiseAtStart();
        controls().chkVol06ShowDetailedResults->setChecked(false);
    }
    void TearDown() override {
        frmStatistic06->hide();
        page.reset();
        desktop.reset();
        sandbox.reset();
    }

    Ui::Vol06RenamePage& controls() { return page->Controls(); }
    Ui::TfrmStatistic06& stat() { return frmStatistic06->Controls(); }
    ui::ListBox& include() { return *controls().lstVol06IncludeFolderList; }
    ui::ListBox& exclude() { return *controls().lstVol06ExcludeFolderList; }

    void Click(QAbstractButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        button->click();
    }
    // Lines as the editor would leave them, then the page's refresh.
    void SetLines(const Lines& lines) {
        include().Clear();
        include().AddItems(lines);
        page->RefreshVol06Page();
    }
    void Type(QLineEdit* edit, const std::string& text) { edit->setText(QString::fromStdString(text)); }
    void RenameTheLastSubFolder(const std::string& newName) {
        Click(controls().rdoVol06RenameTheLastSubFolder);
        Type(controls().edtVol06RenameNewLastSubFolder, newName);
    }
    void Link(const std::string& link, const std::string& target) {
        std::filesystem::create_directory_symlink(sandbox->Host(target), sandbox->Host(link));
    }

    // The five counters as the page shows them, and as the visual log does.
    Lines PageCounters() {
        return {Text(controls().lblVol06FoldersToRename), Text(controls().lblVol06FoldersRenamed),
                Text(controls().lblVol06FoldersSourceNotExists),
                Text(controls().lblVol06FoldersDestinationExists),
                Text(controls().lblVol06FoldersOtherReasons)};
    }
    Lines WindowCounters() {
        return {Text(stat().lblStat06FoldersToRename), Text(stat().lblStat06FoldersRenamed),
                Text(stat().lblStat06FoldersSourceNotExists), Text(stat().lblStat06FoldersDestinationExists),
                Text(stat().lblStat06FoldersOtherReasons)};
    }
    static std::string Text(const QLabel* label) { return label->text().toStdString(); }

    // Every entry below the sandbox's D: drive; links are marked, not followed.
    std::map<std::string, std::string> Tree() const {
        std::map<std::string, std::string> tree;
        const std::filesystem::path root = sandbox->HostRoot('D');
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const std::string relative = entry.path().lexically_relative(root).string();
            tree[relative] = entry.is_symlink() ? "link" : entry.is_directory() ? "folder" : "file";
        }
        return tree;
    }

    FakeMainWindow main;
    std::unique_ptr<testsupport::DriveSandbox> sandbox;
    std::unique_ptr<testsupport::ScriptedDesktop> desktop;
    std::unique_ptr<Vol06RenamePage> page;
};

} // namespace renametests

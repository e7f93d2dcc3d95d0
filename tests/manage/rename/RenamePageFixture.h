#pragma once
// Include "ui_TfrmStatistic06.h" and "ui_Vol06RenamePage.h" before this header.
// A rename page of its own for each test, shown as a test shows the page whose
// tab the window hides, with a drive sandbox with C: and D:.

#include "manage/ManagePageFixture.h"
#include "manage/rename/TfrmStatistic06.h"
#include "manage/rename/Vol06RenamePage.h"
#include "ui/ListBox.h"

#include <QLineEdit>
#include <QRadioButton>

#include <filesystem>
#include <map>
#include <string>

namespace renametests {

using managetests::Lines;

class RenamePageTest : public managetests::ManagePageFixture<Vol06RenamePage> {
protected:
    void SetUp() override {
        ManagePageFixture::SetUp();
        main.texts.RenameSimulationIntroText = "rename simulation intro";
        main.texts.RenameSimulationEndText = "rename simulation end";
        MakePage({"Vol06", "CD", "RenameFolders", {"0206?", "0207"}, {"0208?", "0209"}, frmStatistic06});
        page->InitialiseAtStart();
        controls().chkVol06ShowDetailedResults->setChecked(false);
    }

    Ui::Vol06RenamePage& controls() { return page->Controls(); }
    Ui::TfrmStatistic06& stat() { return frmStatistic06->Controls(); }
    ui::ListBox& include() { return *controls().lstVol06IncludeFolderList; }
    ui::ListBox& exclude() { return *controls().lstVol06ExcludeFolderList; }

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
    void Simulate() { SimulateToTheEnd(); }
    void Rename() { RunToTheEnd(); }
    void Undo() { UndoToTheEnd({"0212?", "0214"}); }

    // The five counters as the page holds them.
    Lines Counters() const {
        return {std::to_string(int(page->Vol06FoldersToRename)),
                std::to_string(int(page->Vol06FoldersRenamed)),
                std::to_string(int(page->Vol06FoldersSourceNotExists)),
                std::to_string(int(page->Vol06FoldersDestinationExists)),
                std::to_string(int(page->Vol06FoldersOtherReasons))};
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
};

} // namespace renametests

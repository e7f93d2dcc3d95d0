#pragma once
// Builds a folder list from the levels of one source folder's tree. The
// person picks the source folder and sees how many subfolders each level
// holds, chooses a level rule (a range, above a level, below a level), whole
// paths or only the last subfolder of each branch, and a name filter; Build
// fills the Include list, from which folders move to and from the Exclude
// list, are edited as text, viewed or exported.
//
// The rename, delete and copy pages show the window modally and, when it
// closes with the OK result ("Import"), take `lstIncludeFolderList` in order.
// Created once at start; it keeps its lists between openings.

#include "ui/Form.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TfrmSubFolderListBuilder;
}
namespace ui {
class ListBox;
}

class TfrmSubFolderListBuilder : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmSubFolderListBuilder(QWidget* parent = nullptr);
    ~TfrmSubFolderListBuilder() override;

    Ui::TfrmSubFolderListBuilder& Controls() { return *ui_; }

    void FormCreate();

    // The source folder: browsed for, or picked from the combo's items. The
    // tree is scanned into the level table and the up-downs' bounds.
    void btnMainSourceFolderAddClick();
    void cboMainSourceFolderSelect();
    void ChooseSourceFolder(const std::string& folder);
    void btnMainSourceFolderViewClick();
    void btnIncludeFolderListViewClick();

    void rdoFromToLevelNumberClick();
    void rdoAboveLevelNumberClick();
    void rdoBelowLevelNumberClick();
    void edtFromLevelNumberExit();
    void edtToLevelNumberExit();

    void btnBuildListClick();

    void btnFromIncToExcClick();
    void btnFromExcToIncClick();
    void btnAllFromIncToExcClick();
    void btnAllFromExcToIncClick();
    void btnExchangeIncToExcClick();
    void btnDeleteFromExcludeListClick();
    void btnDeleteExcludedAllClick();

    void btnSmartExportClick();
    void btnEditIncludeListClick();
    void BitBtn1Click();
    void BitBtn2Click();

    // The deepest level below the scanned source folder, at least 1: the
    // highest level the up-downs offer.
    uint32_t DeepestLevel() const { return deepestLevel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class LevelRule { Range, Above, Below };
    struct LevelChoice {
        LevelRule rule = LevelRule::Range;
        int32_t first = 1; // From, Above or Below, as typed
        int32_t last = 1;  // To of a range
    };

    void ConnectHandlers();
    // The checked rule with its numbers; throws the framework's conversion
    // error for a text that is no whole number.
    LevelChoice ReadLevelChoice() const;
    void SetLevelRule(LevelRule rule);
    // Scans the source folder into the level table and the arrows' bounds.
    void ScanSourceFolder(const std::string& root);
    // Scans the folder the box shows when it is not the one scanned last.
    void FollowFolderInTheBox();
    void SetUpDownBounds(uint32_t deepest);
    // Opens the folder in the shell when it is one; says so otherwise.
    void ViewFolder(const std::string& folder);
    void ShowListCounts();
    void MoveRows(ui::ListBox& from, ui::ListBox& to, const std::vector<int>& rows);

    std::unique_ptr<Ui::TfrmSubFolderListBuilder> ui_;
    uint32_t deepestLevel_ = 1;
    std::string scannedFolderKey_; // FolderKey of the folder last scanned
    // Build and the moves let pending input run; a second start meanwhile is ignored.
    bool busy_ = false;
};

extern TfrmSubFolderListBuilder* frmSubFolderListBuilder;

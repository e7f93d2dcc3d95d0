#pragma once
// The level list builder of the rename, delete and copy pages: the person picks
// a root folder, a level or a range of levels below it (or the levels above or
// below one), an optional filter on the folders' own names and whether only the
// last subfolder of a branch or every one is wanted; "Build a List" adds the
// matching subfolders to the page's Include list. The builder also holds the
// three method radios that choose how the Include list is filled.
//
// Each page owns one builder and hands it its own controls, lists, messages and
// the few rules in which the pages differ; the behaviour is the same for all.

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;
namespace ui {
class ComboBox;
class ListBox;
} // namespace ui

// The builder's controls on one page (Vol06..., Vol07..., Vol08...).
struct LevelBuilderControls {
    // How the Include list is filled: by the builder, by import, by hand.
    QRadioButton* makeListSelector = nullptr;
    QRadioButton* makeListImport = nullptr;
    QRadioButton* addToListManually = nullptr;
    // The list-filling buttons the method radios switch.
    QPushButton* smartImport = nullptr;
    QPushButton* addFolderToList = nullptr;

    // The root folder.
    QLabel* rootLabel = nullptr;
    ui::ComboBox* rootFolder = nullptr;
    QPushButton* browse = nullptr;
    QPushButton* view = nullptr;

    // The filter on the selected folders' own names.
    QLabel* filterLabel = nullptr;
    QLineEdit* filter = nullptr;

    // The levels. Each up-down is a ui::UpDown, or a widget holding two tool
    // buttons, up first.
    QGroupBox* levelGroup = nullptr;
    QLabel* levelLabel = nullptr;
    QRadioButton* fromTo = nullptr;
    QRadioButton* above = nullptr;
    QRadioButton* below = nullptr;
    QLineEdit* fromLevel = nullptr;
    QWidget* fromUpDown = nullptr;
    QLabel* toLabel = nullptr;
    QLineEdit* toLevel = nullptr;
    QWidget* toUpDown = nullptr;
    QLineEdit* aboveLevel = nullptr;
    QWidget* aboveUpDown = nullptr;
    QLineEdit* belowLevel = nullptr;
    QWidget* belowUpDown = nullptr;

    // Only the last subfolder of each branch, or every one in the path.
    QRadioButton* lastSubFolder = nullptr;
    QRadioButton* allSubFolders = nullptr;

    QPushButton* makeList = nullptr;
};

struct LevelBuilderBox {
    std::string caption;
    std::string text;
};

// The page's own warnings (all with the warning icon and OK).
struct LevelBuilderMessages {
    LevelBuilderBox rootEmpty;      // a root chosen or browsed for is empty
    LevelBuilderBox viewEmpty;      // View without a root folder that exists
    LevelBuilderBox buildRootEmpty; // Build a List without a root
    LevelBuilderBox noResults;      // no folder matched
    LevelBuilderBox noDrivePart;    // a result without a drive part (one box each)
    LevelBuilderBox levelsReversed; // the From level is greater than the To level
};

// What the builder needs of its page.
struct LevelBuilderPage {
    QWidget* owner = nullptr; // owner of the boxes
    ui::ListBox* include = nullptr;
    ui::ListBox* exclude = nullptr;
    QLabel* includeSum = nullptr;
    QProgressBar* progressBar = nullptr;
    // The page's refresh, after every build.
    std::function<void()> refresh;
    LevelBuilderMessages messages;

    // Differences between the pages; none is needed by the rename page.
    // A result the page refuses before its drive part is looked at (showing
    // its own box); true refuses it.
    std::function<bool(const std::string&)> refuseBeforeDriveCheck;
    // A result with a drive part the page may still refuse (showing its own
    // box); false refuses it.
    std::function<bool(const std::string&)> acceptWithDrive;
    // Runs with the chosen path before it becomes the root (a summary of it).
    std::function<void(const std::string&)> beforeRootSelected;
    // Build a List with a root that is no folder has no input folder to
    // select below: the copy page says so with a box of its own; the others
    // report it as giving no result.
    std::optional<LevelBuilderBox> noInputFolder;
    // The delete page offers its import button exactly while the root
    // controls are off.
    bool smartImportFollowsRoot = false;
    // Which up-downs (From, To, Above, Below) wrap around at their ends.
    std::array<bool, 4> upDownWraps{};
};

class LevelListBuilder {
public:
    // The up-downs count from 1 to this.
    static constexpr int MaxLevel = 100;

    LevelListBuilder(const LevelBuilderControls& controls, LevelBuilderPage page);

    // Connects the controls to the handlers below, for as long as `context` lives.
    void Connect(QWidget* context);

    void EnableLevelRootControls(bool enabled);
    void EnableLevelNumberControls(bool enabled);

    // Method radios.
    void rdoMakeListSelectorClick();
    void rdoMakeListImportClick();
    void rdoAddToListManuallyClick();

    // Level radios.
    void rdoSLNFromToClick();
    void rdoSLNAboveClick();
    void rdoSLNBelowClick();

    void SelectLevelRootFolder(const std::string& path);
    void cboLevelDestFolderSelect();
    void btnAddDestFolderClick();
    void btnViewDestFolderClick();
    void btnMakeListClick();

    // The builder as Clear Fields leaves it: level builder chosen, no root,
    // no filter, From-To with every level "1", root controls on and level
    // controls off.
    void ResetToStart();

    // An up-down's step: `which` is 0 From, 1 To, 2 Above, 3 Below.
    void StepLevel(int which, int step);

private:
    enum class LevelMode { FromTo, Above, Below };
    void ApplyLevelMode(LevelMode mode);
    void AddResults(const std::deque<std::string>& results);

    LevelBuilderControls c_;
    LevelBuilderPage page_;
    bool building_ = false;
};

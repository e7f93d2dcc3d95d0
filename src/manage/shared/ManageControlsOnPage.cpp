#include "manage/shared/ManageControlsOnPage.h"

#include "tools/ControlOnForm.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

LevelBuilderControls LevelBuilderControlsOnPage(QWidget& page, const std::string& code,
                                                QPushButton* addFolderToList) {
    const auto radio = [&](const char* name) { return FindControl<QRadioButton>(page, "rdo" + code + name); };
    const auto button = [&](const char* name) { return FindControl<QPushButton>(page, "btn" + code + name); };
    const auto label = [&](const char* name) { return FindControl<QLabel>(page, "lbl" + code + name); };
    const auto edit = [&](const char* name) { return FindControl<QLineEdit>(page, "edt" + code + name); };
    const auto upDown = [&](const char* name) { return FindControl<QWidget>(page, "ud" + code + name); };
    LevelBuilderControls c;
    c.makeListSelector = radio("MakeListSelector");
    c.makeListImport = radio("MakeListImport");
    c.addToListManually = radio("AddToListManually");
    c.smartImport = button("SmartImport");
    c.addFolderToList = addFolderToList;
    c.rootLabel = label("DestFolderName");
    c.rootFolder = FindControl<ui::ComboBox>(page, "cbo" + code + "LevelDestFolder");
    c.browse = button("AddDestFolder");
    c.view = button("ViewDestFolder");
    c.filterLabel = label("SubFolderFilter");
    c.filter = edit("SubFolderFilter");
    c.levelGroup = FindControl<QGroupBox>(page, "grp" + code + "LevelNumber");
    c.levelLabel = label("LevelNumber");
    c.fromTo = radio("SLNFromTo");
    c.above = radio("SLNAbove");
    c.below = radio("SLNBelow");
    c.fromLevel = edit("FromLevelNumber");
    c.fromUpDown = upDown("FromLevelNumber");
    c.toLabel = label("SLNTo");
    c.toLevel = edit("ToLevelNumber");
    c.toUpDown = upDown("ToLevelNumber");
    c.aboveLevel = edit("AboveLevelNumber");
    c.aboveUpDown = upDown("AboveLevelNumber");
    c.belowLevel = edit("BelowLevelNumber");
    c.belowUpDown = upDown("BelowLevelNumber");
    c.lastSubFolder = radio("GenLastSubFolder");
    c.allSubFolders = radio("GenAllSubFolders");
    c.makeList = button("MakeList");
    return c;
}

ManageListControls ManageListControlsOnPage(QWidget& page, const std::string& code,
                                            QPushButton* addFolderToList, const bool* busy) {
    const auto list = [&](const char* name) { return FindControl<ui::ListBox>(page, "lst" + code + name); };
    const auto label = [&](const char* name) { return FindControl<QLabel>(page, "lbl" + code + name); };
    const auto button = [&](const char* name) { return FindControl<QPushButton>(page, "btn" + code + name); };
    ManageListControls c;
    c.page = &page;
    c.busy = busy;
    c.include = list("IncludeFolderList");
    c.exclude = list("ExcludeFolderList");
    c.includeSum = label("IncludeSum");
    c.excludeSum = label("ExcludeSum");
    c.progressBar = FindControl<QProgressBar>(page, "pb" + code + "ProgressBar");
    c.addFolderToList = addFolderToList;
    c.deleteExcludeAll = button("DeleteExcludeAll");
    c.smartExport = button("SmartExport");
    return c;
}

IncludeListEditorControls IncludeListEditorControlsOnForm(QWidget& editor, const std::string& code,
                                                          QAbstractButton* cancel) {
    const auto button = [&](const char* name) {
        return FindControl<QAbstractButton>(editor, "btn" + code + name);
    };
    return {FindControl<QPlainTextEdit>(editor, "mmo" + code + "EditIncludeList"),
            FindControl<QLabel>(editor, "lbl" + code + "EditLinesSum"), button("EditIncludeListOk"), cancel,
            button("EditIncludeListHelp")};
}

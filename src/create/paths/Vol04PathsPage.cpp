#include "create/paths/Vol04PathsPage.h"

#include "create/paths/TfrmStatistic04.h"
#include "tools/TfrmExamplesCreateFolders.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol04PathsPage.h"

#include <QLabel>

Vol04PathsPage::Vol04PathsPage(MainWindowServices& mainWindow, QWidget* parent)
    : WindowWithForm(mainWindow, parent, Texts()) {
    BindCreationControls("Vol04", "Stat04", [] { return frmStatistic04; });
    // An existing folder gets nothing attached, so it carries no load.
    stepSettings_.chargeOther = true;
    stepSettings_.filesOfNewestFolderOnly = true;
    structureWays_.judgeButtonsAfterEmpty = true;
    structureWays_.focusListAfterAdd = true;
    BindIncludeExcludeLists(*ui_->lstVol04IncludeFolderList, *ui_->lstVol04ExcludeFolderList);
}

Vol04PathsPage::~Vol04PathsPage() = default;

void Vol04PathsPage::SetNameControlsEnabled(bool enabled) {
    // The list controls are never disabled: a line is all the page needs.
    SetCommonControlsEnabled(enabled);
    ui_->btnVol04Statistics->setEnabled(enabled);
    // With "Attach Nothing." the structure controls stay off, as its click left them.
    if (enabled)
        EnableStructureControls();
    UpdateCreateButtons(enabled);
}

void Vol04PathsPage::btnVol04ExamplesClick() {
    ui::desktop().ShowModal(*frmExamplesCreateFolders);
}

#include "create/numbers/Vol03NumbersPage.h"

#include "create/numbers/TfrmStatistic03.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_Vol03NumbersPage.h"

Vol03NumbersPage::Vol03NumbersPage(MainWindowServices& mainWindow, QWidget* parent)
    : WindowWithForm(mainWindow, parent, Texts()) {
    BindCreationControls("Vol03", "Stat03", [] { return frmStatistic03; });
    planFoldersBeforeCheck_ = true;
    stepSettings_.filesOfNewestFolderOnly = true;
    structureWays_.judgeButtonsAfterEmpty = true;
    structureWays_.focusListAfterAdd = true;
    structureWays_.focusListAfterEmpty = true;
    structureWays_.focusAfterRemove = ui_->btnVol03RemoveFolderStructure;
    ConnectFields();
}

Vol03NumbersPage::~Vol03NumbersPage() = default;

std::string Vol03NumbersPage::NumberText(int64_t number) const {
    std::string digits = std::to_string(number < 0 ? -number : number);
    if (ui_->chkVol03PaddedZeroes->isChecked() && digits.size() < static_cast<size_t>(NumberWidth))
        digits.insert(0, static_cast<size_t>(NumberWidth) - digits.size(), '0');
    return digits;
}

void Vol03NumbersPage::SetNameControlsEnabled(bool enabled) {
    SetCommonControlsEnabled(enabled);
    // lblVol03Total and lblVol03Results are statistics labels as well.
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->btnVol03ViewDestFolder, ui_->lblVol03StartNumber, ui_->edtVol03StartNumber,
             ui_->lblVol03EndNumber, ui_->edtVol03EndNumber, ui_->chkVol03PaddedZeroes,
             ui_->lblVol03ShowResults, ui_->chkVol03ViewDestFolder, ui_->btnVol03Statistics})
        control->setEnabled(enabled);
    EnableStructureControls();
    UpdateCreateButtons(enabled);
}

void Vol03NumbersPage::InitialiseAtStart() {
    ResetCountersAndPreview();
    ui_->edtVol03StartNumber->setText("1");
    ui_->edtVol03EndNumber->setText("1");
    // The destination list holds the folders chosen so far and nothing else:
    // an empty entry would be a destination the person could pick.
    ui_->cboVol03DestFolders->SetItemIndex(-1);
    SetNameControlsEnabled(false);
}

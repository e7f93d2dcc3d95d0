// The increased-numbers page's fields: the number boxes and their exit rules,
// the preview of the first and last folder, padding, the destination, Clear
// Fields, help and examples; also where the handlers of these are connected
// (prefix, suffix and Hyphen, the structures and attach options are its
// base's).

#include "create/numbers/Vol03NumbersPage.h"

#include "common/FrameworkText.h"
#include "tools/TfrmExamplesIncreasedNumbers.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_Vol03NumbersPage.h"

#include <QSignalBlocker>

namespace {

const std::string Title = "Creating Folder(s).-Increased Numbers.";

} // namespace

void Vol03NumbersPage::ConnectFields() {
    ui::Connect(ui_->edtVol03StartNumber, &QLineEdit::editingFinished, this,
                [this] { edtVol03StartNumberExit(); });
    ui::Connect(ui_->edtVol03EndNumber, &QLineEdit::editingFinished, this,
                [this] { edtVol03EndNumberExit(); });
    ui::Connect(ui_->chkVol03PaddedZeroes, &QCheckBox::toggled, this,
                [this] { chkVol03PaddedZeroesClick(); });
}

double Vol03NumbersPage::PlannedFolders() const {
    return static_cast<double>(RangeCount());
}

void Vol03NumbersPage::ApplyExitRules(bool leavingStart) {
    QLineEdit& startBox = *ui_->edtVol03StartNumber;
    QLineEdit& endBox = *ui_->edtVol03EndNumber;
    std::optional<int32_t> start = BoxNumber(startBox);
    if (start) {
        StartNumber = *start;
    } else {
        startBox.setText("1");
        StartNumber = 1;
        (leavingStart ? endBox : startBox).setFocus();
    }
    std::optional<int32_t> end = BoxNumber(endBox);
    if (end) {
        EndNumber = *end;
    } else {
        EndNumber = StartNumber;
        endBox.setText(QString::number(EndNumber));
        endBox.setFocus();
    }
    if (leavingStart && StartNumber < 1) {
        StartNumber = 1;
        startBox.setText("1");
    }
    if (!leavingStart && EndNumber < 1) {
        EndNumber = 1;
        endBox.setText("1");
    }
}

void Vol03NumbersPage::NumberBoxLeft(bool leavingStart) {
    // A box shown meanwhile takes the focus: it must not run the rules a
    // second time inside the first.
    if (checkingField_ || runInProgress_)
        return;
    checkingField_ = true;
    ApplyExitRules(leavingStart);
    UpdateNumberPreview();
    UpdateCreateButtons(true);
    Replan();
    checkingField_ = false;
}

void Vol03NumbersPage::UpdateNumberPreview() {
    StartNumber = BoxNumber(*ui_->edtVol03StartNumber).value_or(StartNumber);
    EndNumber = BoxNumber(*ui_->edtVol03EndNumber).value_or(EndNumber);
    NumberWidth = static_cast<int>(std::to_string(EndNumber).size());
    // Until a destination has been chosen there is no folder to show.
    if (Trim(ui_->cboVol03DestFolders->Text()).empty()) {
        ClearPreview();
        return;
    }
    const _tagVol0XParts parts = BuildNameParts();
    ui_->lblVol03StartFolder->setText(QString::fromStdString(parts.NameOf(NumberText(StartNumber))));
    ui_->lblVol03EndFolder->setText(QString::fromStdString(parts.NameOf(NumberText(EndNumber))));
}

void Vol03NumbersPage::SetDestination(const std::string& path) {
    ui::ComboBox& destinations = *ui_->cboVol03DestFolders;
    if (Trim(path).empty()) {
        SetNameControlsEnabled(false);
        UpdateCreateButtons(false);
        ui::ShowBox(this, Title + "\t\t\tWarning no: 0077.",
                    "The selection field is empty !\nAction : You must select a destination folder.",
                    ui::Icon::Warning);
        destinations.setFocus();
        return;
    }
    KeepDestination(path);
    SetNameControlsEnabled(true);
    UpdateNumberPreview();
    UpdateCreateButtons(true);
}

void Vol03NumbersPage::ClearOwnFields() {
    ui_->edtVol03StartNumber->setText("1");
    ui_->edtVol03EndNumber->setText("1");
    // Nothing is left to undo, the separately recorded files included.
    walk_.CreatedFilesList.clear();
}

void Vol03NumbersPage::btnVol03ExamplesClick() {
    ui::desktop().ShowModal(*frmExamplesIncreasedNumbers);
}

void Vol03NumbersPage::btnVol03AcceptAllSettingsClick() {
    ui_->btnVol03CreateFolders->setFocus();
}

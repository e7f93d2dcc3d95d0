#include "tools/TfrmDriveSelect.h"

#include "common/BrowseFolder.h"
#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "platform/Drives.h"
#include "tools/ExampleSamples.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmDriveSelect.h"

TfrmDriveSelect* frmDriveSelect = nullptr;

TfrmDriveSelect::TfrmDriveSelect(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmDriveSelect>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->rdoExCRStringsAttachNothing, [this] { rdoExCRStringsAttachNothingClick(); });
    ui::OnClicked(ui_->rdoExCrStringsAttachMainFolders, [this] { rdoExCrStringsAttachMainFoldersClick(); });
    ui::OnClicked(ui_->rdoExCrStringsAttachSubFoldersOnly,
                  [this] { rdoExCrStringsAttachSubFoldersOnlyClick(); });
    ui::Connect(ui_->cboADSCustomFolderDriveLetter, &QComboBox::activated, this,
                [this] { cboADSCustomFolderDriveLetterChange(); });
    ui::OnClicked(ui_->rdoADSCompleteFolder, [this] { rdoADSCompleteFolderClick(); });
    ui::OnClicked(ui_->rdoADSCustomFolder, [this] { rdoADSCustomFolderClick(); });
    ui::Connect(ui_->cboADSCompleteFolder, &QComboBox::activated, this,
                [this] { cboADSCompleteFolderSelect(); });
    ui::OnClicked(ui_->btnADSCompleteFolderBrowse, [this] { btnADSCompleteFolderBrowseClick(); });
    ui::OnClicked(ui_->btnADSOK, [this] { btnADSOKClick(); });
    ui::OnClicked(ui_->btnADSCancel, [this] { btnADSCancelClick(); });
    ui::OnClicked(ui_->btnADSClose, [this] { SetModalResult(ui::Answer::Cancel); });
    FormCreate();
}

TfrmDriveSelect::~TfrmDriveSelect() = default;

void TfrmDriveSelect::FormCreate() {
    ui_->edtADSCustomFolderFolder->setText("f:\\Clients");
    ShowExampleList(*ui_->lstADSStringList, {"Customer1", "Customer2", "Customer3"});
    ui_->edtADSPrefix->setText("2012");
    ui_->edtADSSuffix->setText("June");
    ShowExampleList(*ui_->lstExamplesCreateStringsFolderStructures, SampleMainStructures());
    // This window's sample spells the first subfolder without the hyphen.
    ShowExampleList(
        *ui_->lstExamplesCreateStringsSubFolderStructures,
        {"e:\\Marketing\\Emails", "e:\\Marketing\\SEO", "f:\\Programs\\Beta", "f:\\Programs\\Final"});
    ui_->lstADSFileList->Clear();

    // The hidden drive choice offers the drives that are present.
    ui_->cboADSCustomFolderDriveLetter->Clear();
    const std::string drives = platform::GetLogicalDriveStringsA();
    for (size_t start = 0; start < drives.size();) {
        const size_t end = drives.find('\0', start);
        const std::string root =
            drives.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (root.size() >= 2)
            ui_->cboADSCustomFolderDriveLetter->AddItem(AnsiLowerCase(root.substr(0, 2)));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    ui_->cboADSCompleteFolder->Clear();
    SetCustomFolderControlsEnabled(ui_->rdoADSCustomFolder->isChecked());

    for (ui::ListBox* list :
         {ui_->lstADSStringList, ui_->lstExamplesCreateStringsFolderStructures,
          ui_->lstExamplesCreateStringsSubFolderStructures, ui_->lstADSPreview, ui_->lstADSFileList})
        list->SetHorizontalExtent(3000);
    rdoExCRStringsAttachNothingClick();
}

std::vector<std::string> TfrmDriveSelect::Targets() const {
    const std::string destination =
        IncludeTrailingPathDelimiter(Trim(ui_->edtADSCustomFolderFolder->text().toStdString()));
    const std::string prefix = ui_->edtADSPrefix->text().toStdString();
    const std::string suffix = ui_->edtADSSuffix->text().toStdString();
    std::vector<std::string> targets;
    for (const std::string& item : ui_->lstADSStringList->Items())
        targets.push_back(destination + DecorateExampleName(prefix, item, suffix));
    return targets;
}

void TfrmDriveSelect::ShowPreview(ExampleAttach option) {
    ShowExampleList(
        *ui_->lstADSPreview,
        AttachPreview(Targets(), ui_->lstExamplesCreateStringsSubFolderStructures->Items(), option));
}

void TfrmDriveSelect::rdoExCRStringsAttachNothingClick() {
    ShowPreview(ExampleAttach::Nothing);
}

void TfrmDriveSelect::rdoExCrStringsAttachMainFoldersClick() {
    ShowPreview(ExampleAttach::MainFolders);
}

void TfrmDriveSelect::rdoExCrStringsAttachSubFoldersOnlyClick() {
    ShowPreview(ExampleAttach::SubFoldersOnly);
}

void TfrmDriveSelect::cboADSCustomFolderDriveLetterChange() {
    const std::string drive = ui_->cboADSCustomFolderDriveLetter->Text();
    for (ui::ListBox* list : {ui_->lstExamplesCreateStringsFolderStructures,
                              ui_->lstExamplesCreateStringsSubFolderStructures, ui_->lstADSFileList})
        ShowExampleList(*list, MoveOntoDrive(list->Items(), drive));
}

void TfrmDriveSelect::SetCustomFolderControlsEnabled(bool enabled) {
    ui_->cboADSCompleteFolder->setEnabled(!enabled);
    ui_->btnADSCompleteFolderBrowse->setEnabled(!enabled);
    ui_->lblADSCustomFolderDriveLetter->setEnabled(enabled);
    ui_->cboADSCustomFolderDriveLetter->setEnabled(enabled);
    ui_->lblADSCustomFolderFolder->setEnabled(enabled);
    ui_->edtADSCustomFolderFolder->setEnabled(enabled);
}

void TfrmDriveSelect::rdoADSCompleteFolderClick() {
    SetCustomFolderControlsEnabled(false);
}

void TfrmDriveSelect::rdoADSCustomFolderClick() {
    SetCustomFolderControlsEnabled(true);
}

void TfrmDriveSelect::cboADSCompleteFolderSelect() {
    ChooseCompleteFolder(ui_->cboADSCompleteFolder->Text());
}

void TfrmDriveSelect::btnADSCompleteFolderBrowseClick() {
    ChooseCompleteFolder(BrowseForFolder(this, "Select the Destination Directory."));
}

void TfrmDriveSelect::ChooseCompleteFolder(const std::string& folder) {
    ui::ComboBox& combo = *ui_->cboADSCompleteFolder;
    if (Trim(folder).empty()) {
        ui::ShowBox(this, "Creating Folder(s).-From a String List.            Warning no: 0001.",
                    "The selection field is empty !\nAction : You must select a Destination Folder.",
                    ui::Icon::Warning);
        combo.setFocus();
        return;
    }
    int index = combo.IndexOf(folder);
    if (index < 0)
        index = combo.AddItem(folder);
    combo.SetItemIndex(index);
}

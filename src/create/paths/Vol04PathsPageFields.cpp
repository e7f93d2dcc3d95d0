// The paths page's fields: prefix, suffix and Hyphen, the attach structures
// and options, help and examples, and the page's state at start-up; also
// where every handler of the page's lists and fields is connected.

#include "create/paths/Vol04PathsPage.h"

#include "common/FileHelpers.h"
#include "common/FrameworkText.h"
#include "common/IllegalCharacters.h"
#include "create/engine/NameFieldChecks.h"
#include "tools/TfrmExamplesCreateFolders.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ShellOpening.h"

#include "ui_Vol04PathsPage.h"

namespace {

const std::string Title = "Creating Folder(s).-From a Folder List.            ";

} // namespace

void Vol04PathsPage::ConnectListsAndFields() {
    ui::Connect(ui_->edtVol04AddToList, &QLineEdit::returnPressed, this,
                [this] { edtVol04AddToListKeyPress(); });
    ui::Connect(ui_->edtVol04Prefix, &QLineEdit::textChanged, this, [this] { edtVol04PrefixChange(); });
    ui::Connect(ui_->edtVol04Prefix, &QLineEdit::editingFinished, this, [this] { edtVol04PrefixExit(); });
    ui::Connect(ui_->edtVol04Suffix, &QLineEdit::textChanged, this, [this] { edtVol04SuffixChange(); });
    ui::Connect(ui_->edtVol04Suffix, &QLineEdit::editingFinished, this, [this] { edtVol04SuffixExit(); });
    ui::Connect(ui_->chkVol04Hyphen, &QCheckBox::toggled, this, [this] { chkVol04HyphenClick(); });
}

void Vol04PathsPage::InitialiseAtStart() {
    ResetAllCounters();
    RefreshResultLabels();
    ui_->lblVol04StartFolder->clear();
    ui_->lblVol04EndFolder->clear();
    SetPageControlsEnabled(false);
    ui_->lblVol04IncludeSum->setText("0");
    ui_->lblVol04ExcludeSum->setText("0");
    for (ui::ListBox* list :
         {ui_->lstVol04IncludeFolderList, ui_->lstVol04ExcludeFolderList, ui_->lstVol04AddFolderStructure})
        list->SetHorizontalExtent(3000);
}

void Vol04PathsPage::edtVol04PrefixChange() {
    CheckNameField(this, checkingNamePart_, runInProgress_, *ui_->edtVol04Prefix, Title + "Warning no: 0054.",
                   "Illegal character in the Prefix : ", [this] { UpdateVol04Preview(); });
}

void Vol04PathsPage::edtVol04SuffixChange() {
    CheckNameField(this, checkingNamePart_, runInProgress_, *ui_->edtVol04Suffix, Title + "Warning no: 0055.",
                   "Illegal character in the Suffix : ", [this] { UpdateVol04Preview(); });
}

void Vol04PathsPage::btnVol04ExamplesClick() {
    ui::desktop().ShowModal(*frmExamplesCreateFolders);
}

#include "tools/TfrmDelimiters.h"

#include "common/SettingLists.h"
#include "tools/TfrmFileExport.h"
#include "tools/TfrmFileImport.h"
#include "ui/ActivationWatcher.h"
#include "ui/Guard.h"

#include "ui_TfrmDelimiters.h"

TfrmDelimiters* frmDelimiters = nullptr;

TfrmDelimiters::TfrmDelimiters(QWidget* parent)
    : SymbolListWindow(parent), ui_(std::make_unique<Ui::TfrmDelimiters>()) {
    ui_->setupUi(this);
    Attach({ui_->lstDelimitersIncluded, ui_->lstDelimitersExcluded, ui_->edtDelimitersAdd},
           {"Delimiters.", "Managing Delimiters.", "Delimiters"},
           {GetSeparatorList, ClearSeparatorList, AddToSeparatorList, [] {
                if (frmFileImport)
                    frmFileImport->RefillDelimiterChoices();
                if (frmFileExport)
                    frmFileExport->RefillDelimiterChoices();
            }});
    ui::OnClicked(ui_->btnDelimitersAdd, [this] { btnDelimitersAddClick(); });
    ui::OnClicked(ui_->btnDelimitersIncToExc, [this] { btnDelimitersIncToExcClick(); });
    ui::OnClicked(ui_->btnDelimitersExcToInc, [this] { btnDelimitersExcToIncClick(); });
    ui::OnClicked(ui_->btnDelimitersAllFromInc, [this] { btnDelimitersAllFromIncClick(); });
    ui::OnClicked(ui_->btnDelimitersAllFromExc, [this] { btnDelimitersAllFromExcClick(); });
    ui::OnClicked(ui_->btnDelimitersExchangeIncExc, [this] { btnDelimitersExchangeIncExcClick(); });
    ui::OnClicked(ui_->btnDelimitersDelete, [this] { btnDelimitersDeleteClick(); });
    ui::OnClicked(ui_->btnDelimitersRemoveAll, [this] { btnDelimitersRemoveAllClick(); });
    ui::OnClicked(ui_->btnDelimitersSetDefaults, [this] { btnDelimitersSetDefaultsClick(); });
    ui::OnClicked(ui_->btnDelimitersClose, [this] { btnDelimitersCloseClick(); });
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    FormCreate();
}

TfrmDelimiters::~TfrmDelimiters() = default;

void TfrmDelimiters::FormCreate() {
    CreateItems();
}

void TfrmDelimiters::LoadDelimiters() {
    LoadItems();
}

void TfrmDelimiters::btnDelimitersAddClick() {
    AddEntry();
}

void TfrmDelimiters::edtDelimitersAddKeyPress(char& key) {
    if (key == 13)
        btnDelimitersAddClick();
}

void TfrmDelimiters::btnDelimitersIncToExcClick() {
    MoveSelectedToExcluded();
}

void TfrmDelimiters::btnDelimitersExcToIncClick() {
    MoveSelectedToIncluded();
}

void TfrmDelimiters::btnDelimitersAllFromIncClick() {
    MoveAllToExcluded();
}

void TfrmDelimiters::btnDelimitersAllFromExcClick() {
    MoveAllToIncluded();
}

void TfrmDelimiters::btnDelimitersExchangeIncExcClick() {
    ExchangeLists();
}

void TfrmDelimiters::btnDelimitersDeleteClick() {
    DeleteSelectedExcluded();
}

void TfrmDelimiters::btnDelimitersRemoveAllClick() {
    RemoveAllExcluded();
}

void TfrmDelimiters::btnDelimitersSetDefaultsClick() {
    SetDefaults();
}

void TfrmDelimiters::btnDelimitersCloseClick() {
    StoreAndClose();
}

#include "tools/TfrmQuotationMarks.h"

#include "common/SettingLists.h"
#include "tools/TfrmFileImport.h"
#include "ui/ActivationWatcher.h"
#include "ui/Guard.h"

#include "ui_TfrmQuotationMarks.h"

TfrmQuotationMarks* frmQuotationMarks = nullptr;

TfrmQuotationMarks::TfrmQuotationMarks(QWidget* parent)
    : SymbolListWindow(parent), ui_(std::make_unique<Ui::TfrmQuotationMarks>()) {
    ui_->setupUi(this);
    Attach({ui_->lstQuotationMarksIncluded, ui_->lstQuotationMarksExcluded, ui_->edtQuotationMarksAdd},
           {"QuotationMarks.", "Managing QuotationMarks.", "QuotationMarks"},
           {GetQuotationMarkList, ClearQuotationMarkList, AddToQuotationMarkList, [] {
                if (frmFileImport)
                    frmFileImport->RefillQuotationMarkChoices();
            }});
    ui::OnClicked(ui_->btnQuotationMarksAdd, [this] { btnQuotationMarksAddClick(); });
    ui::OnClicked(ui_->btnQuotationMarksIncToExc, [this] { btnQuotationMarksIncToExcClick(); });
    ui::OnClicked(ui_->btnQuotationMarksExcToInc, [this] { btnQuotationMarksExcToIncClick(); });
    ui::OnClicked(ui_->btnQuotationMarksAllFromInc, [this] { btnQuotationMarksAllFromIncClick(); });
    ui::OnClicked(ui_->btnQuotationMarksAllFromExc, [this] { btnQuotationMarksAllFromExcClick(); });
    ui::OnClicked(ui_->btnQuotationMarksExchangeIncExc, [this] { btnQuotationMarksExchangeIncExcClick(); });
    ui::OnClicked(ui_->btnQuotationMarksDelete, [this] { btnQuotationMarksDeleteClick(); });
    ui::OnClicked(ui_->btnQuotationMarksRemoveAll, [this] { btnQuotationMarksRemoveAllClick(); });
    ui::OnClicked(ui_->btnQuotationMarksDefaults, [this] { btnQuotationMarksDefaultsClick(); });
    ui::OnClicked(ui_->btnQuotationMarksClose, [this] { btnQuotationMarksCloseClick(); });
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    FormCreate();
}

TfrmQuotationMarks::~TfrmQuotationMarks() = default;

void TfrmQuotationMarks::FormCreate() {
    CreateItems();
}

void TfrmQuotationMarks::LoadQuotationMarks() {
    LoadItems();
}

void TfrmQuotationMarks::btnQuotationMarksAddClick() {
    AddEntry();
}

void TfrmQuotationMarks::edtQuotationMarksAddKeyPress(char& key) {
    if (key == 13)
        btnQuotationMarksAddClick();
}

void TfrmQuotationMarks::btnQuotationMarksIncToExcClick() {
    MoveSelectedToExcluded();
}

void TfrmQuotationMarks::btnQuotationMarksExcToIncClick() {
    MoveSelectedToIncluded();
}

void TfrmQuotationMarks::btnQuotationMarksAllFromIncClick() {
    MoveAllToExcluded();
}

void TfrmQuotationMarks::btnQuotationMarksAllFromExcClick() {
    MoveAllToIncluded();
}

void TfrmQuotationMarks::btnQuotationMarksExchangeIncExcClick() {
    ExchangeLists();
}

void TfrmQuotationMarks::btnQuotationMarksDeleteClick() {
    DeleteSelectedExcluded();
}

void TfrmQuotationMarks::btnQuotationMarksRemoveAllClick() {
    RemoveAllExcluded();
}

void TfrmQuotationMarks::btnQuotationMarksDefaultsClick() {
    SetDefaults();
}

void TfrmQuotationMarks::btnQuotationMarksCloseClick() {
    StoreAndClose();
}

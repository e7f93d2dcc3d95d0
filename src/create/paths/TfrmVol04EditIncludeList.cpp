#include "create/paths/TfrmVol04EditIncludeList.h"

#include "tools/TfrmMoreHelp.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"

#include "ui_TfrmVol04EditIncludeList.h"

TfrmVol04EditIncludeList* frmVol04EditIncludeList = nullptr;

TfrmVol04EditIncludeList::TfrmVol04EditIncludeList(QWidget* parent)
    : IncludeListEditor(parent), ui_(std::make_unique<Ui::TfrmVol04EditIncludeList>()) {
    ui_->setupUi(this);
    BindEditor(*ui_->mmoVol04EditIncludeList, *ui_->lblVol04EditLinesSum, LineOrder::MemoOrder);
    ui::Connect(ui_->mmoVol04EditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoVol04EditIncludeListKeyPress(); });
    ui::OnClicked(ui_->btnVol04EditIncludeListOk, [this] { btnVol04EditIncludeListOkClick(); });
    ui::OnClicked(ui_->btnVol04EditIncludeListCancel, [this] { btnVol04EditIncludeListCancelClick(); });
    ui::OnClicked(ui_->btnVol04EditIncludeListHelp, [this] { btnVol04EditIncludeListHelpClick(); });
    FormCreate();
}

TfrmVol04EditIncludeList::~TfrmVol04EditIncludeList() = default;

void TfrmVol04EditIncludeList::btnVol04EditIncludeListHelpClick() {
    ui::desktop().ShowModal(*frmMoreHelp);
}

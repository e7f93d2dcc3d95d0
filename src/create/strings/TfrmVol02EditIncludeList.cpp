#include "create/strings/TfrmVol02EditIncludeList.h"

#include "tools/TfrmAltalanosHelp.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"

#include "ui_TfrmVol02EditIncludeList.h"

TfrmVol02EditIncludeList* frmVol02EditIncludeList = nullptr;

TfrmVol02EditIncludeList::TfrmVol02EditIncludeList(QWidget* parent)
    : IncludeListEditor(parent), ui_(std::make_unique<Ui::TfrmVol02EditIncludeList>()) {
    ui_->setupUi(this);
    BindEditor(*ui_->mmoVol02EditIncludeList, *ui_->lblVol02EditLinesSum, LineOrder::ListOrder);
    ui::Connect(ui_->mmoVol02EditIncludeList, &QPlainTextEdit::textChanged, this,
                [this] { mmoVol02EditIncludeListKeyPress(); });
    ui::OnClicked(ui_->btnVol02EditOk, [this] { btnVol02EditOkClick(); });
    ui::OnClicked(ui_->btnVol02EditCancel, [this] { btnVol02EditCancelClick(); });
    ui::OnClicked(ui_->btnVol02EditFormHelp, [this] { btnVol02EditFormHelpClick(); });
    FormCreate();
}

TfrmVol02EditIncludeList::~TfrmVol02EditIncludeList() = default;

void TfrmVol02EditIncludeList::btnVol02EditFormHelpClick() {
    frmAltalanosHelp->SetHelpTopic("CreateStrings");
    frmAltalanosHelp->SetMoreHelpVisible(true);
    ui::desktop().ShowModal(*frmAltalanosHelp);
}

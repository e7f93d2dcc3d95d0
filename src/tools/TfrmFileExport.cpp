#include "tools/TfrmFileExport.h"

#include "common/FrameworkText.h"
#include "common/SettingLists.h"
#include "tools/ListExportWriter.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"

#include "ui_TfrmFileExport.h"

TfrmFileExport* frmFileExport = nullptr;

namespace {

const char* const BuiltInDelimiters[] = {"#", "space", "\"", ",", "'", "|", "~", ";", ":",
                                         "&", "@",     "$",  "<", ">", ".", "-", "_"};

const char* const WriteFailedCaption = "Export Datas to a File.            Warning no: 0601.";

} // namespace

TfrmFileExport::TfrmFileExport(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmFileExport>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->rdoFileExportPlainTextFile, [this] { rdoFileExportPlainTextFileClick(); });
    ui::OnClicked(ui_->rdoFileExportCSVSeparatedFile, [this] { rdoFileExportCSVSeparatedFileClick(); });
    ui::OnClicked(ui_->btnFileExportTo, [this] { btnFileExportToClick(); });
    ui::OnClicked(ui_->BitBtn1, [this] { BitBtn1Click(); });
    FormCreate();
}

TfrmFileExport::~TfrmFileExport() = default;

void TfrmFileExport::FormCreate() {
    delimiterDefaults_.clear();
    for (const char* symbol : BuiltInDelimiters)
        delimiterDefaults_.push_back(Trim(AnsiLowerCase(symbol)));

    FillDelimiterChoices();

    ui_->lstFileExportSource->SetHorizontalExtent(2000);
    ui_->rdoFileExportPlainTextFile->setChecked(true);
    ui_->cboFileExportDelimiter->setEnabled(false);
    listType_ = "FOLDERS";
    ui_->lblSmartExportSource->setText("0");
    ui_->lblSmartExportExported->setText("0");
}

void TfrmFileExport::FillDelimiterChoices() {
    std::deque<std::string> taken = GetSeparatorList();
    if (taken.empty()) {
        for (const std::string& symbol : delimiterDefaults_)
            taken.push_back(Trim(AnsiLowerCase(symbol)));
    }
    ui_->cboFileExportDelimiter->Clear();
    for (const std::string& item : taken) {
        if (!ui_->cboFileExportDelimiter->Contains(item))
            ui_->cboFileExportDelimiter->AddItem(item);
    }
    ui_->cboFileExportDelimiter->SetItemIndex(0);
}

void TfrmFileExport::RefillDelimiterChoices() {
    const std::string chosen = ui_->cboFileExportDelimiter->Text();
    FillDelimiterChoices();
    const int index = ui_->cboFileExportDelimiter->IndexOf(chosen);
    if (index >= 0)
        ui_->cboFileExportDelimiter->SetItemIndex(index);
}

void TfrmFileExport::ResetExportSource() {
    ui_->lblSmartExportSource->setText("0");
    ui_->lblSmartExportExported->setText("0");
    ui_->lstFileExportSource->Clear();
}

void TfrmFileExport::rdoFileExportPlainTextFileClick() {
    ui_->cboFileExportDelimiter->setEnabled(false);
}

void TfrmFileExport::rdoFileExportCSVSeparatedFileClick() {
    ui_->cboFileExportDelimiter->setEnabled(true);
}

void TfrmFileExport::btnFileExportToClick() {
    ui::FileDialogRequest request;
    request.owner = this;
    request.title = "Export To...";
    request.filter = "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*";
    request.defaultExtension = "txt";
    std::string target = ui::desktop().SaveFileName(request);
    if (target.empty())
        return;

    ListExportOptions options;
    options.separated = ui_->rdoFileExportCSVSeparatedFile->isChecked();
    options.delimiter = ui_->cboFileExportDelimiter->Text();
    options.quotes = ui_->chkFileExportQuotationMarks->isChecked();
    std::vector<std::string> items = ui_->lstFileExportSource->Items();

    ui_->lblSmartExportExported->setText("0");
    if (!WriteExportFile(target, FormatListExport(items, options))) {
        ui::ShowBox(this, WriteFailedCaption,
                    "The file could not be written : " + target +
                        "\nAction : Please choose another file name or folder.",
                    ui::Icon::Warning);
        return;
    }
    ui_->lblSmartExportExported->setText(QString::number(static_cast<qulonglong>(items.size())));
}

void TfrmFileExport::BitBtn1Click() {
    SetModalResult(ui::Answer::Cancel);
    if (isVisible())
        close();
}

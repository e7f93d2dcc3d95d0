#include "tools/TfrmFileImport.h"

#include "common/FrameworkText.h"
#include "common/ListFileImporter.h"
#include "common/SettingLists.h"
#include "tools/ListFileStreams.h"
#include "tools/LocalTutorialPage.h"
#include "tools/TfrmAltalanosHelp.h"
#include "tools/UpdatePacer.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmFileImport.h"

#include <QKeyEvent>

#include <algorithm>
#include <limits>
#include <unordered_set>
#include <vector>

TfrmFileImport* frmFileImport = nullptr;

namespace {

const char* const BuiltInSymbols[] = {",", "space", "\"", "'", "|", "~", ";", ":", "#",
                                      "&", "@",     "$",  "<", ">", ".", "-", "_"};

const char* const Title = "Import File content.            ";

// The longest line the source list shows.
constexpr size_t MaxSourceLineBytes = 2048;

// The up-down control beside the column number.
constexpr int MinColumn = 1;
constexpr int MaxColumn = 100;

std::deque<std::string> BuiltInDefaults() {
    std::deque<std::string> defaults;
    for (const char* symbol : BuiltInSymbols)
        defaults.push_back(Trim(AnsiLowerCase(symbol)));
    return defaults;
}

// Sets a radio button's tick without unticking its neighbours, and unticks
// one, which an exclusive radio button does not allow by itself.
void SetTicked(QAbstractButton* button, bool ticked) {
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(ticked);
    button->setAutoExclusive(exclusive);
}

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

int ProgressMaximum(size_t count) {
    return static_cast<int>(std::min<size_t>(count, static_cast<size_t>(std::numeric_limits<int>::max())));
}

} // namespace

TfrmFileImport::TfrmFileImport(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmFileImport>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->btnFileImportBrowse, [this] { btnFileImportBrowseClick(); });
    ui::OnClicked(ui_->btnFileImportFrom, [this] { btnFileImportFromClick(); });
    ui::OnClicked(ui_->btnFileImportOk, [this] { btnFileImportOkClick(); });
    ui::OnClicked(ui_->btnFileImportCancel, [this] { btnFileImportCancelClick(); });
    ui::OnClicked(ui_->btnFileImportClear, [this] { btnFileImportClearClick(); });
    ui::OnClicked(ui_->btnFileImportHelp, [this] { btnFileImportHelpClick(); });
    ui::OnClicked(ui_->btnFileImportVideo01, [this] { btnFileImportVideo01Click(); });
    ui::OnClicked(ui_->rdoFileImportPlainText, [this] { rdoFileImportPlainTextClick(); });
    ui::OnClicked(ui_->rdoFileImportSeparatedFile, [this] { rdoFileImportSeparatedFileClick(); });
    ui::OnClicked(ui_->rdoFileImportAllColumns, [this] { rdoFileImportAllColumnsClick(); });
    ui::OnClicked(ui_->rdoFileImportOneColumn, [this] { rdoFileImportOneColumnClick(); });
    ui::OnClicked(ui_->rdoFileImportColumnSeparatedFile, [this] { rdoFileImportColumnSeparatedFileClick(); });
    ui::OnClicked(ui_->btnFileImportColumnUp, [this] { StepColumnNumber(1); });
    ui::OnClicked(ui_->btnFileImportColumnDown, [this] { StepColumnNumber(-1); });
    // Enter in the file name field browses instead of pressing the window's
    // default button.
    ui_->edtFileImportFileName->installEventFilter(this);
    FormCreate();
}

TfrmFileImport::~TfrmFileImport() = default;

bool TfrmFileImport::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->edtFileImportFileName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui::Guard([this] { btnFileImportBrowseClick(); });
            return true;
        }
    }
    return ui::Form::eventFilter(watched, event);
}

void TfrmFileImport::FillChoiceCombo(ui::ComboBox& combo, std::deque<std::string> taken,
                                     const std::deque<std::string>& defaults) {
    if (taken.empty()) {
        for (const std::string& symbol : defaults)
            taken.push_back(Trim(AnsiLowerCase(symbol)));
    }
    combo.Clear();
    for (const std::string& item : taken) {
        if (!combo.Contains(item))
            combo.AddItem(item);
    }
    combo.SetItemIndex(0);
}

void TfrmFileImport::RefillChoiceCombo(ui::ComboBox& combo, std::deque<std::string> taken,
                                       const std::deque<std::string>& defaults) {
    const std::string chosen = combo.Text();
    FillChoiceCombo(combo, std::move(taken), defaults);
    const int index = combo.IndexOf(chosen);
    if (index >= 0)
        combo.SetItemIndex(index);
}

void TfrmFileImport::RefillDelimiterChoices() {
    RefillChoiceCombo(*ui_->cboFileImportDelimiter, GetSeparatorList(), separatorDefaults_);
}

void TfrmFileImport::RefillQuotationMarkChoices() {
    RefillChoiceCombo(*ui_->cboFileImportQuotationMark, GetQuotationMarkList(), quotationMarkDefaults_);
}

void TfrmFileImport::FormCreate() {
    separatorDefaults_ = BuiltInDefaults();
    FillChoiceCombo(*ui_->cboFileImportDelimiter, GetSeparatorList(), separatorDefaults_);
    quotationMarkDefaults_ = BuiltInDefaults();
    FillChoiceCombo(*ui_->cboFileImportQuotationMark, GetQuotationMarkList(), quotationMarkDefaults_);
    ui_->lstFileImportSource->SetHorizontalExtent(3000);
    ui_->lstFileImportResults->SetHorizontalExtent(3000);
    rdoFileImportPlainTextClick();
    ApplyEnablingRule(ui_->lstFileImportSource->Count() > 0);
    ui_->lblFileImportSourceLines->setText("0");
    ui_->lblFileImportPreviewLines->setText("0");
}

void TfrmFileImport::rdoFileImportPlainTextClick() {
    ui_->rdoFileImportPlainText->setEnabled(true);
    SetTicked(ui_->rdoFileImportPlainText, true);
    ui_->rdoFileImportSeparatedFile->setEnabled(true);
    SetTicked(ui_->rdoFileImportSeparatedFile, false);
    ui_->rdoFileImportAllColumns->setEnabled(false);
    SetTicked(ui_->rdoFileImportAllColumns, false);
    ui_->rdoFileImportOneColumn->setEnabled(false);
    SetTicked(ui_->rdoFileImportOneColumn, false);
    ui_->edtFileImportColumnNumber->setEnabled(false);
    ui_->UDFileImportColumnNumber->setEnabled(false);
    ui_->lblFileImportDelimiter->setEnabled(false);
    ui_->cboFileImportDelimiter->setEnabled(false);
}

void TfrmFileImport::rdoFileImportSeparatedFileClick() {
    ui_->rdoFileImportPlainText->setEnabled(true);
    SetTicked(ui_->rdoFileImportPlainText, false);
    ui_->rdoFileImportSeparatedFile->setEnabled(true);
    SetTicked(ui_->rdoFileImportSeparatedFile, true);
    ui_->rdoFileImportAllColumns->setEnabled(true);
    SetTicked(ui_->rdoFileImportAllColumns, true);
    ui_->rdoFileImportOneColumn->setEnabled(true);
    SetTicked(ui_->rdoFileImportOneColumn, false);
    ui_->edtFileImportColumnNumber->setEnabled(false);
    ui_->UDFileImportColumnNumber->setEnabled(false);
    ui_->lblFileImportDelimiter->setEnabled(true);
    ui_->cboFileImportDelimiter->setEnabled(true);
}

void TfrmFileImport::rdoFileImportAllColumnsClick() {
    SetTicked(ui_->rdoFileImportOneColumn, false);
    ui_->edtFileImportColumnNumber->setEnabled(false);
    ui_->UDFileImportColumnNumber->setEnabled(false);
}

void TfrmFileImport::rdoFileImportOneColumnClick() {
    SetTicked(ui_->rdoFileImportAllColumns, false);
    ui_->edtFileImportColumnNumber->setEnabled(true);
    ui_->UDFileImportColumnNumber->setEnabled(true);
}

void TfrmFileImport::rdoFileImportColumnSeparatedFileClick() {
    ui_->edtFileImportColumnNumber->setEnabled(true);
    ui_->UDFileImportColumnNumber->setEnabled(true);
}

void TfrmFileImport::StepColumnNumber(int step) {
    const std::string text = Trim(ui_->edtFileImportColumnNumber->text().toStdString());
    int column = MinColumn;
    try {
        column = StrToInt(text) + step;
    } catch (...) {
        // Like the framework's up-down control, an edit text that is not a
        // number starts again from the lowest position.
    }
    column = std::clamp(column, MinColumn, MaxColumn);
    ui_->edtFileImportColumnNumber->setText(QString::number(column));
}

void TfrmFileImport::ApplyEnablingRule(bool fileLoaded) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->lblFileImportResults, ui_->lstFileImportResults, ui_->lblFileImportPreviewLines,
             ui_->lblFileImportPreviewLinesCim, ui_->rdoFileImportPlainText})
        control->setEnabled(fileLoaded);
    if (fileLoaded) {
        rdoFileImportPlainTextClick();
    } else {
        for (QWidget* control : std::initializer_list<QWidget*>{
                 ui_->rdoFileImportSeparatedFile, ui_->rdoFileImportAllColumns, ui_->rdoFileImportOneColumn,
                 ui_->edtFileImportColumnNumber, ui_->UDFileImportColumnNumber, ui_->lblFileImportDelimiter,
                 ui_->cboFileImportDelimiter})
            control->setEnabled(false);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->chkFileImportAbandonQMarks,
                                                            ui_->btnFileImportFrom, ui_->lblFileImportEgyes})
        control->setEnabled(fileLoaded);
    const bool okEnabled = ui_->lstFileImportResults->Count() > 0 && fileLoaded;
    ui_->btnFileImportOk->setEnabled(okEnabled);
    ui_->lblFileImportKettes->setEnabled(okEnabled);
}

void TfrmFileImport::btnFileImportBrowseClick() {
    if (busy_)
        return;
    ui::FileDialogRequest request;
    request.owner = this;
    request.title = "Open";
    request.filter = "Text Files (*.txt)|*.txt|Comma Separated  (*.csv)|*.csv|All Files (*.*)|*.*";
    request.defaultExtension = "txt";
    const std::string fileName = ui::desktop().OpenFileName(request);
    if (!fileName.empty()) {
        if (!HasTxtExtension(fileName) &&
            ui::ShowBox(
                this, std::string(Title) + "Warnings no: 0311.",
                "The file extension is not txt.\nMaybe it is not a plain text file. \nDo you want to select "
                "this file ?\nClick YES to Continue Selecting this file,\nClick NO to Stop the Select "
                "process.",
                ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) != ui::Answer::Yes)
            return;
        ui_->edtFileImportFileName->setText(QString::fromStdString(fileName));
        std::optional<std::istringstream> in = OpenListFileForReading(fileName);
        if (!in) {
            ui::ShowBox(this, std::string(Title) + "Warnings no: 0312.",
                        "There was a problem opening the file !\nAction : The file is maybe corrupted.",
                        ui::Icon::Warning);
            return;
        }
        ReadSourceFile(*in);
        ui::ShowBox(this, std::string(Title) + "Information no: 0450.", "End of the IMPORT process!",
                    ui::Icon::Information);
    }
    ApplyEnablingRule(ui_->lstFileImportSource->Count() > 0);
}

void TfrmFileImport::ReadSourceFile(std::istream& in) {
    ui::ListBox& source = *ui_->lstFileImportSource;
    source.Clear();
    ui_->lstFileImportResults->Clear();
    // The counters follow the lists they count: the previous file's preview
    // is gone.
    ui_->lblFileImportPreviewLines->setText("0");
    busy_ = true;
    // The lines join the list in one go at the end: a list that grows while
    // it is shown is laid out again at every step, which would make reading a
    // long file quadratic. The counter follows the reading meanwhile.
    std::vector<std::string> lines;
    UpdatePacer pacer;
    const auto showCount = [&] {
        ui_->lblFileImportSourceLines->setText(QString::number(lines.size()));
        ui::desktop().ProcessMessages();
    };
    std::string line;
    while (ReadListLine(in, line)) {
        if (IsBlank(line))
            continue;
        lines.push_back(CutToBytes(line, MaxSourceLineBytes));
        if (pacer.Due())
            showCount();
    }
    source.AddItems(lines);
    showCount();
    busy_ = false;
}

void TfrmFileImport::btnFileImportFromClick() {
    if (busy_)
        return;
    ListFileImportRequest request;
    request.fileName = ui_->edtFileImportFileName->text().toStdString();
    request.importType = ImportPlainText;
    if (ui_->rdoFileImportSeparatedFile->isChecked()) {
        if (ui_->rdoFileImportAllColumns->isChecked())
            request.importType = ImportAllColumns;
        else if (ui_->rdoFileImportOneColumn->isChecked())
            request.importType = ImportOneColumn;
    }
    // The column is read first: a column number that is not a number stops
    // here, with the framework's error, before the preview is touched.
    int column = 0;
    if (request.importType == ImportOneColumn) {
        column = StrToInt(ui_->edtFileImportColumnNumber->text().toStdString());
        // A typed number below the arrows' minimum would give an empty
        // preview without a word; it is taken as the minimum, visibly.
        if (column < MinColumn) {
            column = MinColumn;
            ui_->edtFileImportColumnNumber->setText(QString::number(column));
        }
    }

    ui::ListBox& results = *ui_->lstFileImportResults;
    results.Clear();
    ui_->lblFileImportPreviewLines->setText("0");
    request.abandonQuotationMarks = ui_->chkFileImportAbandonQMarks->isChecked();
    request.separator = Trim(ui_->cboFileImportDelimiter->Text());
    request.quotationMark = ui_->cboFileImportQuotationMark->Text();

    ListFileImporter importer(request);
    if (request.importType == ImportOneColumn)
        importer.SetColumn(column);
    if (!importer.Run())
        ui::desktop().MessageBox(ListFileImporter::OpenFailureBox());
    const std::deque<std::string>& items = importer.GetResult();

    busy_ = true;
    ui_->pbSmartImport->setValue(0);
    ui_->pbSmartImport->setMaximum(ProgressMaximum(items.size()));
    ui_->pbSmartImport->show();
    // The preview is empty until its items join it in one go at the end (see
    // ReadSourceFile); meanwhile their keys make the duplicate test see them
    // as the list will.
    std::vector<std::string> kept;
    std::unordered_set<std::string> keptKeys;
    keptKeys.reserve(items.size());
    UpdatePacer pacer;
    const auto showPosition = [&](size_t position) {
        ui_->pbSmartImport->setValue(ProgressMaximum(position));
        ui_->lblFileImportPreviewLines->setText(QString::number(position + 1));
        ui::desktop().ProcessMessages();
    };
    for (size_t position = 0; position < items.size(); ++position) {
        const std::string& item = items[position];
        std::string key = ui::FoldCase(item);
        if (!keptKeys.count(key)) {
            std::string trimmed = Trim(item);
            if (!trimmed.empty()) {
                keptKeys.insert(trimmed.size() == item.size() ? std::move(key) : ui::FoldCase(trimmed));
                kept.push_back(std::move(trimmed));
            }
        }
        if (pacer.Due())
            showPosition(position);
    }
    results.AddItems(kept);
    if (!items.empty())
        showPosition(items.size() - 1);
    busy_ = false;
    ui_->pbSmartImport->hide();
    const bool any = results.Count() > 0;
    ui_->btnFileImportOk->setEnabled(any);
    ui_->lblFileImportKettes->setEnabled(any);
    ui::ShowBox(this, std::string(Title) + "Information no: 0451.",
                "End of the making FOLDER LIST process! (Preview)", ui::Icon::Information);
}

void TfrmFileImport::btnFileImportOkClick() {
    SetModalResult(ui::Answer::Ok);
}

void TfrmFileImport::btnFileImportCancelClick() {
    SetModalResult(ui::Answer::Cancel);
}

void TfrmFileImport::btnFileImportClearClick() {
    if (busy_)
        return;
    ui_->edtFileImportFileName->clear();
    ui_->lstFileImportSource->Clear();
    ui_->lstFileImportResults->Clear();
    // The counters go back with their lists.
    ui_->lblFileImportSourceLines->setText("0");
    ui_->lblFileImportPreviewLines->setText("0");
    SetTicked(ui_->rdoFileImportPlainText, true);
    SetTicked(ui_->rdoFileImportSeparatedFile, false);
    SetTicked(ui_->rdoFileImportColumnSeparatedFile, false);
    ui_->edtFileImportColumnNumber->setText("1");
    ui_->chkFileImportAbandonQMarks->setChecked(true);
    ui_->cboFileImportDelimiter->SetItemIndex(0);
    ApplyEnablingRule(ui_->lstFileImportSource->Count() > 0);
}

void TfrmFileImport::btnFileImportHelpClick() {
    ShowHelpWindow("FileImport");
}

void TfrmFileImport::btnFileImportVideo01Click() {
    OpenLocalTutorialPage();
}

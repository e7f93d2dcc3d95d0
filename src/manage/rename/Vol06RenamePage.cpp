#include "manage/rename/Vol06RenamePage.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "manage/rename/RenameNameParts.h"
#include "manage/rename/TfrmStatistic06.h"
#include "manage/shared/ManageLists.h"
#include "tools/NameFieldChecks.h"
#include "tools/TfrmExamplesRename.h"
#include "ui/ClickHandlersByName.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include "ui_TfrmStatistic06.h"
#include "ui_Vol06RenamePage.h"

namespace {

const std::string Title = "Rename Folders. - From a Folder List.            ";

std::string TextOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

void SetLabel(QLabel* label, double value) {
    const QString text = QString::fromStdString(FloatToStr(value));
    if (label->text() != text)
        label->setText(text);
}

} // namespace

Vol06RenamePage::Vol06RenamePage(MainWindowServices& mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), ui_(std::make_unique<Ui::Vol06RenamePage>()) {
    ui_->setupUi(this);

    MakeLists();
    ConnectControls();
    // At a frame, and when a box pauses the run, the counters are written
    // with the names, whenever they last changed.
    repaints_.SetBeforeRepaint([this] {
        listItems_.Flush();
        WriteCounterLabels();
    });
}

Vol06RenamePage::~Vol06RenamePage() = default;

void Vol06RenamePage::ConnectControls() {
    ConnectClickHandlersByName(*this);
    // Leaving a field runs its check as a change does.
    const auto field = [this](QLineEdit* edit, void (Vol06RenamePage::*check)()) {
        ui::Connect(edit, &QLineEdit::textChanged, this, [this, check] { (this->*check)(); });
        ui::Connect(edit, &QLineEdit::editingFinished, this, [this, check] { (this->*check)(); });
    };
    field(ui_->edtVol06NewPrefix, &Vol06RenamePage::edtVol06NewPrefixChange);
    field(ui_->edtVol06NewSuffix, &Vol06RenamePage::edtVol06NewSuffixChange);
    field(ui_->edtVol06DelimiterPrefixSubFolder, &Vol06RenamePage::edtVol06DelimiterPrefixSubFolderChange);
    field(ui_->edtVol06DelimiterSubFolderSuffix, &Vol06RenamePage::edtVol06DelimiterSubFolderSuffixChange);
    field(ui_->edtVol06RenameNewLastSubFolder, &Vol06RenamePage::edtVol06RenameNewLastSubFolderChange);
}

void Vol06RenamePage::InitialiseAtStart() {
    EnableVol06Options(false);
    ResetVol06Counters();
    ShowVol06Counters();
    ui_->lblVol06StartFolder->clear();
    ui_->lblVol06EndFolder->clear();
    lists_->PrepareAtStart();
}

_tagVol0XParts Vol06RenamePage::PrefixSuffixPartsOf(const std::string& line) const {
    return BuildRenameNameParts(
        line, TextOf(ui_->edtVol06NewPrefix), TextOf(ui_->edtVol06DelimiterPrefixSubFolder),
        TextOf(ui_->edtVol06DelimiterSubFolderSuffix), TextOf(ui_->edtVol06NewSuffix));
}

RenameRule Vol06RenamePage::CheckedRule() const {
    RenameRule rule;
    rule.lastSubFolder = !ui_->rdoVol06RenameAddPrefixesSuffixes->isChecked();
    rule.prefix = TextOf(ui_->edtVol06NewPrefix);
    rule.prefixDelimiter = TextOf(ui_->edtVol06DelimiterPrefixSubFolder);
    rule.suffixDelimiter = TextOf(ui_->edtVol06DelimiterSubFolderSuffix);
    rule.suffix = TextOf(ui_->edtVol06NewSuffix);
    rule.newName = TextOf(ui_->edtVol06RenameNewLastSubFolder);
    return rule;
}

_tagVol0XParts Vol06RenamePage::NamePartsOf(const std::string& line) const {
    return NamePartsUnder(CheckedRule(), RenameFolderOf(line));
}

void Vol06RenamePage::RefreshVol06Page() {
    const auto checkedRule = [this](const std::string& line) { return NamePartsOf(line); };
    ShowPreviews(checkedRule);
    const bool lines = ui_->lstVol06IncludeFolderList->Count() > 0;
    EnableVol06Options(lines);
    EnableVol06RunButtons(lines);
    ResetVol06Counters();
    ShowPreviews(checkedRule);
    Vol06FoldersToRename = ui_->lstVol06IncludeFolderList->Count();
    ShowVol06Counters();
    ShowListCounts();
    ui_->pbVol06ProgressBar->hide();
}

void Vol06RenamePage::ShowListCounts() {
    lists_->ShowCounts();
}

void Vol06RenamePage::UpdateRenamePreview() {
    ShowPreviews([this](const std::string& line) { return PrefixSuffixPartsOf(line); });
}

void Vol06RenamePage::UpdateLastSubFolderPreview(const std::string& newName) {
    ShowPreviews([&newName](const std::string& line) { return BuildLastSubFolderNameParts(line, newName); });
}

void Vol06RenamePage::ShowPreviews(const std::function<_tagVol0XParts(const std::string&)>& partsOf) {
    const ui::ListBox& include = *ui_->lstVol06IncludeFolderList;
    if (include.Count() == 0) {
        ui_->lblVol06StartFolder->clear();
        ui_->lblVol06EndFolder->clear();
        return;
    }
    // A line without a drive keeps the preview it had.
    const auto preview = [&partsOf](const std::string& line, QLabel* label) {
        if (!Trim(ExtractFileDrive(line)).empty())
            label->setText(QString::fromStdString(JoinedName(partsOf(line))));
    };
    preview(include.Text(0), ui_->lblVol06StartFolder);
    preview(include.Text(include.Count() - 1), ui_->lblVol06EndFolder);
}

void Vol06RenamePage::SetRuleControls(bool prefixesAndSuffixes) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->lblVol06NewPrefix, ui_->edtVol06NewPrefix, ui_->lblVol06DelimiterPrefixSubFolder,
             ui_->edtVol06DelimiterPrefixSubFolder, ui_->lblVol06DelimiterSubFolderSuffix,
             ui_->edtVol06DelimiterSubFolderSuffix, ui_->lblVol06NewSuffix, ui_->edtVol06NewSuffix})
        control->setEnabled(prefixesAndSuffixes);
    ui_->lblVol06RenameNewLastSubFolder->setEnabled(!prefixesAndSuffixes);
    ui_->edtVol06RenameNewLastSubFolder->setEnabled(!prefixesAndSuffixes);
}

void Vol06RenamePage::EnableVol06Options(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_->rdoVol06RenameAddPrefixesSuffixes, ui_->rdoVol06RenameTheLastSubFolder,
             ui_->lblVol06NewPrefix, ui_->edtVol06NewPrefix, ui_->lblVol06DelimiterPrefixSubFolder,
             ui_->edtVol06DelimiterPrefixSubFolder, ui_->lblVol06DelimiterSubFolderSuffix,
             ui_->edtVol06DelimiterSubFolderSuffix, ui_->lblVol06NewSuffix, ui_->edtVol06NewSuffix,
             ui_->lblVol06RenameNewLastSubFolder, ui_->edtVol06RenameNewLastSubFolder})
        control->setEnabled(enabled);
    if (ui_->rdoVol06RenameAddPrefixesSuffixes->isEnabled() &&
        ui_->rdoVol06RenameAddPrefixesSuffixes->isChecked())
        SetRuleControls(true);
    else if (ui_->rdoVol06RenameTheLastSubFolder->isEnabled() &&
             ui_->rdoVol06RenameTheLastSubFolder->isChecked())
        SetRuleControls(false);
    // The previews and the counters with their captions.
    for (QLabel* label : ui_->grpVol06Preview->findChildren<QLabel*>())
        label->setEnabled(enabled);
    for (QLabel* label : ui_->grpVol06Statistics->findChildren<QLabel*>())
        label->setEnabled(enabled);
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->btnVol06Statistics, ui_->btnVol06Undo,
                                                            ui_->chkVol06ShowDetailedResults})
        control->setEnabled(enabled);
    EnableVol06RunButtons(enabled);
}

void Vol06RenamePage::EnableVol06RunButtons(bool /*enabled*/) {
    const bool lines = ui_->lstVol06IncludeFolderList->Count() > 0;
    ui_->btnVol06RenameFolders->setEnabled(lines);
    ui_->btnVol06RenameFoldersSimulation->setEnabled(lines);
}

void Vol06RenamePage::ResetVol06Counters() {
    Vol06FoldersToRename = 0;
    Vol06FoldersRenamed = 0;
    Vol06FoldersSourceNotExists = 0;
    Vol06FoldersDestinationExists = 0;
    Vol06FoldersOtherReasons = 0;
}

void Vol06RenamePage::WriteCounterLabels() {
    SetLabel(ui_->lblVol06FoldersToRename, Vol06FoldersToRename);
    SetLabel(ui_->lblVol06FoldersRenamed, Vol06FoldersRenamed);
    SetLabel(ui_->lblVol06FoldersSourceNotExists, Vol06FoldersSourceNotExists);
    SetLabel(ui_->lblVol06FoldersDestinationExists, Vol06FoldersDestinationExists);
    SetLabel(ui_->lblVol06FoldersOtherReasons, Vol06FoldersOtherReasons);
    if (!frmStatistic06)
        return;
    Ui::TfrmStatistic06& statistics = frmStatistic06->Controls();
    SetLabel(statistics.lblStat06FoldersToRename, Vol06FoldersToRename);
    SetLabel(statistics.lblStat06FoldersRenamed, Vol06FoldersRenamed);
    SetLabel(statistics.lblStat06FoldersSourceNotExists, Vol06FoldersSourceNotExists);
    SetLabel(statistics.lblStat06FoldersDestinationExists, Vol06FoldersDestinationExists);
    SetLabel(statistics.lblStat06FoldersOtherReasons, Vol06FoldersOtherReasons);
}

void Vol06RenamePage::ShowVol06Counters() {
    // During a run the labels are written when a frame is due; the counters
    // themselves always move at once.
    if (!repaints_.ShownNow())
        return;
    WriteCounterLabels();
    repaints_.Repaint(window());
    if (frmStatistic06)
        repaints_.Repaint(frmStatistic06);
}

void Vol06RenamePage::rdoVol06RenameAddPrefixesSuffixesClick() {
    SetRuleControls(ui_->rdoVol06RenameAddPrefixesSuffixes->isChecked());
    UpdateRenamePreview();
}

void Vol06RenamePage::rdoVol06RenameTheLastSubFolderClick() {
    SetRuleControls(!ui_->rdoVol06RenameTheLastSubFolder->isChecked());
    UpdateLastSubFolderPreview(TextOf(ui_->edtVol06RenameNewLastSubFolder));
}

void Vol06RenamePage::CheckRuleField(QLineEdit& field, const std::string& caption, const std::string& text,
                                     bool lastSubFolder) {
    CheckNameField(this, checkingField_, runInProgress_, field, caption, text, [this, &field, lastSubFolder] {
        if (lastSubFolder)
            UpdateLastSubFolderPreview(field.text().toStdString());
        else
            UpdateRenamePreview();
    });
}

void Vol06RenamePage::edtVol06NewPrefixChange() {
    CheckRuleField(*ui_->edtVol06NewPrefix, Title + "Warning no: 0200.",
                   "Illegal character in the Prefix : ", false);
}

void Vol06RenamePage::edtVol06NewSuffixChange() {
    CheckRuleField(*ui_->edtVol06NewSuffix,
                   "Rename Folder(s).-From a Folder List.            Warning no: 0201.",
                   "Illegal character in the Suffix : ", false);
}

void Vol06RenamePage::edtVol06DelimiterPrefixSubFolderChange() {
    CheckRuleField(*ui_->edtVol06DelimiterPrefixSubFolder, Title + "Warning no: 0202.",
                   "Illegal character in the Delimiter : ", false);
}

void Vol06RenamePage::edtVol06DelimiterSubFolderSuffixChange() {
    CheckRuleField(*ui_->edtVol06DelimiterSubFolderSuffix, Title + "Warning no: 0203.",
                   "Illegal character in the Delimiter : ", false);
}

void Vol06RenamePage::edtVol06RenameNewLastSubFolderChange() {
    CheckRuleField(*ui_->edtVol06RenameNewLastSubFolder, Title + "Warning no: 0600.",
                   "Illegal character in the New Subfolder string : ", true);
}

void Vol06RenamePage::btnVol06ExamplesClick() {
    ui::desktop().ShowModal(*frmExamplesRename);
}

void Vol06RenamePage::btnVol06StatisticsClick() {
    WriteCounterLabels();
    if (frmStatistic06)
        frmStatistic06->show();
}

#include "tools/TfrmFileSelection.h"

#include "common/FrameworkText.h"
#include "common/ItemListRules.h"
#include "common/SettingLists.h"
#include "common/TextSplitting.h"
#include "tools/FileNamePatterns.h"
#include "tools/FileTypesLabels.h"
#include "tools/SettingsFileSync.h"
#include "tools/TfrmAltalanosHelp.h"
#include "ui/ActivationWatcher.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"
#include "ui/ListOrder.h"

#include "ui_TfrmFileSelection.h"

#include <QEvent>
#include <QKeyEvent>

#include <unordered_set>
#include <vector>

TfrmFileSelection* frmFileSelection = nullptr;

namespace {

using TextList = std::deque<std::string>;

// Sets a radio button's tick as the framework does: ticking one unticks its
// neighbours, unticking leaves them alone (which an exclusive Qt radio button
// refuses by itself).
void SetTicked(QAbstractButton* button, bool ticked) {
    if (ticked) {
        button->setChecked(true);
        return;
    }
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

// Adds each item the combo lacks (ignoring case), in order.
void AddMissing(ui::ComboBox& combo, const TextList& items) {
    for (const std::string& item : items) {
        if (!combo.Contains(item))
            combo.AddItem(item);
    }
}

// The same for a sorted list of up to 30,000 types, which takes the missing
// ones in one pass instead of one insertion each.
template <typename Control> void AddMissingInOnePass(Control& control, const TextList& items) {
    std::vector<std::string> missing;
    std::unordered_set<std::string> taken;
    for (const std::string& item : items) {
        std::string folded = ui::FoldCase(item);
        if (!control.Contains(item) && taken.insert(std::move(folded)).second)
            missing.push_back(item);
    }
    control.AddItems(missing);
}

TextList ItemsOf(const std::vector<std::string>& items) {
    return TextList(items.begin(), items.end());
}

// The pattern split items that hold no "." are named one by one; they are
// kept all the same.
void ReportItemsWithoutPeriod(const TextList& items) {
    const std::vector<std::string> missing = ItemsWithoutPeriod(items);
    const std::string count = std::to_string(missing.size());
    for (size_t i = 0; i < missing.size(); ++i) {
        ui::ShowBox(nullptr, "Information !    Msg no: 0544",
                    "Period (.) is missing from : " + count + " file names." +
                        "\nNo: " + std::to_string(i + 1) + "/" + count + " is : " + missing[i] +
                        "\nIf you want to search files with SPACE(s) in their names,\n" +
                        "then you must put complete file name with extension into double quotes!\n",
                    ui::Icon::Information, ui::Buttons::Ok);
    }
}

// One name-term filter: its check box, its drop-down and where it is stored.
struct TermFilter {
    QCheckBox* check;
    ui::ComboBox* combo;
    void (*setChecked)(int);
    void (*setList)(TextList);
    void (*setText)(std::string);
    void (*setHistory)(TextList);
};

// False when the checked filter's text could not be split (message 0519).
bool StoreTerms(const TermFilter& filter) {
    const bool checked = filter.check->isChecked();
    filter.setChecked(checked ? 1 : 0);
    const std::string text = filter.combo->Text();
    if (!checked || text.empty())
        return true;
    TextList items;
    ui::MessageBoxRequest refusal;
    if (!ParseMarkedText(text, items, refusal)) {
        ui::desktop().MessageBox(refusal);
        return false;
    }
    filter.setList(DropEmptyItems(items));
    filter.setText(text);
    if (!filter.combo->Contains(text))
        filter.combo->AddItem(text);
    filter.setHistory(ItemsOf(filter.combo->Items()));
    return true;
}

void LoadTerms(ui::ComboBox& combo, const TextList& history, const std::string& text) {
    AddMissing(combo, history);
    if (Trim(text).empty())
        return;
    int index = combo.IndexOf(text);
    if (index < 0)
        index = combo.AddItem(text);
    combo.SetItemIndex(index);
}

} // namespace

TfrmFileSelection::TfrmFileSelection(QWidget* parent)
    : ui::Form(parent), ui_(std::make_unique<Ui::TfrmFileSelection>()) {
    ui_->setupUi(this);
    ui::OnClicked(ui_->btnFileManOK, [this] { btnFileManOKClick(); });
    ui::OnClicked(ui_->btnFileManCancel, [this] {
        btnFileManCancelClick();
        SetModalResult(ui::Answer::Cancel);
    });
    ui::OnClicked(ui_->btnFileSelectionHelp, [this] { btnFileSelectionHelpClick(); });
    ui::OnClicked(ui_->btnFileManClearFileNames, [this] { btnFileManClearFileNamesClick(); });
    ui::OnClicked(ui_->btnFileManClearTermsInclude, [this] { btnFileManClearTermsIncludeClick(); });
    ui::OnClicked(ui_->btnFileManClearTermsExclude, [this] { btnFileManClearTermsExcludeClick(); });
    ui::OnClicked(ui_->rdoFileManNames, [this] { rdoFileManNamesClick(); });
    ui::OnClicked(ui_->rdoFileManTypes, [this] { rdoFileManTypesClick(); });
    ui::OnClicked(ui_->chkFileManTermInclude, [this] { chkFileManTermIncludeClick(); });
    ui::OnClicked(ui_->chkFileManTermExclude, [this] { chkFileManTermExcludeClick(); });
    ui::OnClicked(ui_->rdoAllFileTypes, [this] { rdoAllFileTypesClick(); });
    ui::OnClicked(ui_->rdoExcludedFileTypes, [this] { rdoExcludedFileTypesClick(); });
    ui::OnClicked(ui_->rdoIncludedFileTypes, [this] { rdoIncludedFileTypesClick(); });
    ui::OnClicked(ui_->rdoSelectOneFileTypes, [this] { rdoSelectOneFileTypesClick(); });
    ui::OnClicked(ui_->btnFileTypesAdd, [this] { btnFileTypesAddClick(); });
    ui::OnClicked(ui_->btnFileTypesIncToExc, [this] { btnFileTypesIncToExcClick(); });
    ui::OnClicked(ui_->btnFileTypesExcToInc, [this] { btnFileTypesExcToIncClick(); });
    ui::OnClicked(ui_->btnFileTypesAllFromInc, [this] { btnFileTypesAllFromIncClick(); });
    ui::OnClicked(ui_->btnFileTypesAllFromExc, [this] { btnFileTypesAllFromExcClick(); });
    ui::OnClicked(ui_->btnFileTypesDelete, [this] { btnFileTypesDeleteClick(); });
    ui::OnClicked(ui_->btnFileTypesRemoveAll, [this] { btnFileTypesRemoveAllClick(); });
    ui::Connect(ui_->edtFileTypesSelect, &QLineEdit::textChanged, this,
                [this] { edtFileTypesSelectChange(); });
    ui::Connect(ui_->cboFileManNames, &QComboBox::editTextChanged, this, [this] { cboFileManNamesChange(); });
    ui::Connect(ui_->cboFileManNames, &QComboBox::activated, this, [this] { cboFileManNamesSelect(); });
    ui::Connect(ui_->cboFileManTermsInclude, &QComboBox::activated, this,
                [this] { cboFileManTermsIncludeSelect(); });
    ui::Connect(ui_->cboFileManTermsExclude, &QComboBox::activated, this,
                [this] { cboFileManTermsExcludeSelect(); });
    // Enter in the type field adds the type instead of pressing OK; entering
    // the locate field locates at once.
    ui_->edtFileTypesAdd->installEventFilter(this);
    ui_->edtFileTypesSelect->installEventFilter(this);
    new ui::ActivationWatcher(this, [this] { FormActivate(); });
    FormCreate();
}

TfrmFileSelection::~TfrmFileSelection() = default;

bool TfrmFileSelection::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->edtFileTypesAdd && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            char code = 13;
            ui::Guard([this, &code] { edtFileTypesAddKeyPress(code); });
            return true;
        }
    }
    if (watched == ui_->edtFileTypesSelect && event->type() == QEvent::FocusIn)
        ui::Guard([this] { edtFileTypesSelectEnter(); });
    return ui::Form::eventFilter(watched, event);
}

void TfrmFileSelection::Warn(const char* number, const std::string& text) {
    ui::ShowBox(this, std::string("File Selection.            Warning no: ") + number + ".", text,
                ui::Icon::Warning, ui::Buttons::Ok);
}

bool TfrmFileSelection::Ask(const char* number, const std::string& text) {
    return ui::ShowBox(this, std::string("File Selection.            Warning no: ") + number + ".", text,
                       ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes;
}

void TfrmFileSelection::FormCreate() {
    ui_->cboFileManTermsInclude->setEnabled(false);
    ui_->cboFileManTermsExclude->setEnabled(false);
    limitText_ = "The limit is 30,000 File Types";
    allFileTypesText_ = "All.";
    userSelectedFileTypesText_ = "User Selected.";
}

void TfrmFileSelection::FormActivate() {
    ui::ComboBox& names = *ui_->cboFileManNames;
    AddMissing(names, GetFileNameHistoryList());
    std::string patternText = GetFileNamePatternText();
    if (Trim(patternText).empty())
        patternText = "*.*";
    int patternIndex = names.IndexOf(patternText);
    if (patternIndex < 0)
        patternIndex = names.AddItem(patternText);
    names.SetItemIndex(patternIndex);

    if (GetIncludedTypeList().empty() && GetExcludedTypeList().empty())
        SetIncludedTypeList(GetKnownTypeList());
    const TextList included = GetIncludedTypeList();
    AddMissingInOnePass(*ui_->lstFileTypesInclude, included);
    AddMissingInOnePass(*ui_->lstFileTypesExclude, GetExcludedTypeList());
    ui::ComboBox& oneType = *ui_->cboSelectOneFileTypes;
    AddMissingInOnePass(oneType, included);
    const std::string oneTypeText = GetSelectOneTypeText();
    if (Trim(oneTypeText).empty()) {
        oneType.SetItemIndex(0);
    } else {
        int index = oneType.IndexOf(oneTypeText);
        if (index < 0)
            index = oneType.AddItem(oneTypeText);
        oneType.SetItemIndex(index);
    }

    if (GetFileNamesModeSelected() != 0)
        SetTicked(ui_->rdoFileManNames, true);
    if (GetFileTypesModeSelected() != 0)
        SetTicked(ui_->rdoFileManTypes, true);
    if (ui_->rdoFileManNames->isChecked()) {
        EnableNamesMode(true);
    } else if (ui_->rdoFileManTypes->isChecked()) {
        EnableNamesMode(false);
        ApplyTypeFlags();
        oneType.setEnabled(GetSelectOneTypeSelected() == 1);
    } else {
        SetTicked(ui_->rdoFileManNames, true);
        EnableNamesMode(true);
    }

    LoadTerms(*ui_->cboFileManTermsInclude, GetIncludeTermsHistoryList(), GetIncludeTermsText());
    LoadTerms(*ui_->cboFileManTermsExclude, GetExcludeTermsHistoryList(), GetExcludeTermsText());

    if (ui_->lstFileTypesInclude->Count() == 0)
        EnableTypeChoices(false);
}

void TfrmFileSelection::btnFileManOKClick() {
    // The OK button closes the window whatever happens on the way.
    struct CloseWithOk {
        TfrmFileSelection* window;
        ~CloseWithOk() { window->SetModalResult(ui::Answer::Ok); }
    } close{this};

    Warn("0542", "Both Copy and Delete Processes will use selected files\n(if the <Select Files> button is "
                 "active).\n");
    if (ui_->lstFileTypesInclude->Count() == 0)
        Warn("0543", "The Include File Type Window is Empty !!!\nYou must enter at least one File Type !!");
    else
        StoreChoices();
    SaveSharedSettings();
}

bool TfrmFileSelection::StoreChoices() {
    SetFileNamesModeSelected(ui_->rdoFileManNames->isChecked() ? 1 : 0);
    SetFileTypesModeSelected(ui_->rdoFileManTypes->isChecked() ? 1 : 0);
    SetAllTypesSelected(ui_->rdoAllFileTypes->isChecked() ? 1 : 0);
    SetIncludedTypesSelected(ui_->rdoIncludedFileTypes->isChecked() ? 1 : 0);
    SetExcludedTypesSelected(ui_->rdoExcludedFileTypes->isChecked() ? 1 : 0);
    SetSelectOneTypeSelected(ui_->rdoSelectOneFileTypes->isChecked() ? 1 : 0);

    const std::string oneType = ui_->cboSelectOneFileTypes->Text();
    SetSelectOneTypeText(oneType);
    SetSelectOneTypeIndex(std::max(0, ui_->cboSelectOneFileTypes->IndexOf(oneType)));

    SetIncludedTypeList(ItemsOf(ui_->lstFileTypesInclude->Items()));
    SetExcludedTypeList(ItemsOf(ui_->lstFileTypesExclude->Items()));

    if (!StoreFileNamePatterns())
        return false;
    if (!StoreTerms({ui_->chkFileManTermInclude, ui_->cboFileManTermsInclude, SetIncludeTermsChecked,
                     SetIncludeTermsList, SetIncludeTermsText, SetIncludeTermsHistoryList}))
        return false;
    if (!StoreTerms({ui_->chkFileManTermExclude, ui_->cboFileManTermsExclude, SetExcludeTermsChecked,
                     SetExcludeTermsList, SetExcludeTermsText, SetExcludeTermsHistoryList}))
        return false;

    SetFileTypesLabels(GetFileNamePatternText() == "*.*" ? allFileTypesText_ : userSelectedFileTypesText_);
    return true;
}

bool TfrmFileSelection::StoreFileNamePatterns() {
    ui::ComboBox& names = *ui_->cboFileManNames;
    std::string patternText = ui_->rdoFileManNames->isChecked() ? names.Text() : std::string("*.*");
    if (patternText.empty())
        patternText = "*.*";
    TextList items;
    ui::MessageBoxRequest refusal;
    if (!ParseMarkedText(patternText, items, refusal)) {
        ui::desktop().MessageBox(refusal);
        return false;
    }
    ReportItemsWithoutPeriod(items);

    const TextList patterns = PatternListOf(items);
    SetFileNamePatternList(patterns);
    // A text of blanks only selects no file. It is stored as the one blank
    // the settings file keeps for an empty text, so that memory and a later
    // load agree; it names no earlier choice worth offering again.
    const std::string joined = JoinPatternItems(patterns, "");
    SetFileNamePatternText(joined.empty() ? std::string(" ") : joined);
    if (!joined.empty() && !names.Contains(joined))
        names.AddItem(joined);
    TextList history;
    for (const std::string& item : names.Items()) {
        if (!item.empty())
            history.push_back(item);
    }
    SetFileNameHistoryList(history);
    return true;
}

void TfrmFileSelection::btnFileSelectionHelpClick() {
    ShowHelpWindow("FileSelection", false);
}

void TfrmFileSelection::ClearMenu(ui::ComboBox& combo, const char* emptyNumber, const char* emptyText,
                                  const char* questionNumber, const char* questionText) {
    if (combo.Count() == 0)
        Warn(emptyNumber, emptyText);
    else if (Ask(questionNumber, questionText))
        combo.Clear();
}

void TfrmFileSelection::btnFileManClearFileNamesClick() {
    ClearMenu(*ui_->cboFileManNames, "0545", "Empty List in the File Names Menu!\n", "0546",
              "Do you want to delete all item(s) from the File Names Menu ?");
}

void TfrmFileSelection::btnFileManClearTermsIncludeClick() {
    ClearMenu(*ui_->cboFileManTermsInclude, "0547", "Empty List in the Include Terms Menu!\n", "0548",
              "Do you want to delete all item(s) from the Include Terms Menu ?");
}

void TfrmFileSelection::btnFileManClearTermsExcludeClick() {
    ClearMenu(*ui_->cboFileManTermsExclude, "0549", "Empty List in the Exclude Terms Menu!\n", "0550",
              "Do you want to delete all the item(s) from the Exclude Terms Menu ?");
}

void TfrmFileSelection::EnableNamesMode(bool flag) {
    ui_->lblMagyarazat->setEnabled(flag);
    ui_->cboFileManNames->setEnabled(flag);
    QWidget* const typeControls[] = {
        ui_->rdoAllFileTypes,        ui_->rdoExcludedFileTypes,   ui_->rdoIncludedFileTypes,
        ui_->rdoSelectOneFileTypes,  ui_->cboSelectOneFileTypes,  ui_->edtFileTypesSelect,
        ui_->lblFileTypesAdd,        ui_->edtFileTypesAdd,        ui_->btnFileTypesAdd,
        ui_->lstFileTypesInclude,    ui_->lblFileTypesInclude,    ui_->lstFileTypesExclude,
        ui_->lblFileTypesExclude,    ui_->btnFileTypesIncToExc,   ui_->btnFileTypesExcToInc,
        ui_->btnFileTypesAllFromInc, ui_->btnFileTypesAllFromExc, ui_->btnFileTypesDelete,
        ui_->btnFileTypesRemoveAll};
    for (QWidget* control : typeControls)
        control->setEnabled(!flag);
}

void TfrmFileSelection::SetTypeRadios(bool flag) {
    for (QAbstractButton* radio : {static_cast<QAbstractButton*>(ui_->rdoAllFileTypes),
                                   static_cast<QAbstractButton*>(ui_->rdoExcludedFileTypes),
                                   static_cast<QAbstractButton*>(ui_->rdoIncludedFileTypes),
                                   static_cast<QAbstractButton*>(ui_->rdoSelectOneFileTypes)})
        SetTicked(radio, flag);
}

void TfrmFileSelection::EnableTypeChoices(bool flag) {
    ui_->cboSelectOneFileTypes->setEnabled(flag);
    ui_->rdoIncludedFileTypes->setEnabled(flag);
    ui_->rdoSelectOneFileTypes->setEnabled(flag);
    if (!flag) {
        SetTicked(ui_->rdoIncludedFileTypes, false);
        SetTicked(ui_->rdoExcludedFileTypes, false);
        SetTicked(ui_->rdoSelectOneFileTypes, false);
    }
    SetTicked(ui_->rdoAllFileTypes, true);
}

void TfrmFileSelection::ApplyTypeFlags() {
    SetTicked(ui_->rdoAllFileTypes, GetAllTypesSelected() != 0);
    SetTicked(ui_->rdoExcludedFileTypes, GetExcludedTypesSelected() != 0);
    SetTicked(ui_->rdoIncludedFileTypes, GetIncludedTypesSelected() != 0);
    SetTicked(ui_->rdoSelectOneFileTypes, GetSelectOneTypeSelected() != 0);
}

void TfrmFileSelection::rdoFileManNamesClick() {
    EnableNamesMode(true);
    SetTypeRadios(false);
    ui_->cboFileManNames->SetText("*.*");
}

void TfrmFileSelection::rdoFileManTypesClick() {
    EnableNamesMode(false);
    ui_->cboFileManNames->SetText(" ");
    ApplyTypeFlags();
    ui::ComboBox& oneType = *ui_->cboSelectOneFileTypes;
    oneType.setEnabled(GetSelectOneTypeSelected() == 1);
    // The stored type is selected where the sorted list puts it, so that the
    // next OK stores that type again and not whichever happens to be last.
    const std::string oneTypeText = GetSelectOneTypeText();
    if (!Trim(oneTypeText).empty()) {
        int index = oneType.IndexOf(oneTypeText);
        if (index < 0)
            index = oneType.AddItem(oneTypeText);
        oneType.SetItemIndex(index);
    }
    if (!ui_->rdoAllFileTypes->isChecked() && !ui_->rdoExcludedFileTypes->isChecked() &&
        !ui_->rdoIncludedFileTypes->isChecked() && !ui_->rdoSelectOneFileTypes->isChecked())
        SetTicked(ui_->rdoAllFileTypes, true);
}

void TfrmFileSelection::chkFileManTermIncludeClick() {
    const bool checked = ui_->chkFileManTermInclude->isChecked();
    if (!checked)
        ui_->cboFileManTermsInclude->SetText(" ");
    ui_->cboFileManTermsInclude->setEnabled(checked);
}

void TfrmFileSelection::chkFileManTermExcludeClick() {
    const bool checked = ui_->chkFileManTermExclude->isChecked();
    if (!checked)
        ui_->cboFileManTermsExclude->SetText(" ");
    ui_->cboFileManTermsExclude->setEnabled(checked);
}

void TfrmFileSelection::rdoAllFileTypesClick() {
    ui_->cboSelectOneFileTypes->setEnabled(false);
}

void TfrmFileSelection::rdoExcludedFileTypesClick() {
    ui_->cboSelectOneFileTypes->setEnabled(false);
}

void TfrmFileSelection::rdoIncludedFileTypesClick() {
    ui_->cboSelectOneFileTypes->setEnabled(false);
}

void TfrmFileSelection::rdoSelectOneFileTypesClick() {
    ui_->cboSelectOneFileTypes->setEnabled(true);
}

bool FileSelectionConfirmed() {
    return frmFileSelection && ui::desktop().ShowModal(*frmFileSelection) == ui::Answer::Ok;
}

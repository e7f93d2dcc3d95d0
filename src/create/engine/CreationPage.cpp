#include "create/engine/CreationPage.h"

#include "create/engine/AttachOptions.h"
#include "tools/ControlOnForm.h"
#include "tools/NameFieldChecks.h"
#include "ui/ClickHandlersByName.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Guard.h"
#include "ui/ListBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

CreationPage::CreationPage(MainWindowServices& mainWindow, QWidget* parent, const CreationPageTexts& texts)
    : QWidget(parent), mainWindow_(mainWindow),
      walk_(block_, fileSizeMap_,
            {.runTexts = texts.runWalk,
             .simulationTexts = texts.simulationWalk,
             .report = [](const ui::MessageBoxRequest& box) { ui::desktop().MessageBox(box); }}),
      texts_(texts) {}

void CreationPage::BindCreationControls(const std::string& pageName, const std::string& statisticsName,
                                        std::function<QWidget*()> statisticsWindow) {
    block_.BindPage(*this, "lbl" + pageName);
    pageName_ = pageName;
    statisticsName_ = statisticsName;
    statisticsWindow_ = std::move(statisticsWindow);
    structureList_ = FindControl<ui::ListBox>(*this, "lst" + pageName + "AddFolderStructure");
    addStructure_ = FindControl<QWidget>(*this, "btn" + pageName + "AddFolderStructure");
    structureControls_ = {structureList_, addStructure_,
                          FindControl<QWidget>(*this, "btn" + pageName + "ViewFolderStructure"),
                          FindControl<QWidget>(*this, "btn" + pageName + "RemoveFolderStructure")};
    const std::string attach = "rdo" + pageName + "Attach";
    attachNothing_ = FindControl<QRadioButton>(*this, attach + "Nothing");
    mainFolderWithFiles_ = FindControl<QRadioButton>(*this, attach + "MainFolderWithFiles");
    mainFolderWithoutFiles_ = FindControl<QRadioButton>(*this, attach + "MainFolderWithoutFiles");
    subFoldersOnlyWithFiles_ = FindControl<QRadioButton>(*this, attach + "SubFoldersOnlyWithFiles");
    subFoldersOnlyWithoutFiles_ = FindControl<QRadioButton>(*this, attach + "SubFoldersOnlyWithoutFiles");
    commonControls_ = structureControls_;
    for (const char* name :
         {"edt%Prefix", "lbl%Prefix", "edt%Suffix", "lbl%Suffix", "chk%Hyphen", "lbl%StartFolder",
          "lbl%EndFolder", "lbl%StartFolderCimke", "lbl%EndFolderCimke", "chk%ViewDetailedResults",
          "btn%Undo", "rdo%AttachMainFolderWithFiles", "rdo%AttachMainFolderWithoutFiles",
          "rdo%AttachSubFoldersOnlyWithFiles", "rdo%AttachSubFoldersOnlyWithoutFiles", "rdo%AttachNothing"}) {
        std::string controlName = name;
        controlName.replace(3, 1, pageName);
        commonControls_.push_back(FindControl<QWidget>(*this, controlName));
    }
    statisticsGroup_ = FindControl<QWidget>(*this, "grp" + pageName + "Statistics");
    createFolders_ = FindControl<QPushButton>(*this, "btn" + pageName + "CreateFolders");
    createFoldersSimulation_ = FindControl<QPushButton>(*this, "btn" + pageName + "CreateFoldersSimulation");
    progressBar_ = FindControl<QProgressBar>(*this, "pb" + pageName + "ProgressBar");
    viewDetailedResults_ = FindControl<QCheckBox>(*this, "chk" + pageName + "ViewDetailedResults");
    viewDestination_ = findChild<QCheckBox*>(QString::fromStdString("chk" + pageName + "ViewDestFolder"));
    destinations_ = findChild<ui::ComboBox*>(QString::fromStdString("cbo" + pageName + "DestFolders"));
    ConnectSharedHandlers();
    ConnectClickHandlersByName(*this);
}

void CreationPage::BindIncludeExcludeLists(ui::ListBox& include, ui::ListBox& exclude) {
    lists_ = {this,
              &include,
              &exclude,
              FindControl<QLabel>(*this, "lbl" + pageName_ + "IncludeSum"),
              FindControl<QLabel>(*this, "lbl" + pageName_ + "ExcludeSum"),
              progressBar_,
              FindControl<QLineEdit>(*this, "edt" + pageName_ + "AddToList"),
              FindControl<QWidget>(*this, "btn" + pageName_ + "DeleteExcludeAll")};
    ConnectHandlerByName(*this, lists_.entry, &QLineEdit::returnPressed,
                         "edt" + pageName_ + "AddToListKeyPress");
}

IncludeExcludePair CreationPage::ListPair() {
    return IncludeExcludePair(
        lists_, runInProgress_, [this] { RefreshAfterListChange(); }, texts_.lists);
}

std::vector<std::string> CreationPage::IncludeItems() const {
    return lists_.include->Items();
}

double CreationPage::PlannedFolders() const {
    return static_cast<double>(lists_.include->Count());
}

void CreationPage::SetPageControlsEnabled(bool enabled) {
    SetListControlsEnabled(enabled);
    SetNameControlsEnabled(enabled);
}

void CreationPage::RefreshAfterListChange() {
    UpdatePreview();
    const bool items = lists_.include->Count() > 0;
    if (items)
        SetListControlsEnabled(true);
    SetNameControlsEnabled(items);
    UpdateCreateButtons();
    Replan();
    ListPair().ShowCounts();
    progressBar_->hide();
}

void CreationPage::ResetCountersAndPreview() {
    ResetAllCounters();
    RefreshResultLabels();
    ClearPreview();
    structureList_->SetHorizontalExtent(3000);
    if (lists_.include)
        ListPair().Initialise();
}

void CreationPage::ClearPreview() {
    FindControl<QLabel>(*this, "lbl" + pageName_ + "StartFolder")->clear();
    FindControl<QLabel>(*this, "lbl" + pageName_ + "EndFolder")->clear();
}

void CreationPage::ClearAllFields() {
    if (runInProgress_)
        return;
    if (ui::ShowBox(this, texts_.clearFieldsQuestionCaption,
                    "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to "
                    "Stop the delete process.",
                    ui::Icon::Question, ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::No)
        return;
    if (destinations_)
        destinations_->SetItemIndex(destinations_->Count() > 0 ? 0 : -1);
    if (lists_.include) {
        lists_.entry->clear();
        lists_.include->Clear();
        lists_.exclude->Clear();
        lists_.includeCount->setText("0");
        lists_.excludeCount->setText("0");
    }
    ClearOwnFields();
    {
        // The preview goes anyway; its handlers would read the fields being
        // emptied (the numbers page its range) and show it meanwhile.
        auto* prefix = FindControl<QLineEdit>(*this, "edt" + pageName_ + "Prefix");
        auto* suffix = FindControl<QLineEdit>(*this, "edt" + pageName_ + "Suffix");
        auto* hyphen = FindControl<QCheckBox>(*this, "chk" + pageName_ + "Hyphen");
        const QSignalBlocker quietPrefix(prefix);
        const QSignalBlocker quietSuffix(suffix);
        const QSignalBlocker quietHyphen(hyphen);
        prefix->clear();
        suffix->clear();
        hyphen->setChecked(true);
    }
    ClearPreview();
    structureList_->Clear();
    ResetAllCounters();
    ClearAllResultLists();
    RefreshResultLabels();
    RefreshStatisticLabels();
    SetPageControlsEnabled(false);
    ui::ShowBox(this, texts_.clearFieldsEndCaption, texts_.clearFieldsEndText, texts_.clearFieldsEndIcon);
}

void CreationPage::ConnectSharedHandlers() {
    // The page names these handlers; each field is checked on every change
    // and again when it is left.
    const std::string& page = pageName_;
    auto* prefix = FindControl<QLineEdit>(*this, "edt" + page + "Prefix");
    auto* suffix = FindControl<QLineEdit>(*this, "edt" + page + "Suffix");
    ConnectHandlerByName(*this, prefix, &QLineEdit::textChanged, "edt" + page + "PrefixChange");
    ConnectHandlerByName(*this, prefix, &QLineEdit::editingFinished, "edt" + page + "PrefixExit");
    ConnectHandlerByName(*this, suffix, &QLineEdit::textChanged, "edt" + page + "SuffixChange");
    ConnectHandlerByName(*this, suffix, &QLineEdit::editingFinished, "edt" + page + "SuffixExit");
    ConnectHandlerByName(*this, FindControl<QCheckBox>(*this, "chk" + page + "Hyphen"), &QCheckBox::toggled,
                         "chk" + page + "HyphenClick");
    if (destinations_)
        ConnectHandlerByName(*this, destinations_, &QComboBox::activated, "cbo" + page + "DestFoldersSelect");
}

void CreationPage::CheckPrefix() {
    CheckNamePart(*FindControl<QLineEdit>(*this, "edt" + pageName_ + "Prefix"), texts_.prefixCaption,
                  "Illegal character in the Prefix : ");
}

void CreationPage::CheckSuffix() {
    CheckNamePart(*FindControl<QLineEdit>(*this, "edt" + pageName_ + "Suffix"), texts_.suffixCaption,
                  "Illegal character in the Suffix : ");
}

void CreationPage::CheckNamePart(QLineEdit& field, const std::string& caption, const std::string& text) {
    CheckNameField(this, checkingField_, runInProgress_, field, caption, text, [this] { UpdatePreview(); });
}

void CreationPage::BindStatisticsWindow() {
    block_.BindStatistics(statisticsWindow_(), "lbl" + statisticsName_, "lst" + statisticsName_);
}

void CreationPage::ShowStatisticsWindow() {
    RefreshStatisticLabels();
    if (QWidget* window = statisticsWindow_())
        window->show();
}

void CreationPage::ResetAllCounters() {
    block_.ResetAllCounters();
}

void CreationPage::ResetResultCounters() {
    block_.ResetResultCounters();
}

void CreationPage::ClearAllResultLists() {
    block_.ClearAllResultLists();
}

void CreationPage::ClearResultLists() {
    block_.ClearResultLists();
}

void CreationPage::ClearStatisticLists() {
    BindStatisticsWindow();
    block_.ClearStatisticLists();
}

void CreationPage::RefreshResultLabels() {
    block_.RefreshResultLabels();
}

void CreationPage::RefreshStatisticLabels() {
    BindStatisticsWindow();
    block_.RefreshStatisticLabels();
}

void CreationPage::RecordCreated(const std::string& name, const std::optional<platform::EntryDetails>& made) {
    BindStatisticsWindow();
    block_.RecordCreated(name, made);
}

void CreationPage::RecordExists(const std::string& name) {
    BindStatisticsWindow();
    block_.RecordExists(name, ChargedStructures());
}

void CreationPage::RecordOther(const std::string& name) {
    BindStatisticsWindow();
    block_.RecordOther(name, ChargedStructures());
}

const StructureTotals* CreationPage::ChargedStructures() const {
    return attachNothing_->isChecked() ? nullptr : &structureTotals_;
}

AttachMode CreationPage::SelectedAttachMode() const {
    if (mainFolderWithFiles_->isChecked())
        return AttachMode::MainFolderWithFiles;
    if (mainFolderWithoutFiles_->isChecked())
        return AttachMode::MainFolderWithoutFiles;
    if (subFoldersOnlyWithFiles_->isChecked())
        return AttachMode::SubFoldersOnlyWithFiles;
    if (subFoldersOnlyWithoutFiles_->isChecked())
        return AttachMode::SubFoldersOnlyWithoutFiles;
    return AttachMode::Nothing;
}

std::vector<std::string> CreationPage::StructureItems() const {
    return structureList_->Items();
}

void CreationPage::UpdateCreateButtons(bool /*enabled*/) {
    const bool enable =
        (attachNothing_->isEnabled() && attachNothing_->isChecked()) || structureList_->Count() > 0;
    createFolders_->setEnabled(enable);
    createFoldersSimulation_->setEnabled(enable);
}

void CreationPage::Replan() {
    ResetAllCounters();
    PlanToCreate();
    RefreshResultLabels();
    RefreshStatisticLabels();
}

void CreationPage::SetCommonControlsEnabled(bool enabled) {
    for (QWidget* control : commonControls_)
        control->setEnabled(enabled);
    // The statistics labels and their row and column captions.
    for (QLabel* label : statisticsGroup_->findChildren<QLabel*>())
        label->setEnabled(enabled);
}

void CreationPage::EnableStructureControls() {
    const bool structures = !attachNothing_->isChecked();
    for (QWidget* control : structureControls_)
        control->setEnabled(structures);
}

void CreationPage::PlanToCreate() {
    if (attachNothing_->isChecked()) {
        block_.Counters.ToCreate = CounterRow{PlannedFolders(), 0, 0, 0};
        return;
    }
    CheckFreeSpace(WithFilesModeChecked());
}

QRadioButton& CreationPage::AttachRadio(AttachMode mode) const {
    switch (mode) {
    case AttachMode::MainFolderWithFiles:
        return *mainFolderWithFiles_;
    case AttachMode::MainFolderWithoutFiles:
        return *mainFolderWithoutFiles_;
    case AttachMode::SubFoldersOnlyWithFiles:
        return *subFoldersOnlyWithFiles_;
    case AttachMode::SubFoldersOnlyWithoutFiles:
        return *subFoldersOnlyWithoutFiles_;
    case AttachMode::Nothing:
        break;
    }
    return *attachNothing_;
}

void CreationPage::AttachOptionClicked(AttachMode mode) {
    if (runInProgress_)
        return;
    AttachOptionPage page;
    page.structureControls = structureControls_;
    page.resetAllCounters = [this] { ResetAllCounters(); };
    page.planFolders = [this] { block_.Counters.ToCreate.Folders = PlannedFolders(); };
    page.checkFreeSpace = [this](bool withFiles) { CheckFreeSpace(withFiles); };
    page.planFoldersBeforeCheck = planFoldersBeforeCheck_;
    page.refreshResultLabels = [this] { RefreshResultLabels(); };
    page.refreshStatisticLabels = [this] { RefreshStatisticLabels(); };
    page.updateCreateButtons = [this](bool enabled) { UpdateCreateButtons(enabled); };
    AttachOptionClick(page, mode, AttachRadio(mode).isChecked());
}

StructureList CreationPage::Structures() {
    StructureListPage page = structureWays_;
    page.page = this;
    page.list = structureList_;
    page.createButton = createFolders_;
    page.simulationButton = createFoldersSimulation_;
    page.busy = &runInProgress_;
    page.replan = [this] { Replan(); };
    page.updateCreateButtons = [this](bool enabled) { UpdateCreateButtons(enabled); };
    return StructureList(std::move(page), texts_.structures);
}

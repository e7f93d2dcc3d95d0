// The create run of every creation page and its simulation, one loop for
// both: the checks, the question, then one main folder per item the page
// reads, counted, listed and shown as it goes; and Undo of the last run.

#include "create/engine/CreationPage.h"

#include "common/FrameworkText.h"
#include "create/engine/CreationUndo.h"
#include "create/engine/RunChecks.h"
#include "create/engine/RunEndBox.h"
#include "create/engine/StructureScan.h"
#include "runs/PageRunGuard.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/ShellOpening.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>

void CreationPage::ScanAllStructures(bool withFiles) {
    const AttachMode mode = SelectedAttachMode();
    const bool subfoldersOnly =
        mode == AttachMode::SubFoldersOnlyWithFiles || mode == AttachMode::SubFoldersOnlyWithoutFiles;
    ::ScanAllStructures(StructureItems(), !subfoldersOnly, withFiles, structureTotals_, fileSizeMap_);
}

void CreationPage::PrepareStatisticsWindow(bool realRun) {
    BindStatisticsWindow();
    QWidget* window = statisticsWindow_();
    if (!window)
        return;
    auto* normalSimulate =
        window->findChild<QCheckBox*>(QString::fromStdString("chk" + statisticsName_ + "NormalSimulate"));
    auto* title = window->findChild<QLabel*>(QString::fromStdString("lbl" + pageName_ + "NormalSimulate"));
    if (normalSimulate && title)
        ShowRunKind(*normalSimulate, *title, realRun);
}

std::optional<CreationRunItems>
CreationPage::IncludeRunItems(const CreationRunTexts& texts, std::vector<std::string> items,
                              std::function<void(MainFolderStep& step, const std::string& item)> step) {
    if (items.empty()) {
        ui::ShowBox(this, texts.emptyListCaption, texts.emptyListText, ui::Icon::Warning);
        return std::nullopt;
    }
    const uint64_t count = items.size();
    return CreationRunItems{
        count, [items = std::move(items), step = std::move(step)](MainFolderStep& folder, uint64_t index) {
            step(folder, items[index]);
        }};
}

CreationRunTexts CreationPage::RunTexts(bool simulate) const {
    CreationRunTexts texts = simulate ? texts_.simulation : texts_.run;
    texts.simulate = simulate;
    texts.questionText =
        simulate ? mainWindow_.Texts().CreateSimulationIntroText : "Do you want to create folders ?\n";
    texts.endText =
        simulate ? mainWindow_.Texts().CreateSimulationEndText : "End of Creating Folders/Files !!!";
    texts.disabledTabs = texts_.otherCreationTabs;
    // A real run keeps the manage pages out of reach as well.
    if (!simulate)
        texts.disabledTabs.insert(texts.disabledTabs.end(),
                                  {"tabFoldersCopy02", "tabFoldersRename01", "tabFoldersDelete01"});
    return texts;
}

void CreationPage::CreateFolders(bool simulate) {
    const CreationRunTexts texts = RunTexts(simulate);
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);

    if (!ReadyToRun(texts))
        return;
    if (WithFilesModeChecked() && !CheckFreeSpace(true))
        return;
    // What was checked is what runs: the page takes no input while the question is up.
    MainFolderStepSettings settings = stepSettings_;
    settings.simulate = texts.simulate;
    settings.mode = SelectedAttachMode();
    settings.structures = StructureItems();
    settings.totals = &structureTotals_;
    settings.owner = this;
    settings.refusalCaption = texts.refusalCaption;
    if (!CheckAttachStructures(this, settings.mode, settings.structures, texts.noStructureCaption,
                               texts.missingStructureCaption, addStructure_))
        return;
    if (ui::ShowBox(this, texts.questionCaption, texts.questionText, ui::Icon::Question, ui::Buttons::YesNo,
                    ui::Answer::No) != ui::Answer::Yes)
        return;

    PrepareStatisticsWindow(!texts.simulate);
    BeginCreationRun(block_, walk_, texts.simulate);
    QWidget* statistics = statisticsWindow_();
    if (viewDetailedResults_->isChecked() && statistics)
        statistics->show();

    OtherTabsDisabled tabs(mainWindow_, texts.disabledTabs);
    if (std::optional<CreationRunItems> items = ReadRunItems(texts)) {
        MainFolderStep step(block_, walk_, std::move(settings));
        ForEachRunItem(block_.Repaints(), {window(), statistics}, *progressBar_, items->count,
                       [&](uint64_t index) { items->step(step, index); });
        progressBar_->hide();
        ShowRunEndBox(this, texts.endCaption, texts.endText, block_.Counters, ui::Icon::Information);
        if (viewDestination_ && viewDestination_->isChecked())
            ui::OpenInShell(Trim(destinations_->Text()));
    }
    progressBar_->hide();
    tabs.EnableAgain();
}

void CreationPage::UndoLastRun() {
    if (runInProgress_)
        return;
    PageRunGuard busy(runInProgress_, *this);
    BindStatisticsWindow();
    UndoCreationRun(this, block_, stepSettings_.filesOfNewestFolderOnly ? &walk_.CreatedFilesList : nullptr,
                    texts_.undo);
}

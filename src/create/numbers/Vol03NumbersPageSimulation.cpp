// The increased-numbers page's simulation: the run's checks, then what the
// run would create, find existing or refuse, number by number, counted and
// listed without touching the disk (CreateFolders in its simulation mode).
// The main window's result lists, and so the last run's undo list, stay as
// they are.

#include "create/numbers/Vol03NumbersPage.h"

#include "ui/Desktop.h"

#include "ui_Vol03NumbersPage.h"

#include <QLineEdit>

namespace {

const std::string Title = "Simulate Creating Folder(s).-Increased Numbers.";

// A simulation covers at most this many numbers past the first.
constexpr int64_t SimulationLimit = 30000;

NumbersRunTexts SimulationTexts(const MainWindowTexts& shared) {
    NumbersRunTexts texts;
    texts.startAfterEndCaption = Title + "    Warning no: 0461.";
    texts.startAfterEndReadCaption = Title + "    Warning no: 0468.";
    CreationRunTexts& run = texts.run;
    run.simulate = true;
    run.noStructureCaption = Title + "\t\t\tWarning no: 0463.";
    run.missingStructureCaption = Title + "\t\t\tWarning no: 0464.";
    run.questionCaption = "Simulate Creating Folder(s).- Increased Numbers.            Information no: 0465.";
    run.questionText = shared.CreateSimulationIntroText;
    run.refusalCaption = Title + "\t\t\tWarning no: 0466.";
    run.endCaption = Title + "            Information no: 0467.";
    run.endText = shared.CreateSimulationEndText;
    run.disabledTabs = {"tabFolderCreate05", "tabFolderCreate03", "tabFolderCreate01"};
    return texts;
}

} // namespace

bool Vol03NumbersPage::SimulationRangeTooWide() {
    if (static_cast<int64_t>(EndNumber) - StartNumber <= SimulationLimit)
        return false;
    ui::ShowBox(this, Title + "    Warning no: 0462.",
                "The difference between End Number and Start Number is more than 30000.!\n",
                ui::Icon::Warning);
    ui_->edtVol03EndNumber->setFocus();
    return true;
}

void Vol03NumbersPage::btnVol03CreateFoldersSimulationClick() {
    NumbersRunTexts texts = SimulationTexts(mainWindow_.Texts());
    texts.rangeTooWide = [](Vol03NumbersPage& page) { return page.SimulationRangeTooWide(); };
    CreateFolders(texts);
}

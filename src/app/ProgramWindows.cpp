#include "app/ProgramWindows.h"

#include "app/TfrmMain.h"
#include "create/numbers/TfrmStatistic03.h"
#include "create/paths/TfrmStatistic04.h"
#include "create/paths/TfrmVol04EditIncludeList.h"
#include "create/strings/TfrmStatistic02.h"
#include "create/strings/TfrmVol02EditIncludeList.h"
#include "manage/copy/TfrmStatistic08.h"
#include "manage/copy/TfrmVol08EditIncludeList.h"
#include "manage/delete/TfrmStatistics07.h"
#include "manage/delete/TfrmVol07EditIncludeList.h"
#include "manage/rename/TfrmStatistic06.h"
#include "manage/rename/TfrmVol06EditIncludeList.h"
#include "tools/TAboutBox.h"
#include "tools/TForcedUnSuccessFullForm.h"
#include "tools/TSubFolderUnSuccessFullForm.h"
#include "tools/TfrmAltalanosHelp.h"
#include "tools/TfrmDelimiters.h"
#include "tools/TfrmDriveSelect.h"
#include "tools/TfrmExamplesCopy.h"
#include "tools/TfrmExamplesCreateFolders.h"
#include "tools/TfrmExamplesDelete.h"
#include "tools/TfrmExamplesIncreasedNumbers.h"
#include "tools/TfrmExamplesRename.h"
#include "tools/TfrmFLLEditIncludeFolderList.h"
#include "tools/TfrmFileExport.h"
#include "tools/TfrmFileImport.h"
#include "tools/TfrmFileSelection.h"
#include "tools/TfrmLevelSummFolder.h"
#include "tools/TfrmLicenseSingleUser.h"
#include "tools/TfrmMoreHelp.h"
#include "tools/TfrmOverViewHelp.h"
#include "tools/TfrmQuotationMarks.h"
#include "tools/TfrmSubFolderListBuilder.h"
#include "tools/TfrmVideoTutorials.h"

#include <functional>
#include <vector>

namespace {

// How to take each window down again, in the order the windows were made.
std::vector<std::function<void()>>& Destroyers() {
    static std::vector<std::function<void()>> destroyers;
    return destroyers;
}

// The tool windows belong to the main window, so that they open centred on it
// and stay in front of it.
template <typename Window> void Create(Window*& pointer) {
    pointer = new Window(frmMain);
    Destroyers().push_back([&pointer] {
        delete pointer;
        pointer = nullptr;
    });
}

} // namespace

bool ProgramWindowsExist() {
    return frmMain != nullptr;
}

void CreateProgramWindows() {
    if (ProgramWindowsExist())
        return;
    frmMain = new TfrmMain();
    Destroyers().push_back([] {
        delete frmMain;
        frmMain = nullptr;
    });
    Create(frmLevelSummFolder);
    Create(AboutBox);
    Create(frmFileExport);
    Create(frmFileImport);
    Create(frmFileSelection);
    Create(ForcedUnSuccessFullForm);
    Create(frmAltalanosHelp);
    Create(frmMoreHelp);
    Create(frmOverViewHelp);
    Create(frmLicenseSingleUser);
    Create(frmQuotationMarks);
    Create(frmDelimiters);
    Create(frmSubFolderListBuilder);
    Create(SubFolderUnSuccessFullForm);
    Create(frmVideoTutorials);
    Create(frmFLLEditIncludeFolderList);
    Create(frmStatistic08);
    Create(frmVol02EditIncludeList);
    Create(frmStatistic02);
    Create(frmStatistic03);
    Create(frmVol04EditIncludeList);
    Create(frmStatistic04);
    Create(frmVol06EditIncludeList);
    Create(frmStatistic06);
    Create(frmVol07EditIncludeList);
    Create(frmStatistics07);
    Create(frmVol08EditIncludeList);
    Create(frmExamplesRename);
    Create(frmExamplesCopy);
    Create(frmExamplesCreateFolders);
    Create(frmExamplesIncreasedNumbers);
    Create(frmDriveSelect);
    Create(frmExamplesDelete);
}

void DestroyProgramWindows() {
    auto& destroyers = Destroyers();
    while (!destroyers.empty()) {
        destroyers.back()();
        destroyers.pop_back();
    }
}

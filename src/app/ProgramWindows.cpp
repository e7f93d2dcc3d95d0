#include "app/ProgramWindows.h"

#include "app/TfrmMain.h"
#include "app/tools/TAboutBox.h"
#include "app/tools/TForcedUnSuccessFullForm.h"
#include "app/tools/TSubFolderUnSuccessFullForm.h"
#include "app/tools/TfrmAltalanosHelp.h"
#include "app/tools/TfrmDelimiters.h"
#include "app/tools/TfrmDriveSelect.h"
#include "app/tools/TfrmExamplesCopy.h"
#include "app/tools/TfrmExamplesCreateFolders.h"
#include "app/tools/TfrmExamplesDelete.h"
#include "app/tools/TfrmExamplesIncreasedNumbers.h"
#include "app/tools/TfrmExamplesRename.h"
#include "app/tools/TfrmFLLEditIncludeFolderList.h"
#include "app/tools/TfrmFileExport.h"
#include "app/tools/TfrmFileImport.h"
#include "app/tools/TfrmFileSelection.h"
#include "app/tools/TfrmLevelSummFolder.h"
#include "app/tools/TfrmLicenseSingleUser.h"
#include "app/tools/TfrmMoreHelp.h"
#include "app/tools/TfrmOverViewHelp.h"
#include "app/tools/TfrmQuotationMarks.h"
#include "app/tools/TfrmSubFolderListBuilder.h"
#include "app/tools/TfrmVideoTutorials.h"
#include "create/TfrmStatistic02.h"
#include "create/TfrmStatistic03.h"
#include "create/TfrmStatistic04.h"
#include "create/TfrmVol02EditIncludeList.h"
#include "create/TfrmVol04EditIncludeList.h"
#include "manage/TfrmStatistic06.h"
#include "manage/TfrmStatistic08.h"
#include "manage/TfrmStatistics07.h"
#include "manage/TfrmVol06EditIncludeList.h"
#include "manage/TfrmVol07EditIncludeList.h"
#include "manage/TfrmVol08EditIncludeList.h"

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

#include "support/ProgramWindowsFixture.h"

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
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"

#include <functional>
#include <memory>
#include <vector>

namespace testsupport {

namespace {

std::unique_ptr<DriveSandbox>& StartSandbox() {
    static std::unique_ptr<DriveSandbox> sandbox;
    return sandbox;
}

std::vector<std::function<void()>>& Restorers() {
    static std::vector<std::function<void()>> restorers;
    return restorers;
}

template <typename Window> void Remember(Window*& pointer) {
    Window* created = pointer;
    Restorers().push_back([&pointer, created] { pointer = created; });
}

void RememberAll() {
    Remember(frmMain);
    Remember(frmLevelSummFolder);
    Remember(AboutBox);
    Remember(frmFileExport);
    Remember(frmFileImport);
    Remember(frmFileSelection);
    Remember(ForcedUnSuccessFullForm);
    Remember(frmAltalanosHelp);
    Remember(frmMoreHelp);
    Remember(frmOverViewHelp);
    Remember(frmLicenseSingleUser);
    Remember(frmQuotationMarks);
    Remember(frmDelimiters);
    Remember(frmSubFolderListBuilder);
    Remember(SubFolderUnSuccessFullForm);
    Remember(frmVideoTutorials);
    Remember(frmFLLEditIncludeFolderList);
    Remember(frmStatistic08);
    Remember(frmVol02EditIncludeList);
    Remember(frmStatistic02);
    Remember(frmStatistic03);
    Remember(frmVol04EditIncludeList);
    Remember(frmStatistic04);
    Remember(frmVol06EditIncludeList);
    Remember(frmStatistic06);
    Remember(frmVol07EditIncludeList);
    Remember(frmStatistics07);
    Remember(frmVol08EditIncludeList);
    Remember(frmExamplesRename);
    Remember(frmExamplesCopy);
    Remember(frmExamplesCreateFolders);
    Remember(frmExamplesIncreasedNumbers);
    Remember(frmDriveSelect);
    Remember(frmExamplesDelete);
}

} // namespace

void EnsureProgramWindows() {
    if (ProgramWindowsExist())
        return;
    // A sandbox maps C: and makes its root the current directory.
    StartSandbox() = std::make_unique<DriveSandbox>("C");
    ScriptedDesktop silent;
    CreateProgramWindows();
    RememberAll();
}

void RestoreProgramWindowPointers() {
    for (const auto& restore : Restorers())
        restore();
}

} // namespace testsupport

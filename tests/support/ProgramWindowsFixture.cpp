#include "support/ProgramWindowsFixture.h"

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
#include "support/DriveSandbox.h"
#include "support/ScriptedDesktop.h"
#include "support/SharedSettingsGuard.h"
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

// Points every process-wide window pointer (frmMain, frmFileExport ...) at the
// window the entry created for it again, whatever a test put there since.
void RestoreProgramWindowPointers() {
    for (const auto& restore : Restorers())
        restore();
}

// Whether a test has been given the windows that exist.
bool& GivenOut() {
    static bool given = false;
    return given;
}

} // namespace

void DestroyProgramWindowsAndTheirSandbox() {
    if (ProgramWindowsExist()) {
        RestoreProgramWindowPointers();
        DestroyProgramWindows();
    }
    Restorers().clear();
    // The drive table goes back to the one the windows were made under.
    StartSandbox().reset();
    GivenOut() = false;
}

void EnsureProgramWindows() {
    if (ProgramWindowsExist())
        return;
    // A sandbox maps C: and makes its root the current directory.
    StartSandbox().reset();
    StartSandbox() = std::make_unique<DriveSandbox>("C");
    ScriptedDesktop silent;
    CreateProgramWindows();
    RememberAll();
}

void GiveProgramWindowsToATest() {
    if (GivenOut())
        DestroyProgramWindowsAndTheirSandbox();
    if (!ProgramWindowsExist()) {
        // The settings the start-up finds are those of a program just started,
        // whatever an earlier test left in them.
        SharedSettingsGuard::ResetToStart();
        EnsureProgramWindows();
    }
    RestoreProgramWindowPointers();
    GivenOut() = true;
}

} // namespace testsupport

#include "tools/LocalTutorialPage.h"

#include "common/FrameworkPaths.h"
#include "common/SettingLists.h"
#include "ui/Desktop.h"

void OpenLocalTutorialPage() {
    // The shell gets the page's full path, so the current directory need not
    // be switched to the start directory and back.
    ui::desktop().ShellOpen(IncludeTrailingPathDelimiter(GetStartDirectory()) + "basic.htm");
}

void OpenMakerHomePage() {
    // Until the project has a web page of its own, the local tutorial stands in.
    OpenLocalTutorialPage();
}

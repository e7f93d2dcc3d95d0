// The paths page's state at start-up, help and examples; also where the
// handlers of its fields are connected (prefix, suffix and Hyphen, the
// structures and attach options are its base's).

#include "create/paths/Vol04PathsPage.h"

#include "tools/TfrmExamplesCreateFolders.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_Vol04PathsPage.h"

void Vol04PathsPage::InitialiseAtStart() {
    ResetCountersAndPreview();
    SetPageControlsEnabled(false);
    ListPair().Initialise();
}

void Vol04PathsPage::btnVol04ExamplesClick() {
    ui::desktop().ShowModal(*frmExamplesCreateFolders);
}

#include "create/engine/AttachOptions.h"

#include <QWidget>

void AttachOptionClick(const AttachOptionPage& page, AttachMode mode, bool checked) {
    const bool attaches = mode != AttachMode::Nothing;
    for (QWidget* control : page.structureControls)
        control->setEnabled(attaches);
    page.resetAllCounters();
    if (!attaches) {
        page.planFolders();
    } else {
        if (page.planFoldersBeforeCheck)
            page.planFolders();
        page.checkFreeSpace(AttachesFiles(mode) && checked);
    }
    page.refreshResultLabels();
    page.refreshStatisticLabels();
    page.updateCreateButtons(true);
}

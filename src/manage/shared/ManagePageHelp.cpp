#include "manage/shared/ManagePageHelp.h"

#include "tools/TfrmAltalanosHelp.h"
#include "ui/Desktop.h"

void ShowManagePageHelp(const std::string& topic) {
    if (!frmAltalanosHelp)
        return;
    frmAltalanosHelp->SetHelpTopic(topic);
    frmAltalanosHelp->SetMoreHelpVisible(true);
    ui::desktop().ShowModal(*frmAltalanosHelp);
}

#include "create/engine/CreationPageHelp.h"

#include "tools/TfrmAltalanosHelp.h"
#include "ui/Desktop.h"

void ShowCreationPageHelp(const std::string& topic) {
    frmAltalanosHelp->SetHelpTopic(topic);
    frmAltalanosHelp->SetMoreHelpVisible(true);
    ui::desktop().ShowModal(*frmAltalanosHelp);
}

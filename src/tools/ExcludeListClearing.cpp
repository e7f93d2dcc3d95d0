#include "tools/ExcludeListClearing.h"

#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include <QLabel>

void ClearExcludeList(const ExcludeListClearing& page) {
    if (page.excludeList->Count() == 0) {
        ui::ShowBox(page.owner, page.warningCaption, "Empty List in the Exclude Window!\n",
                    ui::Icon::Warning);
    } else if (ui::ShowBox(page.owner, page.questionCaption,
                           "Do you want to delete all item(s) from the Exclude list ?", ui::Icon::Question,
                           ui::Buttons::YesNo, ui::Answer::No) == ui::Answer::Yes) {
        page.excludeList->Clear();
        page.countLabel->setText("0");
    }
    if (page.refresh)
        page.refresh();
    if (page.button)
        page.button->setFocus();
}

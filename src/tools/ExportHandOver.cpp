#include "tools/ExportHandOver.h"

#include "common/FrameworkPaths.h"
#include "common/FrameworkText.h"
#include "tools/TfrmFileExport.h"
#include "ui/Desktop.h"
#include "ui/ListBox.h"

#include "ui_TfrmFileExport.h"

#include <QProgressBar>

#include <limits>

bool HasDrivePart(const std::string& item) {
    return !ExtractFileDrive(Trim(item)).empty();
}

bool HandOverToFileExport(const std::vector<std::string>& items, const ExportHandOver& how) {
    if (items.empty()) {
        ui::ShowBox(how.owner, how.emptyCaption, how.emptyText, ui::Icon::Warning);
        return false;
    }
    TfrmFileExport& window = *frmFileExport;
    Ui::TfrmFileExport& controls = window.Controls();
    window.ResetExportSource();
    if (how.progressBar) {
        how.progressBar->setMaximum(
            static_cast<int>(std::min<size_t>(items.size(), std::numeric_limits<int>::max())));
        how.progressBar->setValue(0);
        how.progressBar->show();
    }
    int count = 0;
    int position = 0;
    for (const std::string& item : items) {
        if (how.progressBar)
            how.progressBar->setValue(position++);
        if (how.accept && !how.accept(item))
            continue;
        if (controls.lstFileExportSource->Contains(item))
            continue;
        controls.lstFileExportSource->AddItem(item);
        ++count;
        controls.lblSmartExportSource->setText(QString::number(count));
        ui::desktop().ProcessMessages();
    }
    if (how.progressBar)
        how.progressBar->hide();
    if (controls.lstFileExportSource->Count() > 0)
        controls.lstFileExportSource->SetItemIndex(0);
    window.SetListType(how.listType);
    ui::desktop().ShowModal(window);
    return true;
}

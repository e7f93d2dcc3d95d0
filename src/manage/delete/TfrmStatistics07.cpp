#include "manage/delete/TfrmStatistics07.h"

#include "ui_TfrmStatistics07.h"

#include <QLabel>

TfrmStatistics07* frmStatistics07 = nullptr;

TfrmStatistics07::TfrmStatistics07(QWidget* parent) : WindowWithForm(parent) {
    Ui::TfrmStatistics07& form = Controls();
    Attach(form.btnStat07Ok, ResultExportsOf(ManagePage::Delete));
    // Only this window starts its counters at "0" itself.
    for (QLabel* label :
         {form.lblStat07FoldersToDelete, form.lblStat07FoldersDeleted, form.lblStat07FoldersNotExists,
          form.lblStat07FoldersOtherReasons, form.lblStat07FilesToDelete, form.lblStat07FilesDeleted,
          form.lblStat07FilesNotExists, form.lblStat07FilesOtherReasons})
        label->setText("0");
}

TfrmStatistics07::~TfrmStatistics07() = default;

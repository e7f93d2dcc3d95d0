#include "tools/HelpListStyle.h"

#include "ui/ListBox.h"

#include <QFontDatabase>

void StyleHelpList(ui::ListBox& list) {
    list.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list.SetHorizontalExtent(2000);
}

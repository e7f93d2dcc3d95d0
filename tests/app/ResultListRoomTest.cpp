// Result and Include lists give a path room to be read at the size their
// window opens with: enough of a long line shows to tell it from its
// neighbours.

#include "app/TfrmMain.h"
#include "create/numbers/TfrmStatistic03.h"
#include "create/paths/TfrmStatistic04.h"
#include "create/strings/TfrmStatistic02.h"
#include "manage/copy/TfrmStatistic08.h"
#include "manage/delete/TfrmStatistics07.h"
#include "manage/rename/TfrmStatistic06.h"
#include "support/ProgramWindowsFixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QRegularExpression>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

class ResultListRoomTest : public testsupport::ProgramWindowsFixture {};

// Every list of the statistics windows, and the rename page's two lists once
// that page is shown, has the width of sixty characters of a path and a few rows.
TEST_F(ResultListRoomTest, ListsOpenWithRoomForAPath) {
    QTabWidget& tabs = *frmMain->pgeMain();
    const int rename = tabs.indexOf(frmMain->findChild<QWidget*>("tabFoldersRename01"));
    tabs.setTabVisible(rename, true);
    tabs.setCurrentIndex(rename);
    EXPECT_EQ(tabs.currentIndex(), rename) << "a tab shown again is in reach";
    const QString path =
        QString("C:\\tmp\\Clients\\Northwind Traders\\2024\\Quarterly Reports\\Region").left(60);
    for (QWidget* window :
         std::initializer_list<QWidget*>{frmStatistic02, frmStatistic03, frmStatistic04, frmStatistic06,
                                         frmStatistics07, frmStatistic08, frmMain}) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        QApplication::processEvents();
        const QRegularExpression only(window == frmMain ? "^lstVol06(In|Ex)cludeFolderList$" : "");
        const auto lists = window->findChildren<QAbstractScrollArea*>(only);
        ASSERT_FALSE(lists.isEmpty());
        for (QAbstractScrollArea* list : lists) {
            SCOPED_TRACE(list->objectName().toStdString());
            EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance(path));
            EXPECT_GE(list->viewport()->height(), 4 * list->fontMetrics().height()) << "a few rows at least";
        }
        window->hide();
    }
    frmMain->ShowTab("tabFolderCreate03");
    tabs.setTabVisible(rename, false);
}

} // namespace

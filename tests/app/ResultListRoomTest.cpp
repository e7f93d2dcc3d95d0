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
#include "ui/ListBox.h"
#include "ui/ResultList.h"

#include <QApplication>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <string>

namespace {

class ResultListRoomTest : public testsupport::ProgramWindowsFixture {};

// Sixty characters of a path as list files from Windows machines hold them.
QString PathStart() {
    return QString("C:\\tmp\\Clients\\Northwind Traders\\2024\\Quarterly Reports\\Region 7").left(60);
}

TEST_F(ResultListRoomTest, StatisticsWindowsOpenWithRoomForAPath) {
    for (QWidget* window : std::initializer_list<QWidget*>{frmStatistic02, frmStatistic03, frmStatistic04,
                                                           frmStatistic06, frmStatistics07, frmStatistic08}) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        QApplication::processEvents();
        const auto lists = window->findChildren<QAbstractScrollArea*>();
        ASSERT_FALSE(lists.isEmpty());
        for (QAbstractScrollArea* list : lists) {
            SCOPED_TRACE(list->objectName().toStdString());
            EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance(PathStart()));
            EXPECT_GE(list->viewport()->height(), 4 * list->fontMetrics().height()) << "a few rows at least";
        }
        window->hide();
    }
}

TEST_F(ResultListRoomTest, TheRenamePagesListsGiveAPathRoom) {
    QTabWidget& tabs = *frmMain->pgeMain();
    const int tab = tabs.indexOf(frmMain->findChild<QWidget*>("tabFoldersRename01"));
    tabs.setTabVisible(tab, true);
    tabs.setCurrentIndex(tab);
    frmMain->show();
    QApplication::processEvents();
    for (const char* name : {"lstVol06IncludeFolderList", "lstVol06ExcludeFolderList"}) {
        SCOPED_TRACE(name);
        auto* list = frmMain->findChild<ui::ListBox*>(name);
        ASSERT_NE(list, nullptr);
        EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance(PathStart()));
    }
    frmMain->hide();
    frmMain->ShowTab("tabFolderCreate03");
    tabs.setTabVisible(tab, false);
}

} // namespace

// The rename, delete and copy pages are kept but not offered: no key of the
// page control and no step of its tab bar brings one of them to the front.

#include "app/TfrmMain.h"
#include "create/strings/Vol02StringsPage.h"
#include "support/ProgramWindowsFixture.h"

#include "ui_Vol02StringsPage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class HiddenPagesTest : public testsupport::ProgramWindowsFixture {
protected:
    std::string Front() const { return frmMain->pgeMain()->currentWidget()->objectName().toStdString(); }
};

// Each key is sent to the strings page's entry field, as typed there, and
// reaches the page control as such keys do.
TEST_F(HiddenPagesTest, ControlTabGoesRoundTheShownPagesOnly) {
    struct Case {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Names visited;
    } cases[] = {
        {"Ctrl+Tab",
         Qt::Key_Tab,
         Qt::ControlModifier,
         {"tabFolderCreate05", "tabFolderCreate04", "tabFolderCreate01", "tabFolderCreate03",
          "tabFolderCreate05", "tabFolderCreate04", "tabFolderCreate01"}},
        {"Ctrl+Shift+Tab",
         Qt::Key_Backtab,
         Qt::ControlModifier | Qt::ShiftModifier,
         {"tabFolderCreate01", "tabFolderCreate04", "tabFolderCreate05", "tabFolderCreate03",
          "tabFolderCreate01", "tabFolderCreate04", "tabFolderCreate05"}},
    };
    QWidget* field = frmMain->StringsPage().Controls().edtVol02AddToList;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain->ShowTab("tabFolderCreate03");
        Names visited;
        for (size_t i = 0; i < c.visited.size(); ++i) {
            QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
            QApplication::sendEvent(field, &press);
            visited.push_back(Front());
        }
        EXPECT_EQ(visited, c.visited);
    }
    frmMain->ShowTab("tabFolderCreate03");
}

TEST_F(HiddenPagesTest, TheTabBarsOwnStepsStopAtTheShownPages) {
    QTabWidget* pages = frmMain->pgeMain();
    QTabBar* bar = pages->tabBar();
    frmMain->ShowTab("tabFolderCreate01"); // the last shown tab; the hidden ones follow it
    for (int i = 0; i < 3; ++i) {
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(bar, &right);
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        QApplication::sendEvent(bar, &end);
        const QPointF at = bar->rect().center();
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        EXPECT_TRUE(pages->isTabVisible(pages->currentIndex())) << Front();
    }
    // Nor does the program's own call.
    frmMain->ShowTab("tabFolderCreate04");
    frmMain->ShowTab("tabFoldersDelete01");
    EXPECT_EQ(Front(), "tabFolderCreate04");
    frmMain->ShowTab("tabFolderCreate03");
}

} // namespace

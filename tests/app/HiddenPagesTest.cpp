// The rename, delete and copy pages are kept but not offered: no key of the
// page control, no step of its tab bar and no call brings one to the front.

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

#include <map>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class HiddenPagesTest : public testsupport::ProgramWindowsFixture {};

// Ctrl+Tab and Ctrl+Shift+Tab as a keyboard sends them (X11): the first as
// Tab carrying the text "\t", the second as Backtab without text.
void PressPageKey(QWidget* to, bool back) {
    const Qt::Key key = back ? Qt::Key_Backtab : Qt::Key_Tab;
    const Qt::KeyboardModifiers modifiers =
        back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier;
    const QString text = back ? QString() : QStringLiteral("\t");
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(to, &release);
}

std::string PageName(const QWidget* page) {
    return page->objectName().remove("tabFolderCreate").toStdString();
}

TEST_F(HiddenPagesTest, CtrlTabStepsToTheNextShownPageFromWhateverControlHasTheFocus) {
    QTabWidget* pages = frmMain->pgeMain();
    const std::map<std::string, std::string> next = {{"03", "05"}, {"05", "04"}, {"04", "01"}, {"01", "03"}};
    const std::map<std::string, std::string> previous = {
        {"05", "03"}, {"04", "05"}, {"01", "04"}, {"03", "01"}};
    const auto pressOn = [&](QWidget* control, bool back) {
        const std::string from = PageName(pages->currentWidget());
        PressPageKey(control, back);
        EXPECT_EQ(PageName(pages->currentWidget()), (back ? previous : next).at(from))
            << control->objectName().toStdString() << (back ? " Ctrl+Shift+Tab" : " Ctrl+Tab");
    };

    // Twice round, each key where the page that came to the front put the
    // focus; the strings page puts it on its drop-down list.
    frmMain->show();
    frmMain->ShowTab("tabFolderCreate03");
    frmMain->StringsPage().Controls().cboVol02DestFolders->setFocus();
    for (const bool back : {false, true})
        for (int press = 0; press < 8; ++press)
            pressOn(frmMain->focusWidget() ? frmMain->focusWidget() : pages, back);

    // From every control of every shown page that can take the focus.
    int controls = 0;
    for (int index = 0; index < pages->count(); ++index) {
        QWidget* page = pages->widget(index);
        if (!pages->isTabVisible(index))
            continue;
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isEnabled() || !control->isVisibleTo(page))
                continue;
            ++controls;
            for (const bool back : {false, true}) {
                pages->setCurrentIndex(index);
                pressOn(control, back);
            }
        }
    }
    EXPECT_GT(controls, 20);
}

TEST_F(HiddenPagesTest, NoKeyStepNorCallBringsAHiddenPageForward) {
    QTabWidget* pages = frmMain->pgeMain();
    const auto front = [&] {
        return pages->currentWidget()->objectName().remove("tabFolderCreate").toStdString();
    };
    const auto press = [](QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(to, &press);
    };
    // Ctrl+Tab and Ctrl+Shift+Tab, typed in the strings page's field, go round
    // the shown pages and over a disabled one, as over a hidden one.
    QWidget* field = frmMain->StringsPage().Controls().edtVol02AddToList;
    frmMain->SetTabEnabled("tabFolderCreate04", false);
    frmMain->ShowTab("tabFolderCreate03");
    Names visited;
    for (int i = 0; i < 8; ++i) {
        const bool back = i >= 4;
        press(field, back ? Qt::Key_Backtab : Qt::Key_Tab,
              back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        visited.push_back(front());
    }
    frmMain->SetTabEnabled("tabFolderCreate04", true);
    EXPECT_EQ(visited, (Names{"05", "01", "03", "05", "03", "01", "05", "03"}));

    // The tab bar's own keys and wheel, from the last shown tab: the hidden ones follow it.
    QTabBar* bar = pages->tabBar();
    frmMain->ShowTab("tabFolderCreate01");
    for (int i = 0; i < 3; ++i) {
        press(bar, Qt::Key_Right, Qt::NoModifier);
        press(bar, Qt::Key_End, Qt::NoModifier);
        const QPointF at = bar->rect().center();
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        EXPECT_TRUE(pages->isTabVisible(pages->currentIndex())) << front();
    }
    // Nor does the program's own call.
    frmMain->ShowTab("tabFolderCreate04");
    frmMain->ShowTab("tabFoldersDelete01");
    EXPECT_EQ(front(), "04");
    frmMain->ShowTab("tabFolderCreate03");
}

} // namespace

#include "ui/PageControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Five pages; the third is hidden, the fourth disabled.
class PageControlTest : public testing::Test {
protected:
    PageControlTest() {
        for (int i = 0; i < 5; ++i)
            pages.addTab(new QWidget, QString::number(i));
        pages.setTabVisible(2, false);
        pages.setTabEnabled(3, false);
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&pages, &press);
    }
    ui::PageControl pages;
};

TEST_F(PageControlTest, ControlTabStepsOverHiddenAndDisabledPages) {
    EXPECT_FALSE(pages.IsReachable(2));
    EXPECT_FALSE(pages.IsReachable(3));
    EXPECT_TRUE(pages.IsReachable(4));
    std::vector<int> forward, back;
    for (int i = 0; i < 4; ++i) {
        Press(Qt::Key_Tab, Qt::ControlModifier);
        forward.push_back(pages.currentIndex());
    }
    for (int i = 0; i < 4; ++i) {
        Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        back.push_back(pages.currentIndex());
    }
    EXPECT_EQ(forward, (std::vector<int>{1, 4, 0, 1}));
    EXPECT_EQ(back, (std::vector<int>{0, 4, 1, 0}));
}

TEST_F(PageControlTest, AHiddenPageSentToTheFrontGoesBackAndAShownOneStays) {
    pages.setCurrentIndex(1);
    pages.setCurrentIndex(2);
    EXPECT_EQ(pages.currentIndex(), 1);
    pages.setTabVisible(2, true);
    pages.setCurrentIndex(2);
    EXPECT_EQ(pages.currentIndex(), 2) << "a tab shown again is in reach";
}

} // namespace

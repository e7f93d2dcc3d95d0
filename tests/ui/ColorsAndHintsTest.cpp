#include "ui/Colors.h"
#include "ui/Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

TEST(Colors, FrameworkValuesHoldRedInTheLowestByte) {
    EXPECT_EQ(ui::ToQColor(0x008000), QColor(0, 128, 0)); // green
    EXPECT_EQ(ui::ToQColor(0x000080), QColor(128, 0, 0)); // maroon
    EXPECT_EQ(ui::ToQColor(0xC00000), QColor(0, 0, 192)); // the hyperlink blue
    EXPECT_EQ(ui::ToQColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(ui::ToQColor(ui::clWhite), QColor(255, 255, 255));
    EXPECT_EQ(ui::ToQColor(ui::clBtnFace), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(ui::ToQColor(ui::clWindowText), QApplication::palette().color(QPalette::WindowText));
}

TEST(Colors, FontColourColoursCaptionsOfLabelsAndButtons) {
    QLabel label("x");
    QPushButton button("y");
    ui::SetFontColor(&label, ui::clMaroon);
    ui::SetFontColor(&button, ui::clGreen);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(button.palette().color(QPalette::ButtonText), QColor(0, 128, 0));
    ui::SetFontColor(nullptr, ui::clRed); // nothing to colour, no crash
}

// Counts the hint requests that reach the widget itself.
class HintCounter : public QLabel {
public:
    int requests = 0;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip)
            ++requests;
        return QLabel::event(event);
    }
};

TEST(Hints, TheHidePauseTakesOverShowingHints) {
    HintCounter label;
    label.setToolTip("Creating Folders from a given list.");
    label.resize(100, 20);
    label.show();
    QHelpEvent request(QEvent::ToolTip, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)));

    ui::SetHintHidePause(600000);
    EXPECT_EQ(ui::HintHidePause(), 600000);
    QApplication::sendEvent(&label, &request);
    EXPECT_EQ(label.requests, 0) << "the hint was shown with the pause, not by Qt's own timing";
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Creating Folders from a given list.");
    QToolTip::hideText();

    QTabBar tabs;
    tabs.addTab("Strings");
    tabs.addTab("Paths");
    tabs.setTabToolTip(1, "Paths hint");
    tabs.resize(300, 30);
    tabs.show();
    QApplication::processEvents();
    const QPoint inSecond = tabs.tabRect(1).center();
    QHelpEvent tabRequest(QEvent::ToolTip, inSecond, tabs.mapToGlobal(inSecond));
    QApplication::sendEvent(&tabs, &tabRequest);
    EXPECT_EQ(QToolTip::text(), "Paths hint");
    QToolTip::hideText();

    ui::SetHintHidePause(0); // back to Qt's own timing
    QApplication::sendEvent(&label, &request);
    EXPECT_EQ(label.requests, 1);
    QToolTip::hideText();
}

} // namespace

#include "ui/UpDown.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Each step starts from what the edit shows, kept within the bounds.
TEST(UpDown, StepsFromTheEditsNumberWithinTheBounds) {
    struct Case {
        const char* text;
        int direction;
        const char* after;
    } cases[] = {
        {"2", 1, "3"},
        {"3", 1, "3"},
        {"3", -1, "2"},
        {"1", -1, "1"},
        {"x", 1, "2"},
        {"", -1, "1"},
        {" 2 ", 1, "3"},
        {"+2", 1, "3"},
        {"9", -1, "2"},
        {"-5", 1, "2"},
        {"2.5", 1, "2"},
        // Mended: an arrow never moves a number against its direction.
        {"9", 1, "9"},
        {"-5", -1, "-5"},
    };
    QLineEdit edit;
    ui::UpDown upDown;
    upDown.SetMinimum(1);
    upDown.SetMaximum(3);
    upDown.SetAssociate(&edit);
    for (const Case& k : cases) {
        edit.setText(k.text);
        (k.direction > 0 ? upDown.UpButton() : upDown.DownButton())->click();
        EXPECT_EQ(edit.text().toStdString(), k.after) << "'" << k.text << "' " << k.direction;
    }
}

TEST(UpDown, ArrowKeysInTheEditStepAndADisabledControlDoesNot) {
    QLineEdit edit;
    ui::UpDown upDown;
    upDown.SetMinimum(0);
    upDown.SetMaximum(5);
    upDown.SetAssociate(&edit);
    edit.setText("0");
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &up);
    EXPECT_EQ(edit.text(), "1");
    upDown.SetMaximum(-3); // below the minimum: taken as the minimum
    EXPECT_EQ(upDown.Maximum(), 0);
    upDown.SetMaximum(5);
    upDown.setEnabled(false);
    upDown.Step(1);
    EXPECT_EQ(edit.text(), "1");
}

// An edit destroyed while it has the focus still sends its last events through
// the up-down's filter; the up-down lets go of it and steps nothing after.
TEST(UpDown, LetsGoOfAnEditDestroyedWhileItHasTheFocus) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    ui::UpDown upDown(&window);
    upDown.SetAssociate(edit);
    window.show();
    window.activateWindow();
    edit->setFocus();
    edit->setText("4");
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &up);
    EXPECT_EQ(edit->text(), "5");
    delete edit;
    EXPECT_EQ(upDown.Associate(), nullptr);
    upDown.Step(1);
    EXPECT_EQ(upDown.Position(), upDown.Minimum());
}

} // namespace

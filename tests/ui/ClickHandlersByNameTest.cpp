// A page's click handlers found by their buttons' names: each slot named
// after a button handles that button's clicks, through the guard; a slot
// whose button the form lacks is a fault of the page.

#include "ui/ClickHandlersByName.h"

#include "support/ScriptedDesktop.h"
#include "ui/FrameworkError.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class FormWithHandlers : public QWidget {
    Q_OBJECT
public:
    explicit FormWithHandlers(bool withUndoButton) {
        for (const char* name : {"btnVol06Help", "btnVol06SaveTo", "rdoVol06Mode"})
            MakeButton(name);
        if (withUndoButton)
            MakeButton("btnVol06Undo");
    }
    std::vector<std::string> handled;

public slots:
    void btnVol06HelpClick() { handled.push_back("Help"); }
    void rdoVol06ModeClick() { handled.push_back("Mode"); }
    void btnVol06UndoClick() { throw ui::FrameworkError("'x' is not a valid integer value"); }
    // Not a handler: it takes an argument, or its name does not end in Click.
    void btnVol06SaveToClick(int) { handled.push_back("SaveTo with an argument"); }
    void btnVol06SaveTo() { handled.push_back("SaveTo"); }

public:
    // Connected to the box's toggling: invokable, not a slot, so its click
    // does not run it a second time.
    Q_INVOKABLE void chkVol06HyphenClick() { handled.push_back("Hyphen toggled"); }

private:
    void MakeButton(const char* name) {
        QAbstractButton* button = std::string(name).starts_with("rdo")
                                      ? static_cast<QAbstractButton*>(new QRadioButton(this))
                                      : new QPushButton(this);
        button->setObjectName(name);
    }
};

TEST(ClickHandlersByName, EachButtonRunsTheHandlerNamedAfterItThroughTheGuard) {
    testsupport::ScriptedDesktop desktop;
    FormWithHandlers form(true);
    ConnectClickHandlersByName(form);
    for (const char* name : {"rdoVol06Mode", "btnVol06SaveTo", "btnVol06Help"})
        form.findChild<QAbstractButton*>(name)->click();
    EXPECT_EQ(form.handled, (std::vector<std::string>{"Mode", "Help"}));

    desktop.ExpectFrameworkError("'x' is not a valid integer value");
    form.findChild<QAbstractButton*>("btnVol06Undo")->click();
    EXPECT_TRUE(desktop.AllUsed());
}

TEST(ClickHandlersByName, AHandlerWithoutItsButtonIsAFaultOfThePage) {
    FormWithHandlers form(false);
    EXPECT_THROW(ConnectClickHandlersByName(form), std::logic_error);
}

TEST(ClickHandlersByName, AnotherEventRunsTheHandlerNamedForItOnly) {
    testsupport::ScriptedDesktop desktop;
    FormWithHandlers form(true);
    auto* hyphen = new QCheckBox(&form);
    hyphen->setObjectName("chkVol06Hyphen");
    ConnectClickHandlersByName(form);
    ConnectHandlerByName(form, hyphen, &QCheckBox::toggled, "chkVol06HyphenClick");
    hyphen->click();
    hyphen->setChecked(false);
    EXPECT_EQ(form.handled, (std::vector<std::string>{"Hyphen toggled", "Hyphen toggled"}));
    EXPECT_THROW(ConnectHandlerByName(form, hyphen, &QCheckBox::toggled, "chkVol06HyphenExit"),
                 std::logic_error);
}

} // namespace

#include "ClickHandlersByNameTest.moc"

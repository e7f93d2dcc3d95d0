#include "ui/Guard.h"
#include "support/ScriptedDesktop.h"
#include "ui/FrameworkError.h"

#include <QAction>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(Guard, AFrameworkErrorIsShownInTheErrorBoxAndTheProgramGoesOn) {
    testsupport::ScriptedDesktop desktop;
    desktop.ExpectFrameworkError("'12a' is not a valid integer value");
    bool after = false;
    EXPECT_FALSE(ui::Guard([&] {
        throw ui::FrameworkError("'12a' is not a valid integer value");
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_TRUE(ui::Guard([&] { after = true; }));
    EXPECT_TRUE(after);
    EXPECT_TRUE(desktop.AllUsed());
}

TEST(Guard, OtherExceptionsAreShownTooWithTheirText) {
    testsupport::ScriptedDesktop desktop;
    desktop.ExpectFrameworkError("Unable to create directory");
    desktop.ExpectFrameworkError("bad things");
    desktop.ExpectFrameworkError("An unexpected error ended the operation.");
    ui::Guard([] { throw ui::FrameworkError("Unable to create directory"); });
    ui::Guard([] { throw std::runtime_error("bad things"); });
    ui::Guard([] { throw 42; });
    EXPECT_EQ(desktop.Messages().size(), 3u);
}

TEST(Guard, ConnectedHandlersRunThroughTheGuard) {
    testsupport::ScriptedDesktop desktop;
    QPushButton button;
    int clicks = 0;
    ui::OnClicked(&button, [&] {
        ++clicks;
        if (clicks == 1)
            throw ui::FrameworkError("Unable to create directory");
    });
    desktop.ExpectFrameworkError("Unable to create directory");
    button.click(); // an exception escaping here would end the test program
    button.click();
    EXPECT_EQ(clicks, 2);

    QAction action(nullptr);
    int triggered = 0;
    ui::OnTriggered(&action, [&] { ++triggered; });
    action.trigger();
    EXPECT_EQ(triggered, 1);

    // A handler may take the signal's arguments, or none.
    QSpinBox spin;
    int seen = -1;
    int calls = 0;
    ui::Connect(&spin, &QSpinBox::valueChanged, [&](int value) { seen = value; });
    ui::Connect(&spin, &QSpinBox::valueChanged, &button, [&] { ++calls; });
    spin.setValue(7);
    EXPECT_EQ(seen, 7);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(desktop.AllUsed());
}

TEST(Guard, AConnectionEndsWithItsContext) {
    testsupport::ScriptedDesktop desktop;
    QPushButton button;
    int calls = 0;
    {
        QObject window;
        ui::Connect(&button, &QPushButton::clicked, &window, [&] { ++calls; });
        button.click();
    }
    button.click();
    EXPECT_EQ(calls, 1);
}

} // namespace

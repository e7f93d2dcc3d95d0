#include "ui/ActivationWatcher.h"
#include "ui/Form.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Makes a window the program's active one, as the window system would.
void Activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

TEST(ActivationWatcher, FiresWhenAWindowBecomesActiveAfterAnotherOfTheProgram) {
    Activate(nullptr);
    QMainWindow main;
    ui::Form statistics;
    ui::Form help;
    std::vector<std::string> fired;
    new ui::ActivationWatcher(&main, [&] { fired.push_back("main"); });
    new ui::ActivationWatcher(&statistics, [&] { fired.push_back("statistics"); });
    main.show();
    statistics.show();
    help.show();
    QApplication::processEvents();
    Activate(&help);
    fired.clear();

    Activate(&main);
    EXPECT_EQ(fired, (std::vector<std::string>{"main"}));
    Activate(&statistics);
    Activate(&main);
    EXPECT_EQ(fired, (std::vector<std::string>{"main", "statistics", "main"}));

    // A form without a watcher still counts as another window of the program.
    Activate(&help);
    Activate(&main);
    EXPECT_EQ(fired.size(), 4u);
    EXPECT_EQ(ui::LastActivatedWindow(), &main);

    // A message box closing, or the person coming back from another program,
    // gives the main window no new activation.
    QMessageBox box(QMessageBox::Warning, "Warning no: 0001.", "text", QMessageBox::Ok, &main);
    box.show();
    Activate(&box);
    box.hide();
    Activate(&main);
    Activate(nullptr);
    Activate(&main);
    EXPECT_EQ(fired.size(), 4u);
    EXPECT_EQ(ui::LastActivatedWindow(), &main);
}

TEST(ActivationWatcher, EndsWithItsWindow) {
    Activate(nullptr);
    QMainWindow main;
    int fired = 0;
    {
        ui::Form form;
        new ui::ActivationWatcher(&form, [&] { ++fired; });
        form.show();
        Activate(&form);
        EXPECT_EQ(fired, 1);
    }
    main.show();
    Activate(&main);
    EXPECT_EQ(fired, 1);
}

} // namespace

// Exit and the window's close box while a page works: the window stays, the
// work goes on to its end with its undo list, and the person is told why.

#include "app/TfrmMain.h"
#include "create/numbers/TfrmStatistic03.h"
#include "create/numbers/Vol03NumbersPage.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "ui/ResultList.h"

#include "ui_TfrmMain.h"
#include "ui_Vol03NumbersPage.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;
using ui::Answer;

namespace {

const std::string kRefusal = "The program is still at work: folders are being created, simulated, counted or "
                             "undone.\n\nExit when the work has ended.";

// Notes, at every plain message, what the probe (where there is one) says
// the screen shows.
class MessageWatchingDesktop : public ScriptedDesktop {
public:
    std::function<std::string()> probe;
    std::vector<std::string> duringMessage;
    void ShowMessage(const std::string& text) override {
        if (probe)
            duringMessage.push_back(probe());
        ScriptedDesktop::ShowMessage(text);
    }
};

class ExitDuringWorkTest : public testsupport::ProgramWindowsFixture {
protected:
    // The numbers page set to make D:\Work\1 to D:\Work\<last>, and to
    // open no window after the run.
    void PlanNumbers(const std::string& last) {
        sandbox.MakeFolder("D:\\Work");
        desktop.ExpectModal("frmLevelSummFolder");
        page.SetDestination("D:\\Work");
        c.chkVol03ViewDestFolder->setChecked(false);
        c.chkVol03ViewDetailedResults->setChecked(false);
        c.edtVol03StartNumber->setText("1");
        page.edtVol03StartNumberExit();
        c.edtVol03EndNumber->setText(QString::fromStdString(last));
        page.edtVol03EndNumberExit();
    }

    DriveSandbox sandbox{"CD"};
    MessageWatchingDesktop desktop;
    Vol03NumbersPage& page = frmMain->NumbersPage();
    Ui::Vol03NumbersPage& c = page.Controls();
};

TEST_F(ExitDuringWorkTest, ExitAndCloseWaitUntilTheRunHasEnded) {
    PlanNumbers("6");

    int closed = 0;
    const QMetaObject::Connection connection =
        QObject::connect(frmMain, &TfrmMain::Closed, [&] { ++closed; });
    frmMain->show();
    QAction* exit = frmMain->findChild<QAction*>("Exit1");
    ASSERT_NE(exit, nullptr);

    // Halfway through the run the person tries both ways out.
    int turns = 0;
    bool closeAccepted = true;
    desktop.OnProcessMessages([&] {
        if (++turns != 3)
            return;
        exit->trigger();
        closeAccepted = frmMain->close();
    });
    desktop.ExpectBox("0093", Answer::Yes);
    desktop.ExpectMessage(kRefusal);
    desktop.ExpectMessage(kRefusal);
    desktop.ExpectBox("0094");
    c.btnVol03CreateFolders->click();
    desktop.OnProcessMessages({});

    EXPECT_GE(turns, 6);
    EXPECT_FALSE(closeAccepted);
    EXPECT_TRUE(frmMain->isVisible());
    EXPECT_EQ(closed, 0);
    for (int number = 1; number <= 6; ++number)
        EXPECT_TRUE(std::filesystem::is_directory(sandbox.Host("D:\\Work\\" + std::to_string(number))))
            << number;
    EXPECT_EQ(page.Counters().Created.Folders, 6);

    // The run's undo list outlived the attempts.
    desktop.ExpectBox("0097", Answer::Yes);
    desktop.ExpectBox("0099");
    c.btnVol03Undo->click();
    EXPECT_TRUE(std::filesystem::is_empty(sandbox.Host("D:\\Work")));

    // With the work done, Exit closes.
    exit->trigger();
    EXPECT_FALSE(frmMain->isVisible());
    EXPECT_EQ(closed, 1);
    QObject::disconnect(connection);

    desktop.ExpectBox("0083", Answer::Yes);
    desktop.ExpectBox("0084");
    c.btnVol03ClearAll->click();
    EXPECT_TRUE(desktop.AllUsed());
}

// The run paints its counters at frames only; the refusal of Exit comes
// between two of them, and the person reads the counters while it is up.
TEST_F(ExitDuringWorkTest, BehindTheRefusalTheCountersAndListsShowWhatIsOnDisk) {
    PlanNumbers("8");
    // No frame comes before the run ends.
    page.Repaints().SetFrameMilliseconds(std::numeric_limits<qint64>::max());

    auto* created = c.lblVol03FoldersCreated;
    auto* listed = frmStatistic03->findChild<ui::ResultList*>("lstStat03FoldersCreated");
    ASSERT_NE(listed, nullptr);
    desktop.probe = [&] {
        int onDisk = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(sandbox.Host("D:\\Work")))
            ++onDisk;
        return created->text().toStdString() + " shown, " + std::to_string(listed->Count()) + " listed, " +
               std::to_string(onDisk) + " on disk";
    };
    frmMain->show();
    int turns = 0;
    desktop.OnProcessMessages([&] {
        if (++turns == 6)
            frmMain->close();
    });
    desktop.ExpectBox("0093", Answer::Yes);
    desktop.ExpectMessage(kRefusal);
    desktop.ExpectBox("0094");
    c.btnVol03CreateFolders->click();
    desktop.OnProcessMessages({});

    EXPECT_EQ(desktop.duringMessage, (std::vector<std::string>{"5 shown, 5 listed, 5 on disk"}));
    EXPECT_EQ(created->text().toStdString(), "8");
    EXPECT_TRUE(frmMain->isVisible());
    EXPECT_TRUE(desktop.AllUsed());
}

} // namespace

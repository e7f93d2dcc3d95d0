// What the screen shows during a run of the strings page: at every paint the
// progress bar, the counters of the page and of its statistics window, and the
// statistics window's lists show the same moment of the run.

#include "ui_TfrmStatistic02.h"
#include "ui_Vol02StringsPage.h"

#include "StringsPageFixture.h"

#include "support/PaintWatcher.h"
#include "ui/ShellOpening.h"

#include <QApplication>
#include <QProgressBar>

using namespace createtests;

namespace {

const char* const Columns[4] = {"Folders", "SubFolders", "Files", "FilesSize"};
const char* const Rows[4] = {"ToCreate", "Created", "Exists", "Other"};

// One look at the screen, taken whenever a widget of the page or of the
// statistics window is painted while the run goes on.
struct Sample {
    bool barShown = false;
    int bar = 0;
    std::map<std::string, std::string> page;
    std::map<std::string, std::string> statistics;
    std::map<std::string, int> lists;
};

class StringsRunScreenTest : public StringsPageTest {
protected:
    Sample Look() {
        Sample sample;
        sample.barShown = controls().pbVol02ProgressBar->isVisible();
        sample.bar = controls().pbVol02ProgressBar->value();
        for (const char* row : Rows) {
            for (const char* column : Columns) {
                const std::string name = std::string(column) + row;
                sample.page[name] = PageLabel(name);
                sample.statistics[name] = StatLabel(name);
            }
        }
        for (const char* list :
             {"FoldersCreated", "FoldersExists", "FoldersOther", "SubFoldersCreated", "FilesCreated"}) {
            // The items a paint can show: an item not laid out yet is not
            // on the screen, whatever the list holds.
            auto* box = frmStatistic02->findChild<ui::ResultList*>(QString("lstStat02") + list);
            const int count = box->Count();
            const bool laidOut = count == 0 || box->visualRect(box->model()->index(count - 1, 0)).isValid();
            sample.lists[list] = laidOut ? count : -1;
        }
        return sample;
    }
};

} // namespace

TEST_F(StringsRunScreenTest, EveryPaintOfARunShowsOneMoment) {
    sandbox->MakeFolder("D:\\Work\\Old");
    sandbox->MakeFile("D:\\Frame\\a\\one.txt", "1");
    sandbox->MakeFile("D:\\Frame\\a\\b\\two.txt", "22");
    sandbox->MakeFile("D:\\Frame\\three.txt", "333");
    Plan("D:\\Work", {"A", "B", "C", "Old", "D", "E"}, {"D:\\Frame"},
         controls().rdoVol02AttachMainFolderWithFiles);
    controls().chkVol02ViewDetailedResults->setChecked(true);
    page->show();
    frmStatistic02->show();
    QApplication::processEvents(); // both windows are on the screen before the run
    // Every repaint of the run is a frame, so that each one is looked at.
    page->Repaints().SetFrameMilliseconds(0);
    testsupport::PaintWatcher<Sample> watcher(page->Repaints(), [this] { return Look(); },
                                              {page.get(), frmStatistic02});

    CreateToTheEnd();
    frmStatistic02->hide();
    page->hide();

    int duringRun = 0;
    for (size_t i = 0; i < watcher.samples.size(); ++i) {
        const Sample& s = watcher.samples[i];
        SCOPED_TRACE("paint " + std::to_string(i));
        EXPECT_EQ(s.page, s.statistics);
        EXPECT_EQ(std::stoi(s.statistics.at("FoldersCreated")), s.lists.at("FoldersCreated"));
        EXPECT_EQ(std::stoi(s.statistics.at("FoldersExists")), s.lists.at("FoldersExists"));
        EXPECT_EQ(std::stoi(s.statistics.at("FoldersOther")), s.lists.at("FoldersOther"));
        EXPECT_EQ(std::stoi(s.statistics.at("SubFoldersCreated")), s.lists.at("SubFoldersCreated"));
        EXPECT_EQ(std::stoi(s.statistics.at("FilesCreated")), s.lists.at("FilesCreated"));
        if (s.barShown) {
            ++duringRun;
            // The bar stands at the item under way, which is already counted.
            const int recorded =
                s.lists.at("FoldersCreated") + s.lists.at("FoldersExists") + s.lists.at("FoldersOther");
            EXPECT_EQ(s.bar, recorded - 1);
        }
    }
    EXPECT_FALSE(watcher.samples.empty());
    // Each item was painted at least once while the bar was up.
    EXPECT_GE(duringRun, 6);
    EXPECT_EQ(PageLabel("FoldersCreated"), "5");
    EXPECT_EQ(PageLabel("SubFoldersCreated"), "15"); // Frame, a and b for each new folder
    EXPECT_EQ(PageLabel("FilesCreated"), "15");
}

TEST_F(StringsRunScreenTest, ADestinationTheShellCannotShowIsToldOnceAndPlainly) {
    Plan("D:\\Work", {"A", "B", "C"});
    controls().chkVol02ViewDestFolder->setChecked(true);
    desktop->RefuseShellOpens(true);
    const std::string told = ui::ShellOpenFailedText("D:\\Work");
    EXPECT_NE(told.find("D:\\Work"), std::string::npos);

    ExpectBoxes({"0025?", "0026"});
    desktop->ExpectMessage(told);
    Create();
    ExpectBoxes({"0455?", "0457"});
    desktop->ExpectMessage(told);
    Simulate();

    // One plain message per run, and no box besides the runs' own.
    EXPECT_EQ(desktop->Messages(), (Lines{told, told}));
    EXPECT_EQ(desktop->BoxNumbers(), (Lines{"0025", "0026", "0455", "0457"}));
}

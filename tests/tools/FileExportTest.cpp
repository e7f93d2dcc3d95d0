// The export window: its delimiter choices, the hand-over every Smart Export
// uses, and the bytes an export writes.

#include "common/SettingLists.h"
#include "support/DriveSandbox.h"
#include "support/ProgramWindowsFixture.h"
#include "support/ScriptedDesktop.h"
#include "tools/ExportHandOver.h"
#include "tools/ListExportWriter.h"
#include "tools/TfrmFileExport.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"

#include "ui_TfrmFileExport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <filesystem>

using testsupport::DriveSandbox;
using testsupport::ScriptedDesktop;

namespace {

class FileExportTest : public testsupport::ProgramWindowsFixture {
protected:
    void SetUp() override {
        testsupport::ProgramWindowsFixture::SetUp();
        sandbox = std::make_unique<DriveSandbox>("CD");
    }
    Ui::TfrmFileExport& c() { return frmFileExport->Controls(); }

    // Hands the items over as the statistics window does and runs `whileShown`.
    void HandOver(const std::vector<std::string>& items, std::function<void()> whileShown = {}) {
        desktop.ExpectModal("frmFileExport", [whileShown](ui::Form&) {
            if (whileShown)
                whileShown();
        });
        ExportHandOver how;
        how.listType = "STRINGS";
        EXPECT_TRUE(HandOverToFileExport(items, how));
    }
    // `box`: the number of the box the export is expected to show, if any.
    void ExportTo(const std::string& file, const std::string& box = "") {
        desktop.ExpectSaveFile(file);
        if (!box.empty())
            desktop.ExpectBox(box);
        c().btnFileExportTo->click();
    }

    std::unique_ptr<DriveSandbox> sandbox;
    ScriptedDesktop desktop;
};

} // namespace

TEST_F(FileExportTest, WritesTheChosenLayout) {
    const std::vector<std::string> items = {"a", "b\"c", "d e", "Ünïcode"};
    struct Case {
        bool separated;
        const char* delimiter;
        bool quotes;
        const char* bytes;
    } cases[] = {
        {false, "", true, "\"a\"\n\"b\"\"c\"\n\"d e\"\n\"Ünïcode\"\n"},
        {false, "", false, "a\nb\"c\nd e\nÜnïcode\n"},
        {true, "space", false, "a b\"c d e Ünïcode\n"},
        {true, ";", true, "\"a\";\"b\"\"c\";\"d e\";\"Ünïcode\"\n"},
    };
    for (const Case& k : cases) {
        HandOver(items, [&] {
            (k.separated ? c().rdoFileExportCSVSeparatedFile : c().rdoFileExportPlainTextFile)->click();
            EXPECT_EQ(c().cboFileExportDelimiter->isEnabled(), k.separated);
            if (k.separated)
                c().cboFileExportDelimiter->SetItemIndex(c().cboFileExportDelimiter->IndexOf(k.delimiter));
            c().chkFileExportQuotationMarks->setChecked(k.quotes);
            ExportTo("D:\\out.txt");
            EXPECT_EQ(c().lblSmartExportExported->text().toStdString(), "4");
        });
        EXPECT_EQ(sandbox->Read("D:\\out.txt"), k.bytes) << k.delimiter << k.quotes;
    }
    const ui::FileDialogRequest& request = desktop.FileDialogs().back();
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_EQ(request.filter, "Text Files (*.txt)|*.txt|Comma Separated (*.csv)|*.csv|All Files (*.*)|*.*");
    // Only the file itself is left: no temporary file beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sandbox->HostRoot('D')),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(FileExportTest, AFileThatCannotBeWrittenIsReportedAndNothingCounted) {
    sandbox->MakeFolder("D:\\taken.txt");
    HandOver({"x", "y"}, [&] {
        ExportTo("D:\\taken.txt", "0601");
        EXPECT_EQ(desktop.LastBox().caption, "Export Datas to a File.            Warning no: 0601.");
        EXPECT_EQ(desktop.LastBox().text,
                  "The file could not be written : D:\\taken.txt\nAction : Please choose "
                  "another file name or folder.");
        EXPECT_EQ(desktop.LastBox().icon, ui::Icon::Warning);
        EXPECT_EQ(c().lblSmartExportExported->text().toStdString(), "0");

        ExportTo("D:\\missing\\out.txt", "0601");
        EXPECT_EQ(c().lblSmartExportExported->text().toStdString(), "0");

        ExportTo(""); // cancelled: nothing happens
    });
    EXPECT_TRUE(std::filesystem::is_directory(sandbox->Host("D:\\taken.txt")));
    EXPECT_FALSE(sandbox->Exists("D:\\missing"));
}

TEST_F(FileExportTest, EachHandOverStartsAfresh) {
    std::vector<std::string> ten;
    for (int i = 0; i < 10; ++i)
        ten.push_back("D:\\f" + std::to_string(i));
    HandOver(ten);
    HandOver({"C:\\x", "c:\\X", "D:\\y", "z"}, [&] {
        EXPECT_EQ(c().lstFileExportSource->Items(), (std::vector<std::string>{"C:\\x", "D:\\y", "z"}));
        EXPECT_EQ(c().lblSmartExportSource->text().toStdString(), "3");
        EXPECT_EQ(c().lblSmartExportExported->text().toStdString(), "0");
        EXPECT_EQ(frmFileExport->ListType(), "STRINGS");
    });

    // The caller's own warning for an empty list; the window stays closed.
    ExportHandOver how;
    how.emptyCaption = "Caller.            Warning no: 0556.";
    how.emptyText = "The Include List is empty !\n";
    desktop.ExpectBox("0556");
    EXPECT_FALSE(HandOverToFileExport({}, how));
    EXPECT_EQ(desktop.LastBox().text, "The Include List is empty !\n");

    // An item test that refuses everything opens the window empty.
    how.accept = HasDrivePart;
    desktop.ExpectModal("frmFileExport", [&](ui::Form&) {
        EXPECT_EQ(c().lstFileExportSource->Count(), 0);
        EXPECT_EQ(c().lblSmartExportSource->text().toStdString(), "0");
    });
    EXPECT_TRUE(HandOverToFileExport({"a", " b"}, how));
}

TEST_F(FileExportTest, DelimiterChoicesComeFromTheSeparatorsOrTheBuiltInSymbols) {
    std::deque<std::string> saved = GetSeparatorList();
    ClearSeparatorList();
    {
        TfrmFileExport window;
        Ui::TfrmFileExport& w = window.Controls();
        ASSERT_EQ(w.cboFileExportDelimiter->Count(), 17);
        EXPECT_EQ(w.cboFileExportDelimiter->Text(), "#");
        EXPECT_EQ(w.cboFileExportDelimiter->Text(1), "space");
        EXPECT_TRUE(w.rdoFileExportPlainTextFile->isChecked());
        EXPECT_FALSE(w.cboFileExportDelimiter->isEnabled());
        EXPECT_EQ(window.ListType(), "FOLDERS");
    }
    for (const char* item : {";", "Space", ";", "SPACE"})
        AddToSeparatorList(item);
    {
        TfrmFileExport window;
        EXPECT_EQ(window.Controls().cboFileExportDelimiter->Items(),
                  (std::vector<std::string>{";", "Space"}));
    }
    ClearSeparatorList();
    for (const std::string& item : saved)
        AddToSeparatorList(item);
}

TEST(ExportFileWriting, GoesThroughALinkAndKeepsPermissions) {
    testsupport::DriveSandbox sandbox;
    namespace fs = std::filesystem;
    struct Case {
        const char* name;
        bool link;
        fs::perms mode;
    };
    const Case cases[] = {
        {"private.txt", false, fs::perms::owner_read | fs::perms::owner_write},
        {"linked.txt", true, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read},
    };
    for (const Case& c : cases) {
        const std::string real = sandbox.Host(std::string("D:\\real\\") + c.name);
        sandbox.MakeFile(std::string("D:\\real\\") + c.name, "old");
        fs::permissions(real, c.mode);
        std::string written = std::string("D:\\real\\") + c.name;
        if (c.link) {
            sandbox.MakeFolder("D:\\links");
            fs::create_symlink(real, sandbox.Host(std::string("D:\\links\\") + c.name));
            written = std::string("D:\\links\\") + c.name;
        }
        ASSERT_TRUE(WriteExportFile(written, "new\n")) << c.name;
        EXPECT_EQ(sandbox.Read(std::string("D:\\real\\") + c.name), "new\n") << c.name;
        EXPECT_EQ(fs::status(real).permissions(), c.mode) << c.name;
        EXPECT_EQ(fs::is_symlink(sandbox.Host(written)), c.link) << c.name;
    }
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(sandbox.Host("D:\\real")))
        ++entries;
    EXPECT_EQ(entries, 2u);
}

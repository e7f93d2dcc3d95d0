// The two rename rules on the page's own examples, and the previews, enabling
// and field checks that follow them.

#include "ui_TfrmStatistic06.h"
#include "ui_Vol06RenamePage.h"

#include "RenamePageFixture.h"

#include "manage/rename/RenameNameParts.h"

using namespace renametests;

namespace {

struct RuleExample {
    const char* line;
    bool lastSubFolder;
    const char* prefix;
    const char* delimiter1;
    const char* delimiter2;
    const char* suffix;
    const char* newName;
    const char* expected;
};

} // namespace

TEST_F(RenamePageTest, BothRulesJoinTheirPartsAsTheExamplesShow) {
    // A folder whose name holds a dot is still the folder itself.
    sandbox->MakeFolder("D:\\Work\\v1.2");
    const RuleExample examples[] = {
        {"D:\\Work\\Old", false, "  A ", "", "", "", "", "D:\\Work\\AOld"},
        {"D:\\Work\\Old", false, "A", "_", "-", "Z", "", "D:\\Work\\A_Old-Z"},
        {"D:\\Work\\Old", false, "", " ", " ", " Z ", "", "D:\\Work\\OldZ"},
        {"D:\\Work\\Old\\report.txt", false, "A", "", "", "", "", "D:\\Work\\AOld"},
        {"D:\\Work\\Old\\", false, "A", "", "", "", "", "D:\\Work\\AOld"},
        {"D:\\Work\\v1.2", false, "A", "", "", "", "", "D:\\Work\\Av1.2"},
        {"D:\\Work\\Old", true, "", "", "", "", "New", "D:\\Work\\New"},
        {"D:\\Work\\Old", true, "", "", "", "", " New ", "D:\\Work\\ New "},
        {"D:\\Work\\Old\\report.txt", true, "", "", "", "", "New", "D:\\Work\\New"},
    };
    for (const RuleExample& example : examples) {
        SCOPED_TRACE(std::string(example.line) + " -> " + example.expected);
        const _tagVol0XParts parts =
            example.lastSubFolder ? BuildLastSubFolderNameParts(example.line, example.newName)
                                  : BuildRenameNameParts(example.line, example.prefix, example.delimiter1,
                                                         example.delimiter2, example.suffix);
        EXPECT_EQ(JoinedName(parts), example.expected);
        // As the run takes it, with the rule read once.
        RenameRule rule;
        rule.lastSubFolder = example.lastSubFolder;
        rule.prefix = example.prefix;
        rule.prefixDelimiter = example.delimiter1;
        rule.suffixDelimiter = example.delimiter2;
        rule.suffix = example.suffix;
        rule.newName = example.newName;
        EXPECT_EQ(JoinedName(NamePartsUnder(rule, RenameFolderOf(example.line))), example.expected);

        // The page previews the same.
        SetLines({example.line});
        if (example.lastSubFolder) {
            Click(controls().rdoVol06RenameTheLastSubFolder);
            Type(controls().edtVol06RenameNewLastSubFolder, example.newName);
        } else {
            Click(controls().rdoVol06RenameAddPrefixesSuffixes);
            Type(controls().edtVol06NewPrefix, example.prefix);
            Type(controls().edtVol06DelimiterPrefixSubFolder, example.delimiter1);
            Type(controls().edtVol06DelimiterSubFolderSuffix, example.delimiter2);
            Type(controls().edtVol06NewSuffix, example.suffix);
        }
        EXPECT_EQ(Text(controls().lblVol06StartFolder), example.expected);
        EXPECT_EQ(Text(controls().lblVol06EndFolder), example.expected);
    }
}

TEST_F(RenamePageTest, ListChangesSetEnablingPreviewsAndCounters) {
    QWidget* options[] = {controls().rdoVol06RenameAddPrefixesSuffixes,
                          controls().edtVol06NewPrefix,
                          controls().lblVol06FoldersRenamed,
                          controls().btnVol06Statistics,
                          controls().btnVol06Undo,
                          controls().chkVol06ShowDetailedResults,
                          controls().btnVol06RenameFolders,
                          controls().btnVol06RenameFoldersSimulation};
    for (QWidget* control : options)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();

    Type(controls().edtVol06NewPrefix, "A");
    SetLines({"Work\\Old", "D:\\Work\\Last"});
    for (QWidget* control : options)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(controls().edtVol06RenameNewLastSubFolder->isEnabled());
    // A line without a drive part leaves its preview as it was.
    EXPECT_EQ(Text(controls().lblVol06StartFolder), "");
    EXPECT_EQ(Text(controls().lblVol06EndFolder), "D:\\Work\\ALast");
    EXPECT_EQ(PageCounters(), (Lines{"2", "0", "0", "0", "0"}));
    EXPECT_EQ(WindowCounters(), (Lines{"2", "0", "0", "0", "0"}));
    EXPECT_EQ(Text(controls().lblVol06IncludeSum), "2");

    Click(controls().rdoVol06RenameTheLastSubFolder);
    EXPECT_TRUE(controls().edtVol06RenameNewLastSubFolder->isEnabled());
    EXPECT_FALSE(controls().edtVol06NewSuffix->isEnabled());

    SetLines({});
    for (QWidget* control : options)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_EQ(Text(controls().lblVol06StartFolder), "");
    EXPECT_EQ(Text(controls().lblVol06EndFolder), "");
}

TEST_F(RenamePageTest, IllegalCharactersAreCutOneBoxAtATime) {
    SetLines({"D:\\Work\\Old"});
    struct Field {
        QLineEdit* edit;
        std::string number;
        std::string caption;
        std::string text;
    };
    const std::string T = "Rename Folders. - From a Folder List.            Warning no: ";
    const Field fields[] = {
        {controls().edtVol06NewPrefix, "0200", T + "0200.", "Illegal character in the Prefix : "},
        {controls().edtVol06NewSuffix, "0201",
         "Rename Folder(s).-From a Folder List.            Warning no: 0201.",
         "Illegal character in the Suffix : "},
        {controls().edtVol06DelimiterPrefixSubFolder, "0202", T + "0202.",
         "Illegal character in the Delimiter : "},
        {controls().edtVol06DelimiterSubFolderSuffix, "0203", T + "0203.",
         "Illegal character in the Delimiter : "},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.number);
        desktop->ExpectBox(field.number);
        desktop->ExpectBox(field.number);
        Type(field.edit, "ab*|");
        EXPECT_EQ(field.edit->text().toStdString(), "ab");
        EXPECT_EQ(desktop->Boxes()[desktop->Boxes().size() - 2].text, field.text + "*");
        EXPECT_EQ(desktop->LastBox().caption, field.caption);
        EXPECT_EQ(desktop->LastBox().icon, ui::Icon::Warning);
        field.edit->clear();
    }
    Click(controls().rdoVol06RenameTheLastSubFolder);
    desktop->ExpectBox("0600");
    Type(controls().edtVol06RenameNewLastSubFolder, "New\\");
    EXPECT_EQ(desktop->LastBox().caption, T + "0600.");
    EXPECT_EQ(desktop->LastBox().text, "Illegal character in the New Subfolder string : \\");
    EXPECT_EQ(Text(controls().lblVol06StartFolder), "D:\\Work\\New");
}

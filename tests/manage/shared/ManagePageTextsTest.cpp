// The captions of the rename, delete and copy pages stand side by side, a
// column a page: a caption in the wrong column would show one page's box on
// another page.

#include "manage/shared/ManagePageTexts.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

std::vector<std::string> Captions(const ManagePageTexts& texts) {
    const ManageListCaptions& l = texts.lists;
    const ManageListFileCaptions& f = texts.files;
    const ManageLevelCaptions& v = texts.levels;
    std::vector<std::string> captions = {
        l.builderEmpty,  l.importEmpty,     l.addEmpty,        l.addInInclude, l.addInExclude,
        l.excludeEmpty,  l.excludeAsk,      l.viewNoSelection, l.exportEmpty,  l.clearAsk,
        l.clearDone,     l.excludeAllEmpty, l.excludeAllAsk,   f.notTxt,       f.openFailed,
        f.clearInclude,  f.inInclude,       f.inExclude,       f.noDrive,      f.saveFailed,
        v.rootEmpty,     v.viewEmpty,       v.buildRootEmpty,  v.noResults,    v.noDrivePart,
        v.levelsReversed};
    if (v.noInputFolder)
        captions.push_back(*v.noInputFolder);
    return captions;
}

TEST(ManagePageTextsTest, EachPageShowsItsOwnCaptionsEachWithANumberOfItsOwn) {
    const struct {
        ManagePage page;
        std::string title; // what every caption of the page starts with
        std::string logCode;
        size_t captions;
    } pages[] = {{ManagePage::Rename, "Rename ", "Stat06", 26},
                 {ManagePage::Delete, "Delete ", "Stat07", 26},
                 {ManagePage::Copy, "Copy ", "Stat08", 27}};
    const std::regex numbered(".*(Warning|Information) no: (\\d{4})\\.");
    for (const auto& page : pages) {
        SCOPED_TRACE(page.title);
        const std::vector<std::string> captions = Captions(ManagePageTextsOf(page.page));
        EXPECT_EQ(captions.size(), page.captions);
        std::set<std::string> numbers;
        for (const std::string& caption : captions) {
            SCOPED_TRACE(caption);
            EXPECT_EQ(caption.rfind(page.title, 0), 0u);
            std::smatch match;
            ASSERT_TRUE(std::regex_match(caption, match, numbered));
            EXPECT_TRUE(numbers.insert(match[2]).second);
        }
        for (const ResultListExportText& list : ResultExportsOf(page.page)) {
            SCOPED_TRACE(list.list);
            EXPECT_EQ(list.emptyCaption.rfind(page.title, 0), 0u);
            EXPECT_EQ(list.list.rfind("lst" + page.logCode, 0), 0u);
            EXPECT_EQ(list.button.rfind("btn" + page.logCode + "SmartExport", 0), 0u);
        }
    }
}

} // namespace

#include "support/SharedSettingsGuard.h"

#include "common/SettingLists.h"

namespace testsupport {

using TextList = std::deque<std::string>;

struct SharedSettingsGuard::Saved {
    std::string help = GetHelpFileBaseName();
    std::string start = GetStartDirectory();
    TextList separators = GetSeparatorList();
    std::string separator = GetSelectedSeparator();
    TextList quotationMarks = GetQuotationMarkList();
    std::string quotationMark = GetSelectedQuotationMark();
    TextList patterns = GetFileNamePatternList();
    TextList patternHistory = GetFileNameHistoryList();
    std::string patternText = GetFileNamePatternText();
    std::string oneType = GetSelectOneTypeText();
    TextList known = GetKnownTypeList();
    TextList included = GetIncludedTypeList();
    TextList excluded = GetExcludedTypeList();
    TextList includeTerms = GetIncludeTermsList();
    TextList includeHistory = GetIncludeTermsHistoryList();
    std::string includeText = GetIncludeTermsText();
    TextList excludeTerms = GetExcludeTermsList();
    TextList excludeHistory = GetExcludeTermsHistoryList();
    std::string excludeText = GetExcludeTermsText();
    int flags[9] = {GetFileNamesModeSelected(), GetFileTypesModeSelected(), GetAllTypesSelected(),
                    GetIncludedTypesSelected(), GetExcludedTypesSelected(), GetSelectOneTypeSelected(),
                    GetSelectOneTypeIndex(),    GetIncludeTermsChecked(),   GetExcludeTermsChecked()};
};

namespace {

void SetFlags(const int (&flags)[9]) {
    SetFileNamesModeSelected(flags[0]);
    SetFileTypesModeSelected(flags[1]);
    SetAllTypesSelected(flags[2]);
    SetIncludedTypesSelected(flags[3]);
    SetExcludedTypesSelected(flags[4]);
    SetSelectOneTypeSelected(flags[5]);
    SetSelectOneTypeIndex(flags[6]);
    SetIncludeTermsChecked(flags[7]);
    SetExcludeTermsChecked(flags[8]);
}

} // namespace

void ReplaceSeparatorList(const TextList& items) {
    ClearSeparatorList();
    for (const std::string& item : items)
        AddToSeparatorList(item);
}

void ReplaceQuotationMarkList(const TextList& items) {
    ClearQuotationMarkList();
    for (const std::string& item : items)
        AddToQuotationMarkList(item);
}

void ReplaceKnownTypeList(const TextList& items) {
    ClearKnownTypeList();
    for (const std::string& item : items)
        AddToKnownTypeList(item);
}

SharedSettingsGuard::SharedSettingsGuard() : saved_(std::make_unique<Saved>()) {
    ResetToStart();
}

SharedSettingsGuard::~SharedSettingsGuard() {
    const Saved& s = *saved_;
    SetHelpFileBaseName(s.help);
    SetStartDirectory(s.start);
    ReplaceSeparatorList(s.separators);
    SetSelectedSeparator(s.separator);
    ReplaceQuotationMarkList(s.quotationMarks);
    SetSelectedQuotationMark(s.quotationMark);
    SetFileNamePatternList(s.patterns);
    SetFileNameHistoryList(s.patternHistory);
    SetFileNamePatternText(s.patternText);
    SetSelectOneTypeText(s.oneType);
    ReplaceKnownTypeList(s.known);
    SetIncludedTypeList(s.included);
    SetExcludedTypeList(s.excluded);
    SetIncludeTermsList(s.includeTerms);
    SetIncludeTermsHistoryList(s.includeHistory);
    SetIncludeTermsText(s.includeText);
    SetExcludeTermsList(s.excludeTerms);
    SetExcludeTermsHistoryList(s.excludeHistory);
    SetExcludeTermsText(s.excludeText);
    SetFlags(s.flags);
}

void SharedSettingsGuard::ResetToStart() {
    SetHelpFileBaseName("");
    SetStartDirectory("");
    ClearSeparatorList();
    SetSelectedSeparator(",");
    ClearQuotationMarkList();
    SetSelectedQuotationMark("\"");
    ClearFileNamePatternList();
    ClearFileNameHistoryList();
    SetFileNamePatternText("*.*");
    SetSelectOneTypeText("");
    ClearKnownTypeList();
    ClearIncludedTypeList();
    ClearExcludedTypeList();
    ClearIncludeTermsList();
    ClearIncludeTermsHistoryList();
    SetIncludeTermsText("");
    ClearExcludeTermsList();
    ClearExcludeTermsHistoryList();
    SetExcludeTermsText("");
    SetFlags({1, 0, 1, 0, 0, 0, 0, 0, 0});
}

} // namespace testsupport

#include "common/SettingLists.h"

#include <utility>

namespace {

using TextList = std::deque<std::string>;

// Members are constructed in this order and destroyed in the reverse one.
struct SharedSettings {
    std::string HelpFileBaseName;
    std::string StartDirectory;
    TextList SeparatorList;
    std::string SelectedSeparator = ",";
    TextList QuotationMarkList;
    std::string SelectedQuotationMark = "\"";
    TextList FileNamePatternList;
    TextList FileNameHistoryList;
    std::string FileNamePatternText = "*.*";
    std::string SelectOneTypeText;
    TextList KnownTypeList;
    TextList IncludedTypeList;
    TextList ExcludedTypeList;
    TextList IncludeTermsList;
    TextList IncludeTermsHistoryList;
    std::string IncludeTermsText;
    TextList ExcludeTermsList;
    TextList ExcludeTermsHistoryList;
    std::string ExcludeTermsText;

    int FileNamesModeSelected = 1;
    int FileTypesModeSelected = 0;
    int AllTypesSelected = 1;
    int IncludedTypesSelected = 0;
    int ExcludedTypesSelected = 0;
    int SelectOneTypeSelected = 0;
    int SelectOneTypeIndex = 0;
    int IncludeTermsChecked = 0;
    int ExcludeTermsChecked = 0;
};

// Built on first use, so that another file's static initialisation may already
// reach the settings; the object below makes sure that happens before main.
SharedSettings& Shared() {
    static SharedSettings settings;
    return settings;
}

[[maybe_unused]] const SharedSettings& constructedBeforeMain = Shared();

std::string FromCharacters(const char* item) {
    return item ? std::string(item) : std::string();
}

} // namespace

void SetHelpFileBaseName(std::string text) {
    Shared().HelpFileBaseName = std::move(text);
}
std::string GetHelpFileBaseName() {
    return Shared().HelpFileBaseName;
}
void SetStartDirectory(std::string text) {
    Shared().StartDirectory = std::move(text);
}
std::string GetStartDirectory() {
    return Shared().StartDirectory;
}
void SetSelectedSeparator(std::string text) {
    Shared().SelectedSeparator = std::move(text);
}
std::string GetSelectedSeparator() {
    return Shared().SelectedSeparator;
}
void SetSelectedQuotationMark(std::string text) {
    Shared().SelectedQuotationMark = std::move(text);
}
std::string GetSelectedQuotationMark() {
    return Shared().SelectedQuotationMark;
}
void SetFileNamePatternText(std::string text) {
    Shared().FileNamePatternText = std::move(text);
}
std::string GetFileNamePatternText() {
    return Shared().FileNamePatternText;
}
void SetSelectOneTypeText(std::string text) {
    Shared().SelectOneTypeText = std::move(text);
}
std::string GetSelectOneTypeText() {
    return Shared().SelectOneTypeText;
}
void SetIncludeTermsText(std::string text) {
    Shared().IncludeTermsText = std::move(text);
}
std::string GetIncludeTermsText() {
    return Shared().IncludeTermsText;
}
void SetExcludeTermsText(std::string text) {
    Shared().ExcludeTermsText = std::move(text);
}
std::string GetExcludeTermsText() {
    return Shared().ExcludeTermsText;
}

TextList GetSeparatorList() {
    return Shared().SeparatorList;
}
void ClearSeparatorList() {
    Shared().SeparatorList.clear();
}
void AddToSeparatorList(const std::string& item) {
    Shared().SeparatorList.push_back(item);
}
void AddTextToSeparatorList(const char* item) {
    Shared().SeparatorList.push_back(FromCharacters(item));
}

TextList GetQuotationMarkList() {
    return Shared().QuotationMarkList;
}
void ClearQuotationMarkList() {
    Shared().QuotationMarkList.clear();
}
void AddToQuotationMarkList(const std::string& item) {
    Shared().QuotationMarkList.push_back(item);
}
void AddTextToQuotationMarkList(const char* item) {
    Shared().QuotationMarkList.push_back(FromCharacters(item));
}

void SetFileNamePatternList(TextList list) {
    Shared().FileNamePatternList = std::move(list);
}
TextList GetFileNamePatternList() {
    return Shared().FileNamePatternList;
}
void ClearFileNamePatternList() {
    Shared().FileNamePatternList.clear();
}
void AddToFileNamePatternList(const std::string& item) {
    Shared().FileNamePatternList.push_back(item);
}
void AddTextToFileNamePatternList(const char* item) {
    Shared().FileNamePatternList.push_back(FromCharacters(item));
}

void SetFileNameHistoryList(TextList list) {
    Shared().FileNameHistoryList = std::move(list);
}
TextList GetFileNameHistoryList() {
    return Shared().FileNameHistoryList;
}
void ClearFileNameHistoryList() {
    Shared().FileNameHistoryList.clear();
}
void AddToFileNameHistoryList(const std::string& item) {
    Shared().FileNameHistoryList.push_back(item);
}

TextList GetKnownTypeList() {
    return Shared().KnownTypeList;
}
void ClearKnownTypeList() {
    Shared().KnownTypeList.clear();
}
void AddToKnownTypeList(const std::string& item) {
    Shared().KnownTypeList.push_back(item);
}

void SetIncludedTypeList(TextList list) {
    Shared().IncludedTypeList = std::move(list);
}
TextList GetIncludedTypeList() {
    return Shared().IncludedTypeList;
}
void ClearIncludedTypeList() {
    Shared().IncludedTypeList.clear();
}
void AddToIncludedTypeList(const std::string& item) {
    Shared().IncludedTypeList.push_back(item);
}

void SetExcludedTypeList(TextList list) {
    Shared().ExcludedTypeList = std::move(list);
}
TextList GetExcludedTypeList() {
    return Shared().ExcludedTypeList;
}
void ClearExcludedTypeList() {
    Shared().ExcludedTypeList.clear();
}
void AddToExcludedTypeList(const std::string& item) {
    Shared().ExcludedTypeList.push_back(item);
}

void SetIncludeTermsList(TextList list) {
    Shared().IncludeTermsList = std::move(list);
}
TextList GetIncludeTermsList() {
    return Shared().IncludeTermsList;
}
void ClearIncludeTermsList() {
    Shared().IncludeTermsList.clear();
}
void AddToIncludeTermsList(const std::string& item) {
    Shared().IncludeTermsList.push_back(item);
}

void SetIncludeTermsHistoryList(TextList list) {
    Shared().IncludeTermsHistoryList = std::move(list);
}
TextList GetIncludeTermsHistoryList() {
    return Shared().IncludeTermsHistoryList;
}
void ClearIncludeTermsHistoryList() {
    Shared().IncludeTermsHistoryList.clear();
}
void AddToIncludeTermsHistoryList(const std::string& item) {
    Shared().IncludeTermsHistoryList.push_back(item);
}

void SetExcludeTermsList(TextList list) {
    Shared().ExcludeTermsList = std::move(list);
}
TextList GetExcludeTermsList() {
    return Shared().ExcludeTermsList;
}
void ClearExcludeTermsList() {
    Shared().ExcludeTermsList.clear();
}
void AddToExcludeTermsList(const std::string& item) {
    Shared().ExcludeTermsList.push_back(item);
}

void SetExcludeTermsHistoryList(TextList list) {
    Shared().ExcludeTermsHistoryList = std::move(list);
}
TextList GetExcludeTermsHistoryList() {
    return Shared().ExcludeTermsHistoryList;
}
void ClearExcludeTermsHistoryList() {
    Shared().ExcludeTermsHistoryList.clear();
}
void AddToExcludeTermsHistoryList(const std::string& item) {
    Shared().ExcludeTermsHistoryList.push_back(item);
}

int GetFileNamesModeSelected() {
    return Shared().FileNamesModeSelected;
}
void SetFileNamesModeSelected(int value) {
    Shared().FileNamesModeSelected = value;
}
int GetFileTypesModeSelected() {
    return Shared().FileTypesModeSelected;
}
void SetFileTypesModeSelected(int value) {
    Shared().FileTypesModeSelected = value;
}
int GetAllTypesSelected() {
    return Shared().AllTypesSelected;
}
void SetAllTypesSelected(int value) {
    Shared().AllTypesSelected = value;
}
int GetIncludedTypesSelected() {
    return Shared().IncludedTypesSelected;
}
void SetIncludedTypesSelected(int value) {
    Shared().IncludedTypesSelected = value;
}
int GetExcludedTypesSelected() {
    return Shared().ExcludedTypesSelected;
}
void SetExcludedTypesSelected(int value) {
    Shared().ExcludedTypesSelected = value;
}
int GetSelectOneTypeSelected() {
    return Shared().SelectOneTypeSelected;
}
void SetSelectOneTypeSelected(int value) {
    Shared().SelectOneTypeSelected = value;
}
int GetSelectOneTypeIndex() {
    return Shared().SelectOneTypeIndex;
}
void SetSelectOneTypeIndex(int value) {
    Shared().SelectOneTypeIndex = value;
}
int GetIncludeTermsChecked() {
    return Shared().IncludeTermsChecked;
}
void SetIncludeTermsChecked(int value) {
    Shared().IncludeTermsChecked = value;
}
int GetExcludeTermsChecked() {
    return Shared().ExcludeTermsChecked;
}
void SetExcludeTermsChecked(int value) {
    Shared().ExcludeTermsChecked = value;
}

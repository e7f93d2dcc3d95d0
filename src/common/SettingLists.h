#pragma once
// The process-wide settings that several windows share and the settings file
// keeps between runs. They are reached only through these accessors: getters
// hand out copies, setters replace the stored value, and no caller ever holds
// a reference to the storage. Window thread only.

#include <deque>
#include <string>

// Texts
void SetHelpFileBaseName(std::string text);
std::string GetHelpFileBaseName();
void SetStartDirectory(std::string text);
std::string GetStartDirectory();
void SetSelectedSeparator(std::string text);
std::string GetSelectedSeparator();
void SetSelectedQuotationMark(std::string text);
std::string GetSelectedQuotationMark();
void SetFileNamePatternText(std::string text);
std::string GetFileNamePatternText();
void SetSelectOneTypeText(std::string text);
std::string GetSelectOneTypeText();
void SetIncludeTermsText(std::string text);
std::string GetIncludeTermsText();
void SetExcludeTermsText(std::string text);
std::string GetExcludeTermsText();

// Lists. The AddText... variants take a plain character string; none of the
// appending accessors trims or removes duplicates.
std::deque<std::string> GetSeparatorList();
void ClearSeparatorList();
void AddToSeparatorList(const std::string& item);
void AddTextToSeparatorList(const char* item);

std::deque<std::string> GetQuotationMarkList();
void ClearQuotationMarkList();
void AddToQuotationMarkList(const std::string& item);
void AddTextToQuotationMarkList(const char* item);

void SetFileNamePatternList(std::deque<std::string> list);
std::deque<std::string> GetFileNamePatternList();
void ClearFileNamePatternList();
void AddToFileNamePatternList(const std::string& item);
void AddTextToFileNamePatternList(const char* item);

void SetFileNameHistoryList(std::deque<std::string> list);
std::deque<std::string> GetFileNameHistoryList();
void ClearFileNameHistoryList();
void AddToFileNameHistoryList(const std::string& item);

std::deque<std::string> GetKnownTypeList();
void ClearKnownTypeList();
void AddToKnownTypeList(const std::string& item);

void SetIncludedTypeList(std::deque<std::string> list);
std::deque<std::string> GetIncludedTypeList();
void ClearIncludedTypeList();
void AddToIncludedTypeList(const std::string& item);

void SetExcludedTypeList(std::deque<std::string> list);
std::deque<std::string> GetExcludedTypeList();
void ClearExcludedTypeList();
void AddToExcludedTypeList(const std::string& item);

void SetIncludeTermsList(std::deque<std::string> list);
std::deque<std::string> GetIncludeTermsList();
void ClearIncludeTermsList();
void AddToIncludeTermsList(const std::string& item);

void SetIncludeTermsHistoryList(std::deque<std::string> list);
std::deque<std::string> GetIncludeTermsHistoryList();
void ClearIncludeTermsHistoryList();
void AddToIncludeTermsHistoryList(const std::string& item);

void SetExcludeTermsList(std::deque<std::string> list);
std::deque<std::string> GetExcludeTermsList();
void ClearExcludeTermsList();
void AddToExcludeTermsList(const std::string& item);

void SetExcludeTermsHistoryList(std::deque<std::string> list);
std::deque<std::string> GetExcludeTermsHistoryList();
void ClearExcludeTermsHistoryList();
void AddToExcludeTermsHistoryList(const std::string& item);

// The file-selection window's choices: 0 or 1, except the index.
int GetFileNamesModeSelected();
void SetFileNamesModeSelected(int value);
int GetFileTypesModeSelected();
void SetFileTypesModeSelected(int value);
int GetAllTypesSelected();
void SetAllTypesSelected(int value);
int GetIncludedTypesSelected();
void SetIncludedTypesSelected(int value);
int GetExcludedTypesSelected();
void SetExcludedTypesSelected(int value);
int GetSelectOneTypeSelected();
void SetSelectOneTypeSelected(int value);
int GetSelectOneTypeIndex();
void SetSelectOneTypeIndex(int value);
int GetIncludeTermsChecked();
void SetIncludeTermsChecked(int value);
int GetExcludeTermsChecked();
void SetExcludeTermsChecked(int value);

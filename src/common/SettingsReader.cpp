#include "common/SettingsReader.h"

#include "common/FrameworkText.h"
#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "platform/Drives.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

using TextList = std::deque<std::string>;

// Every value of the shared setting lists, so that a load can be read in full
// before any of it becomes visible.
struct SettingValues {
    std::string HelpFileBaseName = GetHelpFileBaseName();
    std::string StartDirectory = GetStartDirectory();
    TextList SeparatorList = GetSeparatorList();
    std::string SelectedSeparator = GetSelectedSeparator();
    TextList QuotationMarkList = GetQuotationMarkList();
    std::string SelectedQuotationMark = GetSelectedQuotationMark();
    TextList FileNamePatternList = GetFileNamePatternList();
    TextList FileNameHistoryList = GetFileNameHistoryList();
    std::string FileNamePatternText = GetFileNamePatternText();
    std::string SelectOneTypeText = GetSelectOneTypeText();
    TextList KnownTypeList = GetKnownTypeList();
    TextList IncludedTypeList = GetIncludedTypeList();
    TextList ExcludedTypeList = GetExcludedTypeList();
    TextList IncludeTermsList = GetIncludeTermsList();
    TextList IncludeTermsHistoryList = GetIncludeTermsHistoryList();
    std::string IncludeTermsText = GetIncludeTermsText();
    TextList ExcludeTermsList = GetExcludeTermsList();
    TextList ExcludeTermsHistoryList = GetExcludeTermsHistoryList();
    std::string ExcludeTermsText = GetExcludeTermsText();
    int FileNamesModeSelected = GetFileNamesModeSelected();
    int FileTypesModeSelected = GetFileTypesModeSelected();
    int AllTypesSelected = GetAllTypesSelected();
    int IncludedTypesSelected = GetIncludedTypesSelected();
    int ExcludedTypesSelected = GetExcludedTypesSelected();
    int SelectOneTypeSelected = GetSelectOneTypeSelected();
    int SelectOneTypeIndex = GetSelectOneTypeIndex();
    int IncludeTermsChecked = GetIncludeTermsChecked();
    int ExcludeTermsChecked = GetExcludeTermsChecked();

    void ClearLists() {
        for (TextList* list : {&SeparatorList, &QuotationMarkList, &FileNameHistoryList, &FileNamePatternList,
                               &IncludedTypeList, &ExcludedTypeList, &KnownTypeList, &IncludeTermsList,
                               &IncludeTermsHistoryList, &ExcludeTermsList, &ExcludeTermsHistoryList})
            list->clear();
    }

    // The list a record type appends to, or nullptr.
    TextList* ListOf(int32_t type) {
        switch (type) {
        case 4:
            return &SeparatorList;
        case 6:
            return &QuotationMarkList;
        case 10:
            return &FileNamePatternList;
        case 11:
            return &FileNameHistoryList;
        case 17:
            return &IncludedTypeList;
        case 18:
            return &ExcludedTypeList;
        case 19:
            return &KnownTypeList;
        case 22:
            return &IncludeTermsList;
        case 23:
            return &IncludeTermsHistoryList;
        case 26:
            return &ExcludeTermsList;
        case 27:
            return &ExcludeTermsHistoryList;
        default:
            return nullptr;
        }
    }

    void Apply(const SettingsRecord& record) {
        const int32_t type = record.type;
        if (TextList* list = ListOf(type)) {
            list->push_back(record.Value());
            return;
        }
        switch (type) {
        case 1:
            HelpFileBaseName = record.Value();
            break;
        case 2:
            StartDirectory = record.Value();
            break;
        case 3:
            SelectedSeparator = record.Value();
            break;
        case 5:
            SelectedQuotationMark = record.Value();
            break;
        case 9:
            FileNamePatternText = record.Value();
            break;
        case 21:
            IncludeTermsText = Trim(record.Value());
            break;
        case 25:
            ExcludeTermsText = Trim(record.Value());
            break;
        case 7:
            FileNamesModeSelected = record.number;
            break;
        case 8:
            FileTypesModeSelected = record.number;
            break;
        case 12:
            AllTypesSelected = record.number;
            break;
        case 13:
            IncludedTypesSelected = record.number;
            break;
        case 14:
            ExcludedTypesSelected = record.number;
            break;
        case 15:
            SelectOneTypeSelected = record.number;
            break;
        case 20:
            IncludeTermsChecked = record.number;
            break;
        case 24:
            ExcludeTermsChecked = record.number;
            break;
        case 16:
            SelectOneTypeIndex = record.number;
            SelectOneTypeText = record.Value();
            break;
        default:
            break; // the end record and types nobody knows
        }
    }

    // Makes these the shared values. The three lists without a setter are
    // rebuilt item by item.
    void Publish() {
        SetHelpFileBaseName(HelpFileBaseName);
        SetStartDirectory(StartDirectory);
        ClearSeparatorList();
        for (const std::string& item : SeparatorList)
            AddToSeparatorList(item);
        SetSelectedSeparator(SelectedSeparator);
        ClearQuotationMarkList();
        for (const std::string& item : QuotationMarkList)
            AddToQuotationMarkList(item);
        SetSelectedQuotationMark(SelectedQuotationMark);
        SetFileNamePatternList(FileNamePatternList);
        SetFileNameHistoryList(FileNameHistoryList);
        SetFileNamePatternText(FileNamePatternText);
        SetSelectOneTypeText(SelectOneTypeText);
        ClearKnownTypeList();
        for (const std::string& item : KnownTypeList)
            AddToKnownTypeList(item);
        SetIncludedTypeList(IncludedTypeList);
        SetExcludedTypeList(ExcludedTypeList);
        SetIncludeTermsList(IncludeTermsList);
        SetIncludeTermsHistoryList(IncludeTermsHistoryList);
        SetIncludeTermsText(IncludeTermsText);
        SetExcludeTermsList(ExcludeTermsList);
        SetExcludeTermsHistoryList(ExcludeTermsHistoryList);
        SetExcludeTermsText(ExcludeTermsText);
        SetFileNamesModeSelected(FileNamesModeSelected);
        SetFileTypesModeSelected(FileTypesModeSelected);
        SetAllTypesSelected(AllTypesSelected);
        SetIncludedTypesSelected(IncludedTypesSelected);
        SetExcludedTypesSelected(ExcludedTypesSelected);
        SetSelectOneTypeSelected(SelectOneTypeSelected);
        SetSelectOneTypeIndex(SelectOneTypeIndex);
        SetIncludeTermsChecked(IncludeTermsChecked);
        SetExcludeTermsChecked(ExcludeTermsChecked);
    }
};

} // namespace

SettingsReader::SettingsReader(const std::string& fileName) : fileName_(SettingsFileName(fileName)) {
    const std::optional<std::string> host = platform::ToHostPath(fileName_);
    std::error_code error;
    // Only a regular file is opened: a folder of that name cannot be read, and
    // opening a pipe would wait for a writer that never comes.
    if (!host || !fs::is_regular_file(*host, error))
        return;
    file_ = std::fopen(host->c_str(), "rb");
    ok_ = file_ != nullptr;
}

SettingsReader::~SettingsReader() {
    if (file_)
        std::fclose(file_);
}

void SettingsReader::ClearAll() {
    if (ok_)
        clearLists_ = true;
}

void SettingsReader::Load() {
    if (!ok_)
        return;
    SettingValues values;
    if (clearLists_)
        values.ClearLists();
    // From the start each time, so that loading twice gives the same result.
    std::rewind(file_);
    SettingsRecord::Bytes bytes;
    while (std::fread(bytes.data(), 1, bytes.size(), file_) == bytes.size()) {
        record_ = SettingsRecord::FromBytes(bytes);
        values.Apply(record_);
    }
    // A file that breaks off is taken up to its last whole record; one that
    // could not be read keeps everything as it was.
    if (std::ferror(file_))
        return;
    values.Publish();
}

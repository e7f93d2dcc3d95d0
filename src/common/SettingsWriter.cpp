#include "common/SettingsWriter.h"

#include "common/FrameworkText.h"
#include "common/ReplacedFile.h"
#include "common/SettingLists.h"
#include "common/SettingsFile.h"
#include "platform/Drives.h"
#include "ui/Desktop.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using TextList = std::deque<std::string>;

SettingsRecord MakeRecord(int32_t type, const char* key, const std::string& value, int32_t number) {
    SettingsRecord record;
    record.type = type;
    record.SetKey(key);
    record.SetValue(value);
    record.number = number;
    return record;
}

// Texts that would be stored empty are stored as one blank.
std::string BlankWhenEmpty(const std::string& text) {
    return text.empty() ? std::string(" ") : text;
}
std::string BlankWhenTrimmedEmpty(const std::string& text) {
    return Trim(text).empty() ? std::string(" ") : text;
}

} // namespace

SettingsWriter::SettingsWriter(const std::string& fileName) : fileName_(SettingsFileName(fileName)) {
    const std::optional<std::string> host = platform::ToHostPath(fileName_);
    std::error_code error;
    // Written through a link to the file it names, which keeps its permissions.
    ReplacementTarget target;
    if (host && FindReplacementTarget(*host, target) && !fs::is_directory(target.path, error)) {
        targetPath_ = target.path;
        mode_ = target.mode;
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (int attempt = 0; attempt < 8 && !file_; ++attempt) {
            char suffix[32];
            std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
            temporaryPath_ = targetPath_ + suffix;
            // "x": never take over a file someone else already has.
            file_ = std::fopen(temporaryPath_.c_str(), "wbx");
        }
    }
    if (!file_)
        temporaryPath_.clear();
}

ui::MessageBoxRequest SettingsWriter::FailureBox() {
    return {nullptr, "Severe Error!    Msg no: 0130.",
            "Unable to open output file to save settings !\n\nAction: Try to save again the settings, or "
            "\n\nimmediately e-mail us, please!",
            ui::Icon::Stop, ui::Buttons::Ok};
}

SettingsWriter::~SettingsWriter() {
    Discard();
}

void SettingsWriter::Discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporaryPath_.empty()) {
        std::error_code ignored;
        fs::remove(temporaryPath_, ignored);
        temporaryPath_.clear();
    }
}

bool SettingsWriter::WriteRecord(const SettingsRecord& record) {
    const SettingsRecord::Bytes bytes = record.ToBytes();
    return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool SettingsWriter::Save() {
    if (!file_)
        return false;
    bool written = true;
    auto put = [&](int32_t type, const char* key, const std::string& value, int32_t number) {
        if (written)
            written = WriteRecord(MakeRecord(type, key, value, number));
    };
    auto putItems = [&](int32_t type, const char* key, const TextList& items) {
        for (const std::string& item : items)
            put(type, key, item, 0);
    };

    put(1, "APPNAME", BlankWhenEmpty(GetHelpFileBaseName()), 0);
    put(2, "DEFDIRECTRY", BlankWhenEmpty(GetStartDirectory()), 0);
    put(3, "SELSEDELIM", BlankWhenEmpty(GetSelectedSeparator()), 0);
    putItems(4, "DELIMLIST", GetSeparatorList());
    put(5, "SELSEQUOT", BlankWhenEmpty(GetSelectedQuotationMark()), 0);
    putItems(6, "QUOTLIST", GetQuotationMarkList());
    put(7, "FMNAMESRDO", "", GetFileNamesModeSelected());
    put(8, "FMNAMESRDO", "", GetFileTypesModeSelected());
    put(9, "FMNAMESTXT", BlankWhenTrimmedEmpty(GetFileNamePatternText()), 0);
    putItems(10, "FMDEQINC", GetFileNamePatternList());
    putItems(11, "FMDEQINC", GetFileNameHistoryList());
    put(12, "FMALLTYPES", "", GetAllTypesSelected());
    put(13, "FMINCTYPES", "", GetIncludedTypesSelected());
    put(14, "FMINCTYPES", "", GetExcludedTypesSelected());
    put(15, "FMONETYPES", "", GetSelectOneTypeSelected());
    put(16, "FMONEFILE", GetSelectOneTypeText(), GetSelectOneTypeIndex());
    putItems(17, "FMDEQINC", GetIncludedTypeList());
    putItems(18, "FMDEQEXC", GetExcludedTypeList());
    putItems(19, "FMDEQEXC", GetKnownTypeList());
    put(20, "FMINCCHECK", "", GetIncludeTermsChecked());
    put(21, "FMNAMESTXT", BlankWhenTrimmedEmpty(GetIncludeTermsText()), 0);
    putItems(22, "FMDEQINC", GetIncludeTermsList());
    putItems(23, "FMDEQINC", GetIncludeTermsHistoryList());
    put(24, "FMINCCHECK", "", GetExcludeTermsChecked());
    put(25, "FMNAMESTXT", BlankWhenTrimmedEmpty(GetExcludeTermsText()), 0);
    putItems(26, "FMDEQINC", GetExcludeTermsList());
    putItems(27, "FMDEQINC", GetExcludeTermsHistoryList());
    put(SettingsRecord::kEndType, "VEGVEGEVE", "", 0);

    // Only a file that was written and closed in full replaces the previous one.
    std::FILE* file = file_;
    file_ = nullptr;
    written = std::fflush(file) == 0 && written;
    // On the disk before the rename, so that a crash cannot leave an empty
    // file in the place of the previous one.
    written = written && fchmod(fileno(file), mode_) == 0 && fsync(fileno(file)) == 0;
    written = std::fclose(file) == 0 && written;
    std::error_code error;
    if (written)
        fs::rename(temporaryPath_, targetPath_, error);
    if (!written || error) {
        Discard();
        return false;
    }
    temporaryPath_.clear();
    return true;
}

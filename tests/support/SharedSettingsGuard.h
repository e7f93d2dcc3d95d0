#pragma once
// Gives a test the shared setting lists as they are at program start and puts
// back whatever they held before the test when it ends.

#include <deque>
#include <memory>
#include <string>

namespace testsupport {

class SharedSettingsGuard {
public:
    SharedSettingsGuard();
    ~SharedSettingsGuard();
    SharedSettingsGuard(const SharedSettingsGuard&) = delete;
    SharedSettingsGuard& operator=(const SharedSettingsGuard&) = delete;

    // Every value as at program start: empty texts and lists, "," as the
    // separator, the double quote as the quotation mark, "*.*" as the pattern
    // text, file names and all types selected.
    static void ResetToStart();

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

// Replaces one of the lists that have no setter.
void ReplaceSeparatorList(const std::deque<std::string>& items);
void ReplaceQuotationMarkList(const std::deque<std::string>& items);
void ReplaceKnownTypeList(const std::deque<std::string>& items);

} // namespace testsupport

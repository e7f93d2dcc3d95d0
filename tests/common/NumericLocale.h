#pragma once
// Puts numeric conventions in place for one test and restores the ones before
// it afterwards, so that number texts can be checked under the decimal
// separator a user may have chosen, whatever locale the test program started
// with.

#include <string>

namespace testsupport {

class NumericLocale {
public:
    // The "C" conventions: a point as decimal separator.
    NumericLocale();
    // Conventions with a comma as decimal separator. Build machines seldom
    // have such a locale installed; then one is compiled into `folder` with
    // the system's locale compiler. IsActive() is false when neither works.
    explicit NumericLocale(const std::string& folder);
    ~NumericLocale();
    NumericLocale(const NumericLocale&) = delete;
    NumericLocale& operator=(const NumericLocale&) = delete;

    bool IsActive() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

} // namespace testsupport

#pragma once
// A desktop for tests whose inputs are random, so that which boxes come up is
// not known beforehand: it answers every box itself (Yes to a question unless
// told otherwise for its number, OK to the rest) and notes each one. Modal
// windows, dialogs and framework errors still fail the test unless scripted.

#include "support/ScriptedDesktop.h"

#include <map>
#include <string>
#include <vector>

class QWidget;

namespace testsupport {

class AnsweringDesktop : public ScriptedDesktop {
public:
    ui::Answer MessageBox(const ui::MessageBoxRequest& request) override;

    // The answer to the questions of one number.
    void Answer(const std::string& number, ui::Answer answer) { answers_[number] = answer; }
    // The boxes shown since the last Forget.
    const std::vector<ShownBox>& Shown() const { return shown_; }
    std::string ShownNumbers() const;
    // Each box's number and text, for a failure's trace.
    std::string ShownTexts() const;
    bool WasShown(const std::string& number) const;
    void Forget() { shown_.clear(); }

private:
    std::map<std::string, ui::Answer> answers_;
    std::vector<ShownBox> shown_;
};

// Every list box (ui::ListBox) below `window`, by objectName, with its items:
// what a statistics window lists, to compare a simulation with a run.
std::string ListBoxContents(const QWidget& window);

} // namespace testsupport

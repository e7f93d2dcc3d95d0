#pragma once
// The framework's page control: a tab whose page the window layout hides is
// out of reach. Ctrl+Tab and Ctrl+Shift+Tab step over it as over a disabled
// one, and a page that comes to the front while its tab is hidden (by the tab
// bar's own keys or wheel, or by a call) is sent back to the page that was in
// front.
//
// The two keys step from whatever control of the window has the focus. A key
// goes to the focused control first, and some take it for themselves: a
// drop-down list searches its items for the text the key carries, which for
// Ctrl+Tab is "\t" as a keyboard sends it. So the page control sees the keys
// of its window before any control does.

#include <QTabWidget>

class QKeyEvent;

namespace ui {

class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    // Whether a key or a step of the tab bar may bring this page to the front.
    bool IsReachable(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // +1 for Ctrl+Tab, -1 for Ctrl+Shift+Tab, 0 for any other key.
    static int PageStep(const QKeyEvent& key);
    void StepToReachablePage(int step);
    void KeepHiddenPagesBack(int index);

    int shown_ = -1;
};

} // namespace ui

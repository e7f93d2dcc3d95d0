#pragma once
// The framework's page control: a tab whose page the window layout hides is
// out of reach. Ctrl+Tab and Ctrl+Shift+Tab step over it as over a disabled
// one, and a page that comes to the front while its tab is hidden (by the tab
// bar's own keys or wheel, or by a call) is sent back to the page that was in
// front.

#include <QTabWidget>

namespace ui {

class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    // Whether a key or a step of the tab bar may bring this page to the front.
    bool IsReachable(int index) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void KeepHiddenPagesBack(int index);

    int shown_ = -1;
};

} // namespace ui

#pragma once
// Turns a plain label into a link-like one: blue text, the hand cursor, and
// an underline while the pointer is over it. Clicks stay with the window that
// owns the label: it connects to the behaviour's clicked signal.

#include <QObject>

class QLabel;

class HyperlinkLabelBehaviour : public QObject {
    Q_OBJECT
public:
    explicit HyperlinkLabelBehaviour(QLabel* label);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label_;
    bool pressed_ = false;
};

// Always true. A label made a hyperlink twice keeps the one behaviour it got
// the first time.
bool MakeHyperlinkLabel(QLabel* label);

// The behaviour MakeHyperlinkLabel gave the label, or nullptr.
HyperlinkLabelBehaviour* HyperlinkBehaviourOf(QLabel* label);

#pragma once
// The framework's up-down control: a pair of arrows beside an edit field (its
// associate) that steps the whole number the field shows within a minimum
// and a maximum. Each step reads the field first, so a number the person
// typed is where the arrows go on from; a text that is no number starts again
// from the minimum. The Up and Down keys in the field step as the arrows do.
//
// In a Qt Designer form, use a QWidget promoted to ui::UpDown (header
// "ui/UpDown.h"); "minimum" and "maximum" can be set there as dynamic
// properties (stdset="0"). The window sets the associate once it is built.

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QToolButton;

namespace ui {

class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minimum READ Minimum WRITE SetMinimum)
    Q_PROPERTY(int maximum READ Maximum WRITE SetMaximum)
public:
    explicit UpDown(QWidget* parent = nullptr);

    void SetAssociate(QLineEdit* edit);
    QLineEdit* Associate() const { return associate_; }

    int Minimum() const { return minimum_; }
    void SetMinimum(int minimum);
    int Maximum() const { return maximum_; }
    // A maximum below the minimum is taken as the minimum.
    void SetMaximum(int maximum);

    // The associate's number kept within the bounds; the minimum for a text
    // that is no whole number.
    int Position() const;
    // One arrow click: +1 up, -1 down. Writes the new number into the associate.
    void Step(int direction);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QPointer<QLineEdit> associate_;
    int minimum_ = 0;
    int maximum_ = 100;
};

} // namespace ui

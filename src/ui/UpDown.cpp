#include "ui/UpDown.h"

#include "ui/Guard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <string>

namespace ui {

namespace {

// A whole number, optionally signed and surrounded by blanks; false for anything else.
bool ReadWholeNumber(const QString& text, long long& value) {
    const std::string digits = text.trimmed().toStdString();
    if (digits.empty())
        return false;
    const char* first = digits.data();
    const char* last = first + digits.size();
    if (*first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last;
}

} // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        button->setFixedWidth(16);
        layout->addWidget(button);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setObjectName("up");
    down_->setObjectName("down");
    OnClicked(up_, [this] { Step(1); });
    OnClicked(down_, [this] { Step(-1); });
}

void UpDown::SetAssociate(QLineEdit* edit) {
    if (associate_)
        associate_->removeEventFilter(this);
    associate_ = edit;
    if (associate_)
        associate_->installEventFilter(this);
}

void UpDown::SetMinimum(int minimum) {
    minimum_ = minimum;
    maximum_ = std::max(maximum_, minimum_);
}

void UpDown::SetMaximum(int maximum) {
    maximum_ = std::max(maximum, minimum_);
}

int UpDown::Position() const {
    long long value = minimum_;
    if (!associate_ || !ReadWholeNumber(associate_->text(), value))
        return minimum_;
    return static_cast<int>(std::clamp<long long>(value, minimum_, maximum_));
}

void UpDown::Step(int direction) {
    if (!associate_ || !isEnabled())
        return;
    // An arrow never moves the number against its own direction: Up on a
    // number above the maximum leaves it, as Down on one below the minimum.
    long long typed = 0;
    if (ReadWholeNumber(associate_->text(), typed) &&
        ((direction > 0 && typed > maximum_) || (direction < 0 && typed < minimum_)))
        return;
    const int position = std::clamp(Position() + direction, minimum_, maximum_);
    associate_->setText(QString::number(position));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    // The type comes first: while the edit is being destroyed it still sends
    // events (focus and hide) through this filter, and comparing it with the
    // QPointer then reads an object that is no longer a QLineEdit.
    if (event->type() == QEvent::KeyPress && watched == associate_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Guard([&] { Step(key == Qt::Key_Up ? 1 : -1); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui

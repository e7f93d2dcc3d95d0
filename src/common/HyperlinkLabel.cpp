#include "common/HyperlinkLabel.h"

#include "ui/Colors.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
const char* const BehaviourName = "HyperlinkLabelBehaviour";
// Red 0, green 0, blue 192.
constexpr ui::TColor LinkColour = 0xC00000;

void SetUnderline(QLabel* label, bool underline) {
    QFont font = label->font();
    if (font.underline() == underline)
        return;
    font.setUnderline(underline);
    label->setFont(font);
}
} // namespace

HyperlinkLabelBehaviour::HyperlinkLabelBehaviour(QLabel* label) : QObject(label), label_(label) {
    setObjectName(BehaviourName);
}

bool HyperlinkLabelBehaviour::eventFilter(QObject* watched, QEvent* event) {
    if (watched != label_)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        SetUnderline(label_, true);
        break;
    case QEvent::Leave:
        SetUnderline(label_, false);
        pressed_ = false;
        break;
    case QEvent::MouseButtonPress:
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        bool click = pressed_ && mouse->button() == Qt::LeftButton &&
                     label_->rect().contains(mouse->position().toPoint());
        pressed_ = false;
        if (click)
            emit clicked();
        break;
    }
    default:
        break;
    }
    return false;
}

HyperlinkLabelBehaviour* HyperlinkBehaviourOf(QLabel* label) {
    if (!label)
        return nullptr;
    return label->findChild<HyperlinkLabelBehaviour*>(BehaviourName, Qt::FindDirectChildrenOnly);
}

bool MakeHyperlinkLabel(QLabel* label) {
    if (!label || HyperlinkBehaviourOf(label))
        return true;
    auto* behaviour = new HyperlinkLabelBehaviour(label);
    label->installEventFilter(behaviour);
    ui::SetFontColor(label, LinkColour);
    label->setCursor(Qt::PointingHandCursor);
    return true;
}

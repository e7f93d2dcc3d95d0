#include "ui/Colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace ui {

QColor ToQColor(TColor color) {
    if ((color & 0xFF000000u) == 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (color) {
        case clWindow:
            return palette.color(QPalette::Base);
        case clHighlight:
            return palette.color(QPalette::Highlight);
        case clHighlightText:
            return palette.color(QPalette::HighlightedText);
        case clBtnFace:
        case clScrollBar:
            return palette.color(QPalette::Button);
        case clGrayText:
            return palette.color(QPalette::Disabled, QPalette::Text);
        case clBtnText:
            return palette.color(QPalette::ButtonText);
        case clInfoText:
            return palette.color(QPalette::ToolTipText);
        case clInfoBk:
            return palette.color(QPalette::ToolTipBase);
        case clWindowText:
        default:
            return palette.color(QPalette::WindowText);
        }
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

void SetFontColor(QWidget* widget, TColor color) {
    if (!widget)
        return;
    const QColor qcolor = ToQColor(color);
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, qcolor);
        palette.setColor(group, QPalette::ButtonText, qcolor);
        palette.setColor(group, QPalette::Text, qcolor);
    }
    widget->setPalette(palette);
}

} // namespace ui

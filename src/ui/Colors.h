#pragma once
// The framework's colours: 0x00BBGGRR values (red in the lowest byte), or,
// with the top byte 0x80 set, one of the system's colour roles.

#include <QColor>

#include <cstdint>

class QWidget;

namespace ui {

using TColor = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// System colour roles, as the framework numbers them.
constexpr TColor clScrollBar = 0x80000000;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clHighlightText = 0x8000000E;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clGrayText = 0x80000011;
constexpr TColor clBtnText = 0x80000012;
constexpr TColor clInfoText = 0x80000017;
constexpr TColor clInfoBk = 0x80000018;

// The colour a value stands for; a system role through the application's
// palette (an unknown role gives the palette's window text colour).
QColor ToQColor(TColor color);

// The framework's font colour of a control: the colour its caption or text is
// drawn in (labels, buttons, check boxes, edits and lists alike).
void SetFontColor(QWidget* widget, TColor color);

} // namespace ui

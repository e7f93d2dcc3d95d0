#pragma once
// Whether a picture grabbed of a window shows what it must: the window whole,
// at its size, and a control of it at its place, drawn as the control itself
// draws (a picture that leaves a control out, or shows it elsewhere, fails);
// and a line of text in a control, as a person would read it there.

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace testsupport {

inline ::testing::AssertionResult PictureShows(const QPixmap& picture, const QWidget& window,
                                               QWidget& control) {
    const qreal scale = picture.devicePixelRatio();
    const QImage whole = picture.toImage().convertToFormat(QImage::Format_RGB32);
    if (whole.size() != window.size() * scale)
        return ::testing::AssertionFailure() << "the picture is not the window's size";
    const QRect place(control.mapTo(&window, QPoint(0, 0)) * scale, control.size() * scale);
    const QImage shown = whole.copy(place);
    const QImage drawn = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != drawn.size())
        return ::testing::AssertionFailure() << "the control does not fit the picture";
    int differing = 0;
    QRgb first = drawn.pixel(0, 0);
    bool oneColour = true;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            differing += shown.pixel(x, y) != drawn.pixel(x, y);
            oneColour = oneColour && drawn.pixel(x, y) == first;
        }
    if (oneColour)
        return ::testing::AssertionFailure() << control.objectName().toStdString() << " draws nothing";
    if (differing > 0)
        return ::testing::AssertionFailure()
               << differing << " pixels of " << control.objectName().toStdString()
               << " differ from what it draws";
    return ::testing::AssertionSuccess();
}

// Whether the picture of `window` shows `text` inside `control`: the text is
// drawn on its own in the control's font and colours, and the picture must
// hold its letters somewhere in the control's part: dark where the letters
// fill a pixel wholly and light where they leave it blank, whatever shade a
// row's background or a highlight gives them (the letters' soft edges, which
// take on that shade, are not compared).
inline ::testing::AssertionResult PictureShowsText(const QPixmap& picture, const QWidget& window,
                                                   const QWidget& control, const QString& text) {
    const QImage whole = picture.toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb ink = control.palette().color(QPalette::Text).rgb();
    const QRgb paper = control.palette().color(QPalette::Base).rgb();
    const QFontMetrics metrics(control.font());
    QImage drawn(metrics.horizontalAdvance(text) + 4, metrics.height() + 4, QImage::Format_RGB32);
    drawn.fill(paper);
    {
        QPainter painter(&drawn);
        painter.setFont(control.font());
        painter.setPen(QColor(ink));
        painter.drawText(2, 2 + metrics.ascent(), text);
    }
    QRect letters;
    std::vector<QPoint> full;
    std::vector<QPoint> blank;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != paper)
                letters |= QRect(x, y, 1, 1);
    for (int y = letters.top(); y <= letters.bottom(); ++y)
        for (int x = letters.left(); x <= letters.right(); ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            if (pixel == ink)
                full.emplace_back(x - letters.left(), y - letters.top());
            else if (pixel == paper)
                blank.emplace_back(x - letters.left(), y - letters.top());
        }
    if (full.empty())
        return ::testing::AssertionFailure() << "\"" << text.toStdString() << "\" fills no pixel wholly";
    const int light = (qGray(ink) + qGray(paper)) / 2;
    const QRect area = QRect(control.mapTo(&window, QPoint(0, 0)), control.size()) & whole.rect();
    for (int top = area.top(); top + letters.height() <= area.bottom() + 1; ++top)
        for (int left = area.left(); left + letters.width() <= area.right() + 1; ++left) {
            const auto at = [&](const QPoint& p) { return whole.pixel(left + p.x(), top + p.y()); };
            if (std::all_of(full.begin(), full.end(),
                            [&](const QPoint& p) { return qGray(at(p)) < light; }) &&
                std::all_of(blank.begin(), blank.end(),
                            [&](const QPoint& p) { return qGray(at(p)) > light; }))
                return ::testing::AssertionSuccess();
        }
    return ::testing::AssertionFailure()
           << "\"" << text.toStdString() << "\" is not to be read in " << control.objectName().toStdString();
}

} // namespace testsupport

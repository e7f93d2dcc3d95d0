#pragma once
// Whether a picture grabbed of a window shows what it must: the window whole,
// at its size, and a control of it at its place, drawn as the control itself
// draws (a picture that leaves a control out, or shows it elsewhere, fails).

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

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

} // namespace testsupport

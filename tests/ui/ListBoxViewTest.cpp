// The list box lays its rows out itself (all rows are one size), so that
// appending to a long list costs what the new rows cost. What a person sees
// and does must stay what Qt's own list view gives for the same items: each
// case below drives a list box and a plain QListWidget side by side and
// compares where rows are, where the view scrolls, what keys and clicks
// select.

#include "ui/ListBox.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct ViewState {
    int current = -1;
    std::vector<int> selected;
    int top = 0;  // the vertical scroll bar's value
    int left = 0; // the horizontal one's
    int topMaximum = 0;
    int leftMaximum = 0;
    int topPage = 0;
    int leftStep = 0;
    bool operator==(const ViewState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ViewState& state) {
    out << "current " << state.current << ", selected";
    for (int row : state.selected)
        out << " " << row;
    return out << ", top " << state.top << "/" << state.topMaximum << " page " << state.topPage << ", left "
               << state.left << "/" << state.leftMaximum << " step " << state.leftStep;
}

ViewState StateOf(QListWidget& view) {
    QApplication::processEvents();
    ViewState state;
    state.current = view.currentRow();
    for (int row = 0; row < view.count(); ++row) {
        if (view.item(row)->isSelected())
            state.selected.push_back(row);
    }
    state.top = view.verticalScrollBar()->value();
    state.left = view.horizontalScrollBar()->value();
    state.topMaximum = view.verticalScrollBar()->maximum();
    state.leftMaximum = view.horizontalScrollBar()->maximum();
    state.topPage = view.verticalScrollBar()->pageStep();
    state.leftStep = view.horizontalScrollBar()->singleStep();
    return state;
}

// A list box and Qt's own list view with the same items, size, delegate and
// modes, both shown.
struct SideBySide {
    ui::ListBox box;
    QListWidget reference;

    SideBySide(int rows, bool multiSelect, int extent) {
        box.SetMultiSelect(multiSelect);
        box.SetHorizontalExtent(extent);
        reference.setUniformItemSizes(true);
        reference.setItemDelegate(box.itemDelegate());
        reference.setHorizontalScrollMode(box.horizontalScrollMode());
        reference.setVerticalScrollMode(box.verticalScrollMode());
        reference.setTextElideMode(box.textElideMode());
        reference.setSelectionMode(box.selectionMode());
        for (int row = 0; row < rows; ++row) {
            const std::string text = "Row " + std::to_string(row);
            box.AddItem(text);
            reference.addItem(QString::fromStdString(text));
        }
        for (QListWidget* view : Views()) {
            view->resize(220, 157);
            view->show();
        }
        QApplication::processEvents();
        // Whichever window got the focus made its first row current.
        for (QListWidget* view : Views())
            view->setCurrentIndex(QModelIndex());
    }

    std::vector<QListWidget*> Views() { return {&box, &reference}; }

    // Does the same to both and expects the same outcome.
    void Expect(const std::string& what, const std::function<void(QListWidget&)>& step) {
        step(box);
        step(reference);
        EXPECT_EQ(StateOf(box), StateOf(reference)) << what;
    }
};

void Press(QListWidget& view, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&view, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(&view, &release);
}

void ClickAt(QListWidget& view, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF global = view.viewport()->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                      modifiers);
    QApplication::sendEvent(view.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton,
                        modifiers);
    QApplication::sendEvent(view.viewport(), &release);
}

TEST(ListBoxView, RowsSitWhereQtsListViewPutsThem) {
    for (int extent : {0, 3000}) {
        SideBySide views(200, false, extent);
        for (int row : {0, 1, 5, 199}) {
            const QModelIndex boxIndex = views.box.model()->index(row, 0);
            const QModelIndex referenceIndex = views.reference.model()->index(row, 0);
            EXPECT_EQ(views.box.visualRect(boxIndex), views.reference.visualRect(referenceIndex))
                << "row " << row << ", extent " << extent;
        }
        for (QPoint at : {QPoint(3, 0), QPoint(3, 40), QPoint(150, 77), QPoint(3, 150)})
            EXPECT_EQ(views.box.indexAt(at).row(), views.reference.indexAt(at).row())
                << at.x() << "," << at.y();
        EXPECT_EQ(StateOf(views.box), StateOf(views.reference)) << "extent " << extent;
    }
    SideBySide few(3, false, 0);
    EXPECT_EQ(few.box.indexAt(QPoint(3, 150)).row(), few.reference.indexAt(QPoint(3, 150)).row())
        << "below the last row";
}

TEST(ListBoxView, KeysMoveAndScrollAsInQtsListView) {
    for (bool multiSelect : {false, true}) {
        SideBySide views(200, multiSelect, 3000);
        const std::string mode = multiSelect ? " (multi-select)" : "";
        views.Expect("first click" + mode, [](QListWidget& view) { ClickAt(view, QPoint(5, 5)); });
        const std::vector<std::pair<std::string, std::function<void(QListWidget&)>>> steps = {
            {"Down", [](QListWidget& view) { Press(view, Qt::Key_Down); }},
            {"PageDown", [](QListWidget& view) { Press(view, Qt::Key_PageDown); }},
            {"PageDown again", [](QListWidget& view) { Press(view, Qt::Key_PageDown); }},
            {"Shift+Down", [](QListWidget& view) { Press(view, Qt::Key_Down, Qt::ShiftModifier); }},
            {"PageUp", [](QListWidget& view) { Press(view, Qt::Key_PageUp); }},
            {"Up", [](QListWidget& view) { Press(view, Qt::Key_Up); }},
            {"Right", [](QListWidget& view) { Press(view, Qt::Key_Right); }},
            {"Left", [](QListWidget& view) { Press(view, Qt::Key_Left); }},
            {"End", [](QListWidget& view) { Press(view, Qt::Key_End); }},
            {"Shift+PageUp", [](QListWidget& view) { Press(view, Qt::Key_PageUp, Qt::ShiftModifier); }},
            {"Home", [](QListWidget& view) { Press(view, Qt::Key_Home); }},
            {"Up at the top", [](QListWidget& view) { Press(view, Qt::Key_Up); }},
            {"sideways", [](QListWidget& view) { view.horizontalScrollBar()->setValue(500); }},
            {"Down after sideways", [](QListWidget& view) { Press(view, Qt::Key_Down); }},
            {"scroll to row 150", [](QListWidget& view) { view.scrollTo(view.model()->index(150, 0)); }},
            {"scroll to row 120 at the top",
             [](QListWidget& view) {
                 view.scrollTo(view.model()->index(120, 0), QAbstractItemView::PositionAtTop);
             }},
            {"scroll to row 130 at the bottom",
             [](QListWidget& view) {
                 view.scrollTo(view.model()->index(130, 0), QAbstractItemView::PositionAtBottom);
             }},
            {"scroll to row 40 at the centre",
             [](QListWidget& view) {
                 view.scrollTo(view.model()->index(40, 0), QAbstractItemView::PositionAtCenter);
             }},
            {"click in the middle", [](QListWidget& view) { ClickAt(view, QPoint(30, 60)); }},
            {"Shift+click lower",
             [](QListWidget& view) { ClickAt(view, QPoint(30, 130), Qt::ShiftModifier); }},
            {"Ctrl+click higher",
             [](QListWidget& view) { ClickAt(view, QPoint(30, 20), Qt::ControlModifier); }},
            {"wheel down",
             [](QListWidget& view) {
                 QWheelEvent wheel(QPointF(20, 20), view.viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                                   QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                 QApplication::sendEvent(view.viewport(), &wheel);
             }},
            {"drag down over rows",
             [](QListWidget& view) {
                 const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
                     QMouseEvent event(type, QPointF(at), view.viewport()->mapToGlobal(QPointF(at)),
                                       Qt::LeftButton, buttons, Qt::NoModifier);
                     QApplication::sendEvent(view.viewport(), &event);
                 };
                 send(QEvent::MouseButtonPress, QPoint(30, 10), Qt::LeftButton);
                 send(QEvent::MouseMove, QPoint(30, 50), Qt::LeftButton);
                 send(QEvent::MouseMove, QPoint(30, 90), Qt::LeftButton);
                 send(QEvent::MouseButtonRelease, QPoint(30, 90), Qt::NoButton);
             }},
            {"a taller window", [](QListWidget& view) { view.resize(220, 301); }},
            {"End in the taller window", [](QListWidget& view) { Press(view, Qt::Key_End); }},
        };
        for (const auto& [what, step] : steps)
            views.Expect(what + mode, step);
    }
}

TEST(ListBoxView, PaintsWhatQtsListViewPaints) {
    for (int extent : {0, 3000}) {
        SideBySide views(200, true, extent);
        for (QListWidget* view : views.Views()) {
            view->setCurrentRow(40);
            view->item(41)->setSelected(true);
            view->item(43)->setSelected(true);
            view->scrollTo(view->model()->index(40, 0), QAbstractItemView::PositionAtCenter);
            view->horizontalScrollBar()->setValue(3);
            view->clearFocus();
        }
        QApplication::processEvents();
        const QImage box = views.box.viewport()->grab().toImage();
        const QImage reference = views.reference.viewport()->grab().toImage();
        EXPECT_EQ(box, reference) << "extent " << extent;
    }
}

// What the window shows on screen (the offscreen screen hands back what was
// painted), not a fresh rendering: a view that repaints too little shows it.
QImage OnScreen(QListWidget& view) {
    QApplication::processEvents();
    QApplication::processEvents();
    return view.screen()->grabWindow(view.winId()).toImage();
}

TEST(ListBoxView, ChangesShowOnScreenAsInQtsListView) {
    // After rows inserted below the first one the list box repaints only from
    // the first new row; every other change must still repaint what it moved.
    const auto add = [](int count) {
        return [count](QListWidget& view) {
            for (int i = 0; i < count; ++i)
                view.addItem(QString("Added %1").arg(view.count()));
        };
    };
    const std::vector<std::pair<std::string, std::function<void(QListWidget&)>>> steps = {
        {"rows added below the last one shown", add(2)},
        {"rows added into the rows shown", [](QListWidget& view) { view.insertItem(1, "Between"); }},
        {"rows added out of sight", add(30)},
        {"at the end, rows added",
         [&](QListWidget& view) {
             view.scrollToBottom();
             add(3)(view);
         }},
        {"a row taken out", [](QListWidget& view) { delete view.takeItem(view.count() - 2); }},
        {"rows added, then all emptied",
         [&](QListWidget& view) {
             add(2)(view);
             view.clear();
         }},
        {"rows into an empty list", add(3)},
        {"rows added, then a larger font",
         [&](QListWidget& view) {
             add(2)(view);
             QFont font = view.font();
             font.setPointSize(font.pointSize() * 2);
             view.setFont(font);
         }},
    };
    SideBySide views(3, false, 0);
    for (const auto& [what, step] : steps) {
        for (QListWidget* view : views.Views())
            step(*view);
        EXPECT_EQ(OnScreen(views.box), OnScreen(views.reference)) << what;
    }
}

} // namespace

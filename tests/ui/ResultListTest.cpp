// A result list keeps its rows as UTF-8 texts and makes no item per row, yet
// a person must not tell it from a list box: each case drives a result list
// and a list box side by side and compares what they show and do.

#include "ui/ResultList.h"
#include "ui/FrameworkError.h"
#include "ui/ListBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct ViewState {
    int current = -1;
    std::vector<int> selected;
    int top = 0;
    int left = 0;
    int topMaximum = 0;
    int leftMaximum = 0;
    bool operator==(const ViewState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ViewState& state) {
    out << "current " << state.current << ", selected";
    for (int row : state.selected)
        out << " " << row;
    return out << ", top " << state.top << "/" << state.topMaximum << ", left " << state.left << "/"
               << state.leftMaximum;
}

ViewState StateOf(QAbstractItemView& view) {
    // Scroll bars come and go one round of events after the range changed.
    QApplication::processEvents();
    QApplication::processEvents();
    ViewState state;
    state.current = view.currentIndex().row();
    for (int row = 0; row < view.model()->rowCount(); ++row) {
        if (view.selectionModel()->isSelected(view.model()->index(row, 0)))
            state.selected.push_back(row);
    }
    state.top = view.verticalScrollBar()->value();
    state.left = view.horizontalScrollBar()->value();
    state.topMaximum = view.verticalScrollBar()->maximum();
    state.leftMaximum = view.horizontalScrollBar()->maximum();
    return state;
}

std::vector<std::string> Rows(int from, int count) {
    std::vector<std::string> rows;
    for (int row = from; row < from + count; ++row)
        rows.push_back("D:\\Work\\Row " + std::to_string(row) + (row % 7 == 0 ? " \xC3\xA9t\xC3\xA9" : "") +
                       (row % 3 == 0 ? "\\a name too long for the width of the list" : ""));
    return rows;
}

// In one window, so that both are as active as the other.
struct SideBySide {
    QWidget window;
    ui::ResultList results{&window};
    ui::ListBox box{&window};

    SideBySide(int extent, bool multiSelect) {
        for (QAbstractItemView* view : Views()) {
            view->setProperty("horizontalExtent", extent);
            view->setProperty("multiSelect", multiSelect);
        }
        results.setGeometry(0, 0, 220, 157);
        box.setGeometry(230, 0, 220, 157);
        window.resize(450, 157);
        window.show();
    }
    std::vector<QAbstractItemView*> Views() { return {&results, &box}; }
    // What each paints, the focus (which only one can have) aside.
    void ExpectSamePaint(const std::string& what) {
        for (QAbstractItemView* view : Views())
            view->clearFocus();
        EXPECT_EQ(results.viewport()->grab().toImage(), box.viewport()->grab().toImage()) << what;
    }
};

void Click(QAbstractItemView& view, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF global = view.viewport()->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                      modifiers);
    QApplication::sendEvent(view.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton,
                        modifiers);
    QApplication::sendEvent(view.viewport(), &release);
}

void Press(QAbstractItemView& view, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&view, &press);
}

TEST(ResultList, ShowsAndAnswersAsAListBoxWhileRowsArrive) {
    using Step = std::pair<std::string, std::function<void(QAbstractItemView&)>>;
    const std::vector<Step> steps = {
        {"click", [](QAbstractItemView& view) { Click(view, QPoint(5, 5)); }},
        {"PageDown", [](QAbstractItemView& view) { Press(view, Qt::Key_PageDown); }},
        {"Shift+Down", [](QAbstractItemView& view) { Press(view, Qt::Key_Down, Qt::ShiftModifier); }},
        {"End", [](QAbstractItemView& view) { Press(view, Qt::Key_End); }},
        {"Shift+click", [](QAbstractItemView& view) { Click(view, QPoint(30, 40), Qt::ShiftModifier); }},
        {"Ctrl+click", [](QAbstractItemView& view) { Click(view, QPoint(30, 100), Qt::ControlModifier); }},
        {"sideways", [](QAbstractItemView& view) { view.horizontalScrollBar()->setValue(40); }},
        {"Home", [](QAbstractItemView& view) { Press(view, Qt::Key_Home); }},
    };
    for (int extent : {0, 3000}) {
        for (bool multiSelect : {false, true}) {
            const std::string mode =
                " (extent " + std::to_string(extent) + (multiSelect ? ", multi-select)" : ")");
            SideBySide views(extent, multiSelect);
            views.results.AddItem("D:\\First");
            views.box.AddItem("D:\\First");
            int added = 0;
            for (const auto& [what, step] : steps) {
                // A batch arrives before each step, as at the frames of a run.
                views.results.AddItems(Rows(added, 30));
                views.box.AddItems(Rows(added, 30));
                added += 30;
                for (QAbstractItemView* view : views.Views())
                    step(*view);
                EXPECT_EQ(StateOf(views.results), StateOf(views.box)) << what << mode;
                views.ExpectSamePaint(what + mode);
            }
            EXPECT_EQ(views.results.Items(), views.box.Items()) << mode;
        }
    }
}

TEST(ResultList, ARowCutAtTheEdgeShowsItsWholeTextAsTooltip) {
    const std::string longRow = "D:\\" + std::string(80, 'L');
    struct Case {
        std::string what;
        int sideways;
        int row;
        bool tip;
    };
    const std::vector<Case> cases = {{"a short row", 0, 0, false},
                                     {"a row longer than the list", 0, 1, true},
                                     {"a short row scrolled sideways", 30, 0, true}};
    SideBySide views(3000, false);
    views.results.AddItems({"D:\\Short", longRow});
    views.box.AddItems({"D:\\Short", longRow});
    QApplication::processEvents();
    for (QAbstractItemView* view : views.Views()) {
        for (const Case& c : cases) {
            view->horizontalScrollBar()->setValue(c.sideways);
            const QModelIndex row = view->model()->index(c.row, 0);
            const QPoint at(10, view->visualRect(row).center().y());
            QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &help);
            EXPECT_EQ(QToolTip::isVisible(), c.tip) << c.what << " in " << view->metaObject()->className();
            if (c.tip) {
                EXPECT_EQ(QToolTip::text(), row.data().toString()) << c.what;
            }
            // A click hides a tooltip at once (hideText leaves it up a while).
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&views.window, &press);
            ASSERT_FALSE(QToolTip::isVisible());
        }
    }
}

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST(ResultList, RowsArrivingBelowRepaintItsBarOnlyWhenTheBarShowsIt) {
    struct Case {
        std::string what;
        int rowsBefore;
        int rowsAdded;
        bool barPaints;
    };
    // 157 pixels show some ten rows; with thousands the handle is as short as
    // the style lets it be and stays at the top.
    const std::vector<Case> cases = {{"a batch below thousands of rows", 5000, 300, false},
                                     {"a batch that shortens the handle", 20, 20, true},
                                     {"the first rows that need a bar", 3, 30, true}};
    for (const Case& c : cases) {
        SideBySide views(0, false);
        views.results.AddItems(Rows(0, c.rowsBefore));
        views.results.LayOutNow();
        StateOf(views.results);
        QApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        PaintCounter bar, frame;
        views.results.verticalScrollBar()->installEventFilter(&bar);
        views.results.installEventFilter(&frame);
        views.results.AddItems(Rows(c.rowsBefore, c.rowsAdded));
        views.results.LayOutNow();
        StateOf(views.results);
        QApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        EXPECT_EQ(bar.paints > 0, c.barPaints) << c.what;
        // The list's frame lies behind its bars and is painted with them.
        EXPECT_EQ(frame.paints > 0, c.barPaints) << c.what;
        // What the bar shows is right all the same.
        views.box.AddItems(Rows(0, c.rowsBefore + c.rowsAdded));
        EXPECT_EQ(StateOf(views.results).topMaximum, StateOf(views.box).topMaximum) << c.what;
        EXPECT_EQ(views.results.verticalScrollBar()->isVisible(), views.box.verticalScrollBar()->isVisible())
            << c.what;
        EXPECT_TRUE(views.results.verticalScrollBar()->isVisible()) << c.what;
    }
}

TEST(ResultList, ReadsItsTextsBackAndRefusesAnIndexOutside) {
    ui::ResultList list;
    EXPECT_EQ(list.AddItem("D:\\a"), 0);
    std::vector<std::string> batch = {"D:\\b", "D:\\\xC3\xA9"};
    list.AddItems(std::move(batch));
    const std::vector<std::string> copied = {"D:\\c"};
    list.AddItems(copied);
    EXPECT_EQ(list.AddItem("D:\\d"), 4);
    const std::vector<std::string> expected = {"D:\\a", "D:\\b", "D:\\\xC3\xA9", "D:\\c", "D:\\d"};
    EXPECT_EQ(list.Items(), expected);
    // Each row read by index, as a paint reads it.
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(list.Text(row), expected[static_cast<size_t>(row)]);
        EXPECT_EQ(list.model()->index(row, 0).data().toString().toStdString(),
                  expected[static_cast<size_t>(row)]);
    }
    for (int outside : {-1, 5}) {
        try {
            list.Text(outside);
            ADD_FAILURE() << outside;
        } catch (const ui::FrameworkError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "List index out of bounds (" + std::to_string(outside) + ")");
        }
    }
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.model()->rowCount(), 0);
}

} // namespace

#include "ui/ListBox.h"
#include "ui/FrameworkError.h"
#include "ui/ListControlItems.h"
#include "ui/ListOrder.h"

#include <QApplication>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using Items = std::vector<std::string>;

std::string RandomText(std::mt19937& random) {
    static const char letters[] = "aAbBcCdDeE_-. 019";
    std::string text;
    const int length = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < length; ++i)
        text += letters[random() % (sizeof(letters) - 1)];
    if (random() % 5 == 0)
        text += "\xC3\xA9"; // é
    return text;
}

bool InListOrder(const Items& items) {
    return std::is_sorted(items.begin(), items.end(), ui::ListOrderLess());
}

// What the widget itself shows, read past the mirror.
Items Shown(const ui::ListBox& list) {
    Items items;
    for (int row = 0; row < list.count(); ++row)
        items.push_back(list.item(row)->text().toStdString());
    return items;
}

TEST(ListBox, SortedListPutsEachItemAtItsPlace) {
    ui::ListBox list;
    list.SetSorted(true);
    EXPECT_EQ(list.AddItem("b"), 0);
    EXPECT_EQ(list.AddItem("_x"), 1);
    EXPECT_EQ(list.AddItem("B"), 0);
    EXPECT_EQ(list.AddItem("a"), 0);
    EXPECT_EQ(list.AddItem("\xC3\xA9t\xC3\xA9"), 3); // été sorts with E
    EXPECT_EQ(list.InsertItem(0, "c"), 3);           // a sorted list ignores the index
    const Items expected{"a", "B", "b", "c", "\xC3\xA9t\xC3\xA9", "_x"};
    EXPECT_EQ(list.Items(), expected);
    EXPECT_EQ(Shown(list), expected);
}

TEST(ListBox, TurningSortingOnOrdersThePresentItems) {
    ui::ListBox list;
    list.AddItems({"d", "B", "a", "c"});
    list.setProperty("sorted", true); // as a form sets it
    EXPECT_TRUE(list.Sorted());
    EXPECT_EQ(list.Items(), (Items{"a", "B", "c", "d"}));
    EXPECT_EQ(Shown(list), list.Items());
}

TEST(ListBox, LookupIgnoresCaseAndGivesTheFirstMatch) {
    for (bool sorted : {false, true}) {
        SCOPED_TRACE(sorted ? "sorted" : "unsorted");
        ui::ListBox list;
        list.SetSorted(sorted);
        list.AddItems({"C:\\Data", "x", "c:\\data", "\xC3\x89t\xC3\xA9"});
        EXPECT_TRUE(list.Contains("C:\\DATA"));
        EXPECT_TRUE(list.Contains("\xC3\xA9T\xC3\x89")); // éTÉ
        EXPECT_FALSE(list.Contains("C:\\Dat"));
        EXPECT_FALSE(list.Contains("C:\\Data\\"));
        EXPECT_EQ(list.IndexOf("c:\\DATA"), 0);
        EXPECT_EQ(list.IndexOf("X"), sorted ? 3 : 1);
        EXPECT_EQ(list.IndexOf("\xC3\xA9t\xC3\xA9"), sorted ? 2 : 3); // Été sorts with E
        EXPECT_EQ(list.IndexOf("nothing"), -1);
    }
}

TEST(ListBox, LookupKeepsInStepWithEveryChange) {
    ui::ListBox list;
    list.AddItems({"a", "b", "c", "B"});
    EXPECT_EQ(list.IndexOf("b"), 1);
    list.Delete(1);
    EXPECT_EQ(list.IndexOf("b"), 2) << "the other case variant is found where it now stands";
    EXPECT_EQ(list.InsertItem(0, "x"), 0);
    EXPECT_EQ(list.IndexOf("B"), 3);
    EXPECT_EQ(list.IndexOf("a"), 1);
    EXPECT_EQ(list.SetText(3, "y"), 3);
    EXPECT_FALSE(list.Contains("b"));
    EXPECT_EQ(list.IndexOf("Y"), 3);
    list.Delete(list.Count() - 1);
    EXPECT_FALSE(list.Contains("y"));
    EXPECT_EQ(list.AddItem("A"), 3);
    EXPECT_EQ(list.IndexOf("a"), 1);
    list.Delete(1);
    EXPECT_EQ(list.IndexOf("a"), 2);
    list.Delete(99); // ignored, as the framework does
    list.Delete(-1);
    EXPECT_EQ(list.Items(), (Items{"x", "c", "A"}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.Contains("x"));
    EXPECT_EQ(list.IndexOf("c"), -1);
    EXPECT_EQ(list.AddItem("c"), 0);
    EXPECT_EQ(list.IndexOf("C"), 0);
}

TEST(ListBox, ChangesMadeThroughQtAreSeenToo) {
    ui::ListBox list;
    list.AddItems({"one", "two"});
    list.addItem("Three");                              // QListWidget's own call
    new QListWidgetItem(QStringLiteral("four"), &list); // as a form's generated code adds items
    EXPECT_EQ(list.IndexOf("THREE"), 2);
    EXPECT_EQ(list.IndexOf("FOUR"), 3);
    list.item(0)->setText("zero");
    EXPECT_FALSE(list.Contains("one"));
    EXPECT_EQ(list.IndexOf("Zero"), 0);
    delete list.takeItem(1);
    EXPECT_EQ(list.Items(), (Items{"zero", "Three", "four"}));
    EXPECT_EQ(list.IndexOf("four"), 2);
    list.sortItems();
    EXPECT_EQ(list.Items(), Shown(list));
    list.clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.Contains("zero"));
}

TEST(ListBox, RandomChangesKeepMirrorAndLookupRight) {
    std::mt19937 random(7);
    for (bool sorted : {false, true}) {
        SCOPED_TRACE(sorted ? "sorted" : "unsorted");
        ui::ListBox list;
        list.SetSorted(sorted);
        for (int step = 0; step < 3000; ++step) {
            const int action = static_cast<int>(random() % 10);
            if (action < 5 || list.Count() == 0) {
                list.AddItem(RandomText(random));
            } else if (action < 7) {
                list.Delete(static_cast<int>(random() % list.Count()));
            } else if (action < 8) {
                list.SetText(static_cast<int>(random() % list.Count()), RandomText(random));
            } else if (action < 9) {
                list.InsertItem(static_cast<int>(random() % (list.Count() + 1)), RandomText(random));
            } else {
                const std::string probe = RandomText(random);
                const Items items = list.Items();
                int expected = -1;
                for (size_t i = 0; i < items.size() && expected < 0; ++i)
                    if (ui::FoldCase(items[i]) == ui::FoldCase(probe))
                        expected = static_cast<int>(i);
                ASSERT_EQ(list.IndexOf(probe), expected) << probe;
                ASSERT_EQ(list.Contains(probe), expected >= 0);
            }
        }
        EXPECT_EQ(list.Items(), Shown(list));
        if (sorted) {
            EXPECT_TRUE(InListOrder(list.Items()));
        }
    }
}

TEST(ListBox, TextsHandedOverAreReadAsTheWidgetHoldsThem) {
    // The list keeps the texts it is handed instead of reading them back from
    // the widget; texts the widget does not hold byte for byte must still be
    // read as the widget holds them.
    const Items texts{"plain",
                      "\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80", // été and a sign past U+FFFF
                      "\xEF\xBB\xBF"
                      "bom first",                        // a leading byte-order mark is dropped
                      "mid \xEF\xBB\xBF bom",             // elsewhere it stays
                      "bad \xFF byte",                    // not UTF-8
                      "cut \xC3",                         // a sequence cut short
                      "over \xC0\xAF long",               // an overlong form
                      "half \xED\xA0\x80 pair",           // a surrogate
                      "past \xF4\x90\x80\x80 end",        // past U+10FFFF
                      "a long plain \xFF start",          // not UTF-8, past the first eight bytes
                      "a long plain start, cut \xE2\x82", // cut short at the very end
                      std::string("nul\0inside", 10)};
    const auto check = [&](const ui::ListBox& list) {
        ASSERT_EQ(list.Items(), Shown(list));
        for (int row = 0; row < list.Count(); ++row) {
            const int found = list.IndexOf(list.Text(row));
            EXPECT_TRUE(found >= 0 && found <= row) << row;
        }
    };
    {
        ui::ListBox list;
        Items batch = texts;
        list.AddItems(std::move(batch));
        check(list);
    }
    {
        ui::ListBox list;
        list.AddItems(texts);
        check(list);
    }
    {
        ui::ListBox list;
        for (const std::string& text : texts)
            list.InsertItem(0, text);
        check(list);
    }
    for (bool manyAtOnce : {false, true}) {
        ui::ListBox list;
        list.SetSorted(true);
        Items batch = texts;
        for (int i = 0; manyAtOnce && batch.size() < ui::kSmallSortedBatch; ++i)
            batch.push_back("fill " + std::to_string(i));
        list.AddItems(std::move(batch));
        for (const std::string& text : texts)
            list.AddItem(text);
        list.SetText(0, texts[2]);
        check(list);
    }
}

TEST(ListBox, SortedBulkAddMergesAndKeepsTheSelection) {
    std::mt19937 random(11);
    ui::ListBox list;
    list.SetSorted(true);
    list.SetMultiSelect(true);
    list.AddItems({"m", "C", "x"});
    list.SetSelected(list.IndexOf("m"), true);
    list.SetSelected(list.IndexOf("x"), true);
    list.SetItemIndex(list.IndexOf("C"));
    Items batch;
    for (int i = 0; i < 5000; ++i)
        batch.push_back(RandomText(random));
    list.AddItems(batch);
    EXPECT_EQ(list.Count(), 5003);
    EXPECT_TRUE(InListOrder(list.Items()));
    EXPECT_EQ(list.Items(), Shown(list));
    const std::vector<int> selected = list.SelectedIndexes();
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_EQ(list.Text(selected[0]), "m");
    EXPECT_EQ(list.Text(selected[1]), "x");
    EXPECT_EQ(list.Text(list.ItemIndex()), "C");
}

TEST(ListBox, BlocksInsertedThroughQtKeepTheSortedOrderHonest) {
    // Qt's own calls insert whole blocks anywhere; a block out of order with
    // itself or with its neighbours must make the next sorted insertion put
    // the list in order first.
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        ui::ListBox list;
        list.SetSorted(true);
        Items start;
        for (int i = 0; i < 20; ++i)
            start.push_back(RandomText(random));
        list.AddItems(start);
        QStringList block;
        const int size = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < size; ++i)
            block.append(QString::fromStdString(RandomText(random)));
        if (random() % 2)
            std::sort(block.begin(), block.end(), [](const QString& a, const QString& b) {
                return ui::CompareListOrder(a.toStdString(), b.toStdString()) < 0;
            });
        list.insertItems(static_cast<int>(random() % (list.Count() + 1)), block);
        const std::string probe = RandomText(random);
        list.AddItem(probe);
        ASSERT_TRUE(InListOrder(list.Items()));
        ASSERT_EQ(list.Items(), Shown(list));
        ASSERT_GE(list.IndexOf(probe), 0);
        ASSERT_EQ(ui::FoldCase(list.Text(list.IndexOf(probe))), ui::FoldCase(probe));
    }
}

TEST(ListBox, AnOrderedBatchAndRemovingEveryRowAtOnce) {
    ui::ListBox list;
    list.SetSorted(true);
    list.SetMultiSelect(true);
    list.AddItems({"b", "D"});
    list.SetSelected(1, true);
    // A batch already in order joins without a sort and still merges right.
    Items batch;
    for (int i = 0; i < 300; ++i)
        batch.push_back("c" + std::to_string(1000 + i));
    list.AddItems(batch);
    EXPECT_EQ(list.Count(), 302);
    EXPECT_TRUE(InListOrder(list.Items()));
    EXPECT_EQ(list.Text(0), "b");
    EXPECT_EQ(list.Text(301), "D");
    EXPECT_EQ(list.SelectedIndexes(), std::vector<int>{301});
    EXPECT_EQ(list.IndexOf("C1299"), 300);

    // Every row removed in one go through the model.
    list.model()->removeRows(0, list.Count());
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.Contains("b"));
    EXPECT_EQ(list.IndexOf("c1000"), -1);
    list.AddItems({"z", "a"});
    EXPECT_EQ(list.Items(), (Items{"a", "z"}));
    EXPECT_EQ(list.IndexOf("Z"), 1);
}

TEST(ListBox, BulkAddOfManyItemsStaysFast) {
    // No timing is asserted; a quadratic add would not finish in the test's time.
    std::mt19937 random(3);
    Items batch;
    for (int i = 0; i < 200000; ++i)
        batch.push_back("Item " + std::to_string(random()));
    for (bool sorted : {false, true}) {
        ui::ListBox list;
        list.SetSorted(sorted);
        list.BeginUpdate();
        list.AddItems(batch);
        for (int i = 0; i < 1000; ++i)
            if (!list.Contains(batch[static_cast<size_t>(i)] + "x"))
                list.AddItem(batch[static_cast<size_t>(i)] + "x");
        list.EndUpdate();
        EXPECT_EQ(list.Count(), 201000);
        ASSERT_GE(list.IndexOf(batch[0]), 0);
        EXPECT_EQ(list.Text(list.IndexOf(batch[0])), batch[0]);
        const int added = list.IndexOf(batch[1] + "x");
        ASSERT_GE(added, 0);
        EXPECT_EQ(list.Text(added), batch[1] + "x");
        if (!sorted) {
            EXPECT_EQ(added, 200001);
        }
        EXPECT_TRUE(list.Contains(batch.back()));
        if (sorted) {
            EXPECT_TRUE(InListOrder(list.Items()));
        }
    }
}

TEST(ListBox, SelectionInSingleAndMultiSelectLists) {
    ui::ListBox list;
    list.AddItems({"a", "b", "c", "d"});
    EXPECT_FALSE(list.MultiSelect());
    EXPECT_EQ(list.ItemIndex(), -1);
    list.SetItemIndex(2);
    EXPECT_EQ(list.ItemIndex(), 2);
    EXPECT_TRUE(list.Selected(2));
    list.SetSelected(1, true); // a single-select list holds one selection
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{1}));
    list.SetItemIndex(-1);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.SelCount(), 0);

    list.SetMultiSelect(true);
    list.SetSelected(3, true);
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    list.SetSelected(2, false);
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{0, 3}));
    EXPECT_EQ(list.SelCount(), 2);
    list.SetItemIndex(1); // moves the focus only
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{0, 3}));
    list.Delete(0);
    EXPECT_EQ(list.SelectedIndexes(), (std::vector<int>{2}));
    list.SelectAll();
    EXPECT_EQ(list.SelCount(), 3);
    list.ClearSelection();
    EXPECT_EQ(list.SelCount(), 0);
}

TEST(ListBox, ABadIndexIsTheFrameworksListError) {
    ui::ListBox list;
    list.AddItems({"a", "b"});
    try {
        list.Text(5);
        FAIL() << "no error";
    } catch (const ui::FrameworkError& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (5)");
    }
    EXPECT_THROW(list.Text(-1), ui::FrameworkError);
    EXPECT_THROW(list.Selected(2), ui::FrameworkError);
    EXPECT_THROW(list.SetText(2, "x"), ui::FrameworkError);
    EXPECT_THROW(list.InsertItem(3, "x"), ui::FrameworkError);
    EXPECT_EQ(list.InsertItem(2, "c"), 2);
}

TEST(ListBox, ProgramChangesFireNoSignals) {
    ui::ListBox list;
    list.SetMultiSelect(true);
    int selection = 0;
    int current = 0;
    QObject::connect(&list, &QListWidget::itemSelectionChanged, [&] { ++selection; });
    QObject::connect(&list, &QListWidget::currentRowChanged, [&] { ++current; });
    list.AddItems({"a", "b", "c"});
    list.SetItemIndex(1);
    list.SetSelected(0, true);
    list.Delete(0);
    list.Clear();
    EXPECT_EQ(selection, 0);
    EXPECT_EQ(current, 0);
}

TEST(ListBox, HorizontalExtentSetsHowFarTheListScrollsSideways) {
    ui::ListBox list;
    list.resize(200, 120);
    list.AddItems({"short", std::string(400, 'w')});
    list.show();
    QApplication::processEvents();
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0) << "no extent: no sideways scrolling";
    list.SetHorizontalExtent(3000);
    QApplication::processEvents();
    EXPECT_EQ(list.HorizontalExtent(), 3000);
    EXPECT_NEAR(list.horizontalScrollBar()->maximum(), 3000 - list.viewport()->width(), 4);
    list.setProperty("horizontalExtent", 0);
    QApplication::processEvents();
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
}

} // namespace

#include "ui/ComboBox.h"
#include "ui/FrameworkError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Items = std::vector<std::string>;

TEST(ComboBox, TypedTextSurvivesAddingAndRemovingItems) {
    ui::ComboBox combo;
    combo.setEditable(true);
    combo.SetText("D:\\typed by hand");
    EXPECT_EQ(combo.AddItem("C:\\first"), 0); // a plain QComboBox would select it and show its text
    combo.AddItems({"C:\\second", "C:\\third"});
    combo.InsertItem(0, "C:\\zero");
    EXPECT_EQ(combo.Text(), "D:\\typed by hand");
    EXPECT_EQ(combo.ItemIndex(), -1);

    combo.SetItemIndex(1);
    EXPECT_EQ(combo.Text(), "C:\\first");
    combo.SetText("edited");
    combo.InsertItem(0, "C:\\before");
    EXPECT_EQ(combo.ItemIndex(), 2) << "the selection follows its item";
    EXPECT_EQ(combo.Text(), "edited");
    combo.Delete(2); // the selected item goes: nothing is selected, the text stays
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "edited");
    EXPECT_EQ(combo.Items(), (Items{"C:\\before", "C:\\zero", "C:\\second", "C:\\third"}));
}

TEST(ComboBox, ADropDownListPicksNothingByItself) {
    ui::ComboBox combo;
    combo.AddItems({"b", "a"});
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    combo.SetText("A"); // selects the item holding the text, ignoring case
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.Text(), "a");
    combo.SetItemIndex(7);
    EXPECT_EQ(combo.ItemIndex(), -1);
}

TEST(ComboBox, SortedComboAndLookup) {
    ui::ComboBox combo;
    combo.setEditable(true);
    combo.setProperty("sorted", true);
    combo.AddItems({"txt", "DOC", "bmp"});
    combo.SetItemIndex(combo.IndexOf("doc"));
    EXPECT_EQ(combo.AddItem("aaa"), 0);
    EXPECT_EQ(combo.AddItem("Exe"), 3);
    EXPECT_EQ(combo.Items(), (Items{"aaa", "bmp", "DOC", "Exe", "txt"}));
    EXPECT_EQ(combo.ItemIndex(), 2);
    EXPECT_EQ(combo.Text(), "DOC");
    EXPECT_TRUE(combo.Contains("EXE"));
    EXPECT_EQ(combo.IndexOf("TXT"), 4);
    EXPECT_EQ(combo.SetText(0, "zip"), 4);
    EXPECT_EQ(combo.Items(), (Items{"bmp", "DOC", "Exe", "txt", "zip"}));
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_FALSE(combo.Contains("aaa"));

    std::vector<std::string> many;
    for (int i = 0; i < 1000; ++i)
        many.push_back("t" + std::to_string(999 - i));
    combo.AddItems(many);
    EXPECT_EQ(combo.Count(), 1005);
    EXPECT_EQ(combo.Text(combo.ItemIndex()), "DOC");
    EXPECT_EQ(combo.Text(), "DOC");
    EXPECT_EQ(combo.IndexOf("T0"), combo.IndexOf("Exe") + 1);
}

TEST(ComboBox, ClearEmptiesItemsAndText) {
    ui::ComboBox combo;
    combo.setEditable(true);
    combo.AddItems({"a", "b"});
    combo.SetText("typed");
    combo.Clear();
    EXPECT_EQ(combo.Count(), 0);
    EXPECT_EQ(combo.Text(), "");
    EXPECT_FALSE(combo.Contains("a"));
    EXPECT_THROW(combo.Text(0), ui::FrameworkError);
}

TEST(ComboBox, ProgramChangesFireNoSignals) {
    ui::ComboBox combo;
    combo.setEditable(true);
    int changes = 0;
    QObject::connect(&combo, &QComboBox::currentIndexChanged, [&] { ++changes; });
    QObject::connect(&combo, &QComboBox::editTextChanged, [&] { ++changes; });
    combo.AddItems({"a", "b"});
    combo.SetItemIndex(1);
    combo.SetText("x");
    combo.Delete(1);
    combo.Clear();
    EXPECT_EQ(changes, 0);
}

} // namespace

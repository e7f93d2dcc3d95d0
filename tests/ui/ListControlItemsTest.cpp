// What the list box and the combo box share: the framework's index error and
// the nesting of BeginUpdate and EndUpdate, checked on both controls.

#include "ui/ListControlItems.h"
#include "ui/ComboBox.h"
#include "ui/FrameworkError.h"
#include "ui/ListBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ErrorOf(int index, int count) {
    try {
        ui::CheckListIndex(index, count);
    } catch (const ui::FrameworkError& error) {
        return error.what();
    }
    return "no error";
}

template <typename Control> void ExpectUpdatesNest() {
    Control control;
    ASSERT_TRUE(control.updatesEnabled());
    control.BeginUpdate();
    control.BeginUpdate();
    EXPECT_FALSE(control.updatesEnabled());
    control.EndUpdate();
    EXPECT_FALSE(control.updatesEnabled()) << "the inner End gave the paints back";
    control.EndUpdate();
    EXPECT_TRUE(control.updatesEnabled());
    // An End without its Begin must not make the next pair one too short.
    control.EndUpdate();
    control.BeginUpdate();
    EXPECT_FALSE(control.updatesEnabled());
    control.EndUpdate();
    EXPECT_TRUE(control.updatesEnabled());
}

} // namespace

TEST(ListControlItems, AnIndexOutsideTheListIsTheFrameworksError) {
    EXPECT_EQ(ErrorOf(0, 1), "no error");
    EXPECT_EQ(ErrorOf(2, 3), "no error");
    EXPECT_EQ(ErrorOf(3, 3), "List index out of bounds (3)");
    EXPECT_EQ(ErrorOf(-1, 3), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorOf(0, 0), "List index out of bounds (0)");
}

TEST(ListControlItems, TheComboBoxChecksItsIndexesAsTheListBoxDoes) {
    ui::ComboBox combo;
    combo.AddItems({"a", "b"});
    EXPECT_THROW(combo.Text(2), ui::FrameworkError);
    EXPECT_THROW(combo.SetText(-1, "x"), ui::FrameworkError);
    EXPECT_THROW(combo.InsertItem(3, "x"), ui::FrameworkError);
    EXPECT_THROW(combo.InsertItem(-1, "x"), ui::FrameworkError);
    EXPECT_EQ(combo.Count(), 2);
    // One past the last item appends.
    EXPECT_EQ(combo.InsertItem(2, "c"), 2);
    EXPECT_EQ(combo.Text(2), "c");
}

TEST(ListControlItems, BeginAndEndUpdateNestOnBothControls) {
    ExpectUpdatesNest<ui::ListBox>();
    ExpectUpdatesNest<ui::ComboBox>();
}

#include "common/ItemListRules.h"

#include <gtest/gtest.h>

using Items = std::deque<std::string>;

TEST(DropEmptyItems, OnlyZeroLengthItemsGo) {
    EXPECT_EQ(DropEmptyItems({"a", "", " ", "", "b"}), (Items{"a", " ", "b"}));
    EXPECT_EQ(DropEmptyItems({}), Items{});
    EXPECT_EQ(DropEmptyItems({"", ""}), Items{});
}

TEST(RemoveDuplicates, ExactTextsBlankItemsDropped) {
    EXPECT_EQ(RemoveDuplicates({"a", " a", "a", "A", "", " \t", "b", " a"}), (Items{"a", " a", "A", "b"}));
    EXPECT_EQ(RemoveDuplicates({}), Items{});
    Items many;
    for (int i = 0; i < 100000; ++i)
        many.push_back(std::to_string(i % 1000));
    EXPECT_EQ(RemoveDuplicates(many).size(), 1000u);
}

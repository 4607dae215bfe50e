// The most-recently-used lists behind the input boxes' drop-downs.
#include <gtest/gtest.h>

#include "column_fixture.h"
#include "ui/number_box.h"
#include "ui/recent_list.h"

namespace quornel {
namespace {

using testing_panels::items;

ComboBox box_with(std::vector<std::string> list, const std::string& text) {
    ComboBox box;
    box.items = std::move(list);
    box.text = text;
    return box;
}

TEST(RecentList, KnownValueMovesToTopAndNewValuePushesOutTheOldest) {
    ComboBox box = box_with(items({"300", "250", "200", "180", "150"}), "200");
    RecentListUpdate(box, 5);
    EXPECT_EQ(box.items, items({"200", "300", "250", "180", "150"}));
    EXPECT_EQ(box.text, "200");

    box = box_with(items({"300", "250", "200", "180", "150"}), "120");
    RecentListUpdate(box, 5);
    EXPECT_EQ(box.items, items({"120", "300", "250", "200", "180"}));

    // Confirming the same value again changes nothing.
    RecentListUpdate(box, 5);
    EXPECT_EQ(box.items, items({"120", "300", "250", "200", "180"}));
    // The drop-down shows the value the box holds.
    EXPECT_EQ(box.list_index, 0);
}

TEST(RecentList, OnlyAnExactTextMatches) {
    // "200.0" is the same number but another text: it enters as a new entry.
    ComboBox box = box_with(items({"300", "250", "200", "180", "150"}), "200.0");
    RecentListUpdate(box, 5);
    EXPECT_EQ(box.items, items({"200.0", "300", "250", "200", "180"}));
}

TEST(RecentList, ShortOrDamagedListsNeverFail) {
    // A pick-list file with missing entries gives short lists: they grow up to the length.
    ComboBox box = box_with({}, "75");
    RecentListUpdate(box, 5);
    EXPECT_EQ(box.items, items({"75"}));
    box.text = "100";
    RecentListUpdate(box, 5);
    EXPECT_EQ(box.items, items({"100", "75"}));

    // A list holding a value twice keeps its length and gathers both copies at the top.
    box = box_with(items({"300", "200", "180", "200", "150"}), "200");
    RecentListUpdate(box, 5);
    EXPECT_EQ(box.items.size(), 5u);
    EXPECT_EQ(box.items[0], "200");
    EXPECT_EQ(box.items[1], "200");

    // The symbol box keeps ten.
    box = box_with(items({"C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10"}), "P1");
    RecentListUpdate(box, 10);
    EXPECT_EQ(box.items.size(), 10u);
    EXPECT_EQ(box.items.front(), "P1");
    EXPECT_EQ(box.items.back(), "C9");
}

TEST(RecentList, TextWithACommaNeverEntersTheList) {
    // The list file separates entries with commas: such an entry would break the file.
    ComboBox box = box_with(items({"C1", "C2"}), "C1,C2");
    RecentListUpdate(box, 10);
    EXPECT_EQ(box.items, items({"C1", "C2"}));
    EXPECT_EQ(box.text, "C1,C2");  // what the user typed stays in the box
}

// How a text is read and written is number_text's (tests/exchange/number_text_test.cpp).
TEST(NumberBox, ASelectionThatNoLongerMatchesTheTextIsDropped) {
    ComboBox box = box_with(items({"300", "250"}), "250");
    box.list_index = 1;
    set_box_text(box, "250");
    EXPECT_EQ(box.list_index, 1);
    set_box_text(box, "0");
    EXPECT_EQ(box.list_index, -1);
}

}  // namespace
}  // namespace quornel

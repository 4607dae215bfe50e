// The column's section boxes, its extra thickness and symbol, and the 割 buttons.
#include <gtest/gtest.h>

#include "column_fixture.h"
#include "support/add_failure.h"
#include "support/fake_dialogs.h"
#include "ui/number_box.h"

namespace quornel {
namespace {

using testing_panels::items;
using testing_panels::Schematic;

struct ColumnInputs : ::testing::Test {
    Schematic s;
    ColumnPanel& c = s.column;
    test::FakeDialogs dialogs{test::add_failure};

    void total(ColumnAxis axis, const std::string& text) {
        (axis == ColumnAxis::X ? c.cboHsnXG : c.cboHsnYG).text = text;
        ValidateColumnTotal(c, axis, TotalChange::New);
    }
    void part(ColumnAxis axis, int which, const std::string& text) {
        ComboBox& box = axis == ColumnAxis::X ? (which == 0 ? c.cboHsnXU_0 : c.cboHsnXU_1)
                                              : (which == 0 ? c.cboHsnYU_0 : c.cboHsnYU_1);
        box.text = text;
        ValidateColumnPart(c, axis, which, dialogs);
    }
};

TEST_F(ColumnInputs, TotalThenSplit) {
    total(ColumnAxis::X, "600");
    EXPECT_TRUE(c.cboHsnXU_0.enabled);
    EXPECT_TRUE(c.cboHsnXU_1.enabled);
    EXPECT_EQ(c.cboHsnXU_0.text, "0");
    ColumnWriClick(c, ColumnAxis::X);
    EXPECT_EQ(c.cboHsnXU_0.text, "300");
    EXPECT_EQ(c.cboHsnXU_1.text, "300");

    total(ColumnAxis::X, "455");
    EXPECT_EQ(c.cboHsnXU_0.text, "0");  // a confirmed total clears the split
    ColumnWriClick(c, ColumnAxis::X);
    EXPECT_EQ(c.cboHsnXU_0.text, "227.5");
    EXPECT_EQ(c.cboHsnXU_1.text, "227.5");
    EXPECT_FALSE(c.cboHsnYU_0.enabled);  // the other axis is untouched
    // 15 digits: two written halves would make 2.00000000000002, which 作図 refuses.
    total(ColumnAxis::X, "2.00000000000001");
    ColumnWriClick(c, ColumnAxis::X);
    EXPECT_TRUE(
        parts_make_total(box_value(c.cboHsnXU_0), box_value(c.cboHsnXU_1), 2.00000000000001));
}

TEST_F(ColumnInputs, PartLargerThanTheTotalIsRefusedWithAMessage) {
    total(ColumnAxis::X, "600");
    part(ColumnAxis::X, 0, "200");
    EXPECT_EQ(c.cboHsnXU_1.text, "400");
    EXPECT_TRUE(dialogs.shown().empty());

    part(ColumnAxis::X, 1, "650");
    EXPECT_EQ(c.cboHsnXU_0.text, "0");
    EXPECT_EQ(c.cboHsnXU_1.text, "0");
    EXPECT_EQ(c.cboHsnXG.text, "600");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "寸法が合いません");
    EXPECT_EQ(dialogs.shown()[0].title, "quornel");
    EXPECT_EQ(dialogs.shown()[0].buttons, DialogButtons::Ok);
    EXPECT_EQ(dialogs.shown()[0].icon, DialogIcon::None);

    // The part equal to the total leaves 0 for the other one, no message.
    part(ColumnAxis::X, 1, "600");
    EXPECT_EQ(c.cboHsnXU_0.text, "0");
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(ColumnInputs, DepthAxisWorksTheSameWithShortNumbers) {
    total(ColumnAxis::Y, "150.3");
    part(ColumnAxis::Y, 1, "75.1");
    EXPECT_EQ(c.cboHsnYU_0.text, "75.2");
    EXPECT_EQ(c.cboHsnXU_0.text, "0");
    part(ColumnAxis::Y, 0, "０５０");
    EXPECT_EQ(c.cboHsnYU_0.text, "０５０");  // what was typed stays, the other part follows
    EXPECT_EQ(c.cboHsnYU_1.text, "100.3");
}

TEST_F(ColumnInputs, ZeroEmptyNegativeAndNonNumericEntries) {
    c.cboHsnXG.items = items({"600", "500", "450", "400", "300"});
    total(ColumnAxis::X, "600");
    total(ColumnAxis::X, "0");
    EXPECT_FALSE(c.cboHsnXU_0.enabled);
    EXPECT_FALSE(c.cboHsnXU_1.enabled);
    EXPECT_EQ(c.cboHsnXU_1.text, "0");
    EXPECT_EQ(c.cboHsnXG.items, items({"600", "500", "450", "400", "300"}));  // no "0"

    for (const char* bad : {"", "-600"}) {
        total(ColumnAxis::X, bad);
        EXPECT_EQ(c.cboHsnXG.text, "0") << bad;
        EXPECT_FALSE(c.cboHsnXU_0.enabled) << bad;
    }
    EXPECT_EQ(c.cboHsnXG.items, items({"600", "500", "450", "400", "300"}));

    // A total that is not a number (restored by 前回値) counts as 0.
    total(ColumnAxis::X, "600");
    c.cboHsnXG.text = "x";
    part(ColumnAxis::X, 0, "100");
    EXPECT_EQ(c.cboHsnXU_0.text, "0");
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(ColumnInputs, NewTotalsEnterTheRecentList) {
    c.cboHsnYG.items = items({"600", "500", "450", "400", "300"});
    total(ColumnAxis::Y, "450");
    EXPECT_EQ(c.cboHsnYG.items, items({"450", "600", "500", "400", "300"}));
    total(ColumnAxis::Y, "700");
    EXPECT_EQ(c.cboHsnYG.items, items({"700", "450", "600", "500", "400"}));
    c.cboHsnYU_0.items = items({"1", "2", "3", "4", "5"});
    part(ColumnAxis::Y, 0, "350");
    EXPECT_EQ(c.cboHsnYU_0.items, items({"350", "1", "2", "3", "4"}));
}

TEST_F(ColumnInputs, ColumnExtraThicknessReachesTheFourHiddenBoxes) {
    ComboBox cboM_h;
    cboM_h.items = items({"30", "25", "20", "15", "10"});
    cboM_h.text = "25";
    ValidateColumnMasi(cboM_h, c);
    EXPECT_EQ(cboM_h.items, items({"25", "30", "20", "15", "10"}));
    for (const ComboBox* box : {&c.cboHsnXM[0], &c.cboHsnXM[1], &c.cboHsnYM[0], &c.cboHsnYM[1]})
        EXPECT_EQ(box->text, "25");

    cboM_h.text = "-5";
    ValidateColumnMasi(cboM_h, c);
    EXPECT_EQ(cboM_h.text, "0");
    EXPECT_EQ(c.cboHsnYM[1].text, "0");
    EXPECT_EQ(cboM_h.items, items({"25", "30", "20", "15", "10"}));

    c.cboHsnXM[0].text = "-1";
    ValidateColumnMasiHidden(c.cboHsnXM[0]);
    EXPECT_EQ(c.cboHsnXM[0].text, "0");
}

TEST_F(ColumnInputs, SymbolIsFreeTextWithATenEntryList) {
    ComboBox kigou;
    kigou.items = items({"C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10"});
    kigou.text = "";
    ValidateKigou(kigou);
    EXPECT_EQ(kigou.text, "");
    EXPECT_EQ(kigou.items.size(), 10u);

    kigou.text = "SC1";
    ValidateKigou(kigou);
    EXPECT_EQ(kigou.items.front(), "SC1");
    EXPECT_EQ(kigou.items.back(), "C9");
    kigou.text = "C5";
    ValidateKigou(kigou);
    EXPECT_EQ(kigou.items, items({"C5", "SC1", "C1", "C2", "C3", "C4", "C6", "C7", "C8", "C9"}));

    kigou.text = "C1,C2";  // the list file could not hold it
    ValidateKigou(kigou);
    EXPECT_EQ(kigou.text, "C1,C2");
    EXPECT_EQ(kigou.items.front(), "C5");
}

}  // namespace
}  // namespace quornel

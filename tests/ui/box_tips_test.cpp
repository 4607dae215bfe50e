// The tips over the whole inventory, as the window shows them at each of its layouts.
#include <map>

#include "frm_main_fixture.h"

namespace quornel::frm_test {
namespace {

// The controls a person uses: every one that takes the focus (the tab control aside, whose
// pages say what they are) and the shape buttons, which are clicked.
bool used_by_a_person(const Control& c) {
    if (c.kind == ControlKind::Image) return c.container == "SSTab1";
    return takes_focus(c.kind) && c.kind != ControlKind::TabControl;
}

// The caption that names a control in the window, "" where it has none: the symbol's letter
// 「C」 on an option of 柱記号位置 shows where the symbol goes, it is no name.
std::string caption_of(const Control& c) {
    std::string caption;
    if (c.kind == ControlKind::Button) caption = static_cast<const Button&>(c).caption;
    if (c.kind == ControlKind::CheckBox) caption = static_cast<const CheckBox&>(c).caption;
    if (c.kind == ControlKind::OptionButton) caption = static_cast<const OptionButton&>(c).caption;
    std::erase(caption, '\n');  // a check box's caption broken where its words part
    return caption == "C" ? std::string() : caption;
}

// At every shape (「交点ごと」 over six crossings too), in 柱芯 and in 壁芯, on both pages: every
// control a person uses has a tip, it starts with the control's caption where it has one, and
// no two controls share one. A control added without a tip fails here, and so does a tip
// copied from a neighbour and not written again for its own control.
TEST(BoxTips, EveryControlAPersonUsesHasATipOfItsOwn) {
    for_each_layout([&](Window& w, int shape, int mode) {
        FrmMain& f = w.form();
        std::map<std::string, std::string> owner;  // tip → the control that shows it
        int used = 0;
        for (const Control* c : f.controls()) {
            if (!used_by_a_person(*c) || !f.can_change(*c)) continue;
            ++used;
            const std::string key = to_string(ControlRef{c->name, c->index});
            const std::string name = c->tip.substr(0, c->tip.find('\n'));
            EXPECT_GT(c->tip.size(), name.size() + 1) << key << ": a name alone says nothing";
            EXPECT_EQ(name.rfind("「", 0), 0u) << key << ": " << c->tip;
            if (const std::string caption = caption_of(*c); !caption.empty()) {
                EXPECT_EQ(name, "「" + caption + "」") << key;
            }
            const auto [first, fresh] = owner.emplace(c->tip, key);
            EXPECT_TRUE(fresh) << key << " shows the tip of " << first->second;
        }
        // The left column, the schematic's boxes and buttons, 「基本設定」: far more than
        // the boxes alone, which had tips before the rest.
        EXPECT_GT(used, 60);
    });
}

}  // namespace
}  // namespace quornel::frm_test

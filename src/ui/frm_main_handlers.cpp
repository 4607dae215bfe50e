// Which handler each control runs, and the handlers of the schematic: the shape buttons,
// the option buttons, the check boxes of 「交点ごと」 and the input boxes of the column and the
// walls.
#include "drawing/floor_rules.h"
#include "ui/frm_main.h"

namespace quornel {

void FrmMain::bind_handlers() {
    // A numeric or text box: leaving it and pressing Enter in it run the same check.
    auto box = [&](Control& c, std::function<void()> check) {
        Binding& b = bindings_[&c];
        b.lost_focus = check;
        b.enter = std::move(check);
    };
    // A button: Enter on it is a click.
    auto button = [&](Control& c, std::function<void()> click) {
        Binding& b = bindings_[&c];
        b.click = click;
        b.enter = std::move(click);
    };
    auto click = [&](Control& c, std::function<void()> handler) {
        bindings_[&c].click = std::move(handler);
    };
    // A numeric box first settles what was typed: a grouped number or one with an exponent
    // rewritten, a text that is not a number put back as the box held it.
    auto number_box = [&](ComboBox& c, std::function<void()> check) {
        box(c, [this, &c, check = std::move(check)] {
            if (settle_typed(c)) check();
        });
    };

    number_box(cboM_h, [this] { cboM_h_LostFocus(); });
    number_box(cboM_k, [this] { cboM_k_LostFocus(); });
    box(cboHasiraKigou, [this] { cboHasiraKigou_LostFocus(); });
    number_box(column.cboHsnXG, [this] { cboHsnXG_LostFocus(); });
    number_box(column.cboHsnYG, [this] { cboHsnYG_LostFocus(); });
    number_box(column.cboHsnXU_0, [this] { cboHsnXU_0_LostFocus(); });
    number_box(column.cboHsnXU_1, [this] { cboHsnXU_1_LostFocus(); });
    number_box(column.cboHsnYU_0, [this] { cboHsnYU_0_LostFocus(); });
    number_box(column.cboHsnYU_1, [this] { cboHsnYU_1_LostFocus(); });
    for (int i = 0; i < 2; ++i) {
        // Hidden, never focused: nothing is typed into them.
        box(column.cboHsnXM[i], [this, i] { cboHsnXM_LostFocus(i); });
        box(column.cboHsnYM[i], [this, i] { cboHsnYM_LostFocus(i); });
    }
    // Enter in a wall box validates with that box's own index, exactly as leaving it does,
    // so the value just typed is the one kept.
    for (int i = 0; i < 5; ++i) {
        number_box(wall(WallSide::Up).cbo[i], [this, i] { cboKabeSunUp_LostFocus(i); });
        number_box(wall(WallSide::DOWN).cbo[i], [this, i] { cboKabeSunDOWN_LostFocus(i); });
        number_box(wall(WallSide::Right).cbo[i], [this, i] { cboKabeSunRight_LostFocus(i); });
        number_box(wall(WallSide::Left).cbo[i], [this, i] { cboKabeSunLeft_LostFocus(i); });
    }
    button(column.cmdWriHX, [this] { cmdWriHX_Click(); });
    button(column.cmdWriHY, [this] { cmdWriHY_Click(); });
    button(wall(WallSide::Up).cmdWri, [this] { cmdWriKU_Click(); });
    button(wall(WallSide::DOWN).cmdWri, [this] { cmdWriKD_Click(); });
    button(wall(WallSide::Right).cmdWri, [this] { cmdWriKR_Click(); });
    button(wall(WallSide::Left).cmdWri, [this] { cmdWriKL_Click(); });

    for (int i = 0; i < kShapeButtons; ++i)
        click(column.img_hasira_s[i], [this, i] { img_hasira_s_Click(i); });
    click(chkKabeTunagu, [this] { chkKabeTunagu_Click(); });
    click(chkSunpoHitotu, [this] { chkSunpoHitotu_Click(); });
    click(chkGaisyuKabe, [this] { chkGaisyuKabe_Click(); });
    for (int i = 0; i < 2; ++i) click(optSin[i], [this, i] { optSin_Click(i); });
    for (int i = 1; i <= 4; ++i) click(optSunpoIti(i), [this, i] { optSunpoIti_Click(i); });
    for (int i = 0; i < 5; ++i) click(optHasiraMoji[i], [this, i] { optHasiraMoji_Click(i); });
    for (int i = 0; i < 3; ++i) button(Command1[i], [this, i] { Command1_Click(i); });

    button(cmdSakuzu, [this] { cmdSakuzu_Click(); });
    button(cmdResData, [this] { cmdResData_Click(); });
    button(cmdKigouData, [this] { cmdKigouData_Click(); });
    button(cmdReset, [this] { cmdReset_Click(); });
    button(cmdClose, [this] { cmdClose_Click(); });
    button(cmdS_hozon, [this] { cmdS_hozon_Click(); });
    button(cmdS_reset, [this] { cmdS_reset_Click(); });

    click(cbo_h_nPenColor, [this] { cbo_h_nPenColor_Click(); });
    click(cbo_x_nPenColor, [this] { cbo_x_nPenColor_Click(); });
    click(cbo_k_nPenColor, [this] { cbo_k_nPenColor_Click(); });
    click(cbo_kh_nPenColor, [this] { cbo_kh_nPenColor_Click(); });
    click(cbo_h_nPenStyle, [this] { cbo_h_nPenStyle_Click(); });
    click(cbo_x_nPenStyle, [this] { cbo_x_nPenStyle_Click(); });
    click(cbo_k_nPenStyle, [this] { cbo_k_nPenStyle_Click(); });
    click(cbo_kh_nPenStyle, [this] { cbo_kh_nPenStyle_Click(); });
    click(cbo_nuri_nPenColor, [this] { cbo_nuri_nPenColor_Click(); });
    click(cbo_nuri_nPenStyle, [this] { cbo_nuri_nPenStyle_Click(); });
    click(cbo_hm_cn, [this] { cbo_hm_cn_Change(); });
}

// ---- column shape and modes ----

void FrmMain::img_hasira_s_Click(int index) {
    if (index < 0 || index >= kShapeButtons) return;
    ApplyColumnShape(column, walls, state, index);
    RefreshSequence(column, walls, state, 0);
    EnableFloorChoices();
}

void FrmMain::optSin_Click(int index) {
    state.optSin_d = index;
    RefreshSequence(column, walls, state, index);
    EnableFloorChoices();
}

void FrmMain::EnableFloorChoices() {
    const bool floor = state.hasira_sd == kWholeFloor;
    column.img_hasira_s[kWholeFloor].enabled = !crossings.empty();
    chkKabeTunagu.enabled = chkSunpoHitotu.enabled = floor;
    // In 「壁芯」 the reference lines run through the walls: there is no outer face to set
    // them on. The box keeps what it holds for a return to 「柱芯」.
    chkGaisyuKabe.enabled = floor && state.optSin_d == 0;
    // The user sees that every crossing arrived, and with the whole floor what each makes,
    // before filling in the window.
    form.caption = FormWindow::kTitle;
    if (crossings.empty()) return;
    form.caption += "（" + std::to_string(crossings.size() + 1) + " か所";
    if (floor) form.caption += "：" + floor_kinds_text(crossings);
    form.caption += "）";
}

// A wall below or to the left joined to the one above or to the right is one wall: its boxes
// follow, or, unjoined, are the user's again as their layout has them.
void FrmMain::chkKabeTunagu_Click() {
    state.KabeTunagu = chkKabeTunagu.value != 0;
    LayoutKabeSun(wall(WallSide::DOWN), state);
    LayoutKabeSun(wall(WallSide::Left), state);
    FollowJoinedWalls(walls, state);
}

// These two say only how 「作図」 draws the floor; it reads them from the boxes.
void FrmMain::chkSunpoHitotu_Click() {}
void FrmMain::chkGaisyuKabe_Click() {}

void FrmMain::optSunpoIti_Click(int index) {
    SunpoIti_d = index;
}

void FrmMain::optHasiraMoji_Click(int index) {
    HasiraIti_d = index;
}

void FrmMain::Command1_Click(int index) {
    quornel::Command1_Click(index, column, walls, state);
}

void FrmMain::SSTab1_Click(int /*previous_tab*/) {
    move_focus(SSTab1.tab == 1 ? ControlRef{"cbo_h_ly", -1} : ControlRef{"cboM_h", -1});
}

// ---- column inputs ----

void FrmMain::cboM_h_LostFocus() {
    ValidateColumnMasi(cboM_h, column);
}
void FrmMain::cboHasiraKigou_LostFocus() {
    ValidateKigou(cboHasiraKigou);
}
void FrmMain::cboHsnXG_LostFocus() {
    ValidateColumnTotal(column, ColumnAxis::X, held_change(column.cboHsnXG));
}
void FrmMain::cboHsnYG_LostFocus() {
    ValidateColumnTotal(column, ColumnAxis::Y, held_change(column.cboHsnYG));
}
void FrmMain::cboHsnXU_0_LostFocus() {
    ValidateColumnPart(column, ColumnAxis::X, 0, env_.dialogs);
}
void FrmMain::cboHsnXU_1_LostFocus() {
    ValidateColumnPart(column, ColumnAxis::X, 1, env_.dialogs);
}
void FrmMain::cboHsnYU_0_LostFocus() {
    ValidateColumnPart(column, ColumnAxis::Y, 0, env_.dialogs);
}
void FrmMain::cboHsnYU_1_LostFocus() {
    ValidateColumnPart(column, ColumnAxis::Y, 1, env_.dialogs);
}
void FrmMain::cboHsnXM_LostFocus(int index) {
    if (index >= 0 && index < 2) ValidateColumnMasiHidden(column.cboHsnXM[index]);
}
void FrmMain::cboHsnYM_LostFocus(int index) {
    if (index >= 0 && index < 2) ValidateColumnMasiHidden(column.cboHsnYM[index]);
}
void FrmMain::cmdWriHX_Click() {
    ColumnWriClick(column, ColumnAxis::X);
}
void FrmMain::cmdWriHY_Click() {
    ColumnWriClick(column, ColumnAxis::Y);
}

// ---- wall inputs ----

void FrmMain::cboM_k_LostFocus() {
    ValidateKabeMasi(cboM_k, walls, held_change(cboM_k));
}
// Each settles the side's texts; a side joined to it by 「壁をつなぐ」 follows at once.
void FrmMain::cboKabeSunUp_LostFocus(int index) {
    ValidateKabeSun(wall(WallSide::Up), index, state, held_change(wall(WallSide::Up).cbo[2]));
    FollowJoinedWalls(walls, state);
}
void FrmMain::cboKabeSunDOWN_LostFocus(int index) {
    ValidateKabeSun(wall(WallSide::DOWN), index, state, held_change(wall(WallSide::DOWN).cbo[2]));
    FollowJoinedWalls(walls, state);
}
void FrmMain::cboKabeSunRight_LostFocus(int index) {
    ValidateKabeSun(wall(WallSide::Right), index, state, held_change(wall(WallSide::Right).cbo[2]));
    FollowJoinedWalls(walls, state);
}
void FrmMain::cboKabeSunLeft_LostFocus(int index) {
    ValidateKabeSun(wall(WallSide::Left), index, state, held_change(wall(WallSide::Left).cbo[2]));
    FollowJoinedWalls(walls, state);
}

// The walls above and below take the column's X parts, those to the sides its Y parts.
void FrmMain::cmdWriKU_Click() {
    KabeWriClick(wall(WallSide::Up), state, column.cboHsnXU_0.text, column.cboHsnXU_1.text);
    FollowJoinedWalls(walls, state);
}
void FrmMain::cmdWriKD_Click() {
    KabeWriClick(wall(WallSide::DOWN), state, column.cboHsnXU_0.text, column.cboHsnXU_1.text);
    FollowJoinedWalls(walls, state);
}
void FrmMain::cmdWriKR_Click() {
    KabeWriClick(wall(WallSide::Right), state, column.cboHsnYU_0.text, column.cboHsnYU_1.text);
    FollowJoinedWalls(walls, state);
}
void FrmMain::cmdWriKL_Click() {
    KabeWriClick(wall(WallSide::Left), state, column.cboHsnYU_0.text, column.cboHsnYU_1.text);
    FollowJoinedWalls(walls, state);
}

}  // namespace quornel

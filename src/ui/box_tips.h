#pragma once
// The tips of the window: what it shows while the mouse rests on a control a person uses (a box,
// a list, a button, an option, a check box, a shape button). A tip starts with the control's name
// as the window shows it, in 「」 on a line of its own; a box's is its name exactly as 「作図」's
// messages give it (the labels of drawing/input_rules.h), so that a user who is told to correct
// a box can find it. The lines after it say what the control holds or does, in the window's
// words. The captions the window shows, and the tips name, are written here once.
#include <optional>
#include <string>
#include <string_view>

#include "drawing/input_rules.h"

namespace quornel {

std::string column_total_tip(ColumnAxis axis);           // cboHsnXG, cboHsnYG
std::string column_part_tip(ColumnAxis axis, int part);  // cboHsnXU_0 ...
std::string column_split_tip(ColumnAxis axis);           // cmdWriHX, cmdWriHY
std::string column_masi_tip();                           // cboM_h
std::string wall_masi_tip();                             // cboM_k
std::string symbol_tip();                                // cboHasiraKigou

// How a wall side is laid out, as its layout decided it: whether the reference line is the
// column's (「柱芯」) or the wall's own (「壁芯」), and the face (0 face A, 1 face B) that the
// side's button makes flush with the column's face when the button is 「面」.
struct WallTipLayout {
    WallSide side = WallSide::Up;
    bool column_centre = true;
    std::optional<int> flush_face;
};

std::string wall_box_tip(const WallTipLayout& layout, int index);  // cboKabeSunUp(0) ...
std::string wall_button_tip(const WallTipLayout& layout);          // cmdWriKU ...

// 「交点ごと」 and its check boxes, named as the window shows them (the check boxes' captions).
inline constexpr const char* kWholeFloorLabel = "交点ごと";
inline constexpr const char* kKabeTunaguLabel = "壁をつなぐ";
inline constexpr const char* kSunpoHitotuLabel = "寸法は最初の交点だけ";
inline constexpr const char* kGaisyuKabeLabel = "外周の壁を柱の外面に合わせる";
// Too long for one line beside the shape buttons: the check box breaks it where its words part.
inline constexpr const char* kGaisyuKabeCaption = "外周の壁を\n柱の外面に合わせる";
std::string whole_floor_tip();   // img_hasira_s(9)
std::string kabe_tunagu_tip();   // chkKabeTunagu
std::string sunpo_hitotu_tip();  // chkSunpoHitotu
std::string gaisyu_kabe_tip();   // chkGaisyuKabe

// ---- the left column of 「作図」
// -----------------------------------------------------------------
inline constexpr const char* kShapeGroupLabel = "柱・壁 配置";
inline constexpr const char* kColumnCentreLabel = "柱芯";  // optSin(0)
inline constexpr const char* kWallCentreLabel = "壁芯";    // optSin(1)
inline constexpr const char* kSunpoItiLabel = "寸法位置";
inline constexpr const char* kHasiraMojiLabel = "柱記号位置";
std::string shape_tip(int hasira_sd);             // img_hasira_s(0) ... (8)
std::string reference_line_tip(int optSin_d);     // optSin(0), optSin(1)
std::string dimension_place_tip(int SunpoIti_d);  // optSunpoIti(1) ... (4)
std::string symbol_place_tip(int HasiraIti_d);    // optHasiraMoji(0) ... (4)

// ---- the buttons of 「作図」 and of 「基本設定」
// -------------------------------------------------
inline constexpr const char* kResDataCaption = "前回値";
inline constexpr const char* kKigouDataCaption = "記号で呼出";
inline constexpr const char* kSakuzuCaption = "作図";
inline constexpr const char* kResetCaption = "リセット";  // on both pages
inline constexpr const char* kCloseCaption = "キャンセル";
inline constexpr const char* kSetteiSaveCaption = "基本設定保存";
std::string res_data_tip();      // cmdResData
std::string kigou_data_tip();    // cmdKigouData
std::string sakuzu_tip();        // cmdSakuzu
std::string reset_tip();         // cmdReset
std::string close_tip();         // cmdClose
std::string settei_save_tip();   // cmdS_hozon
std::string settei_reset_tip();  // cmdS_reset

// ---- the lists of 「基本設定」
// ------------------------------------------------------------------- A list of a row's pen or text
// type: `row` and `heading` as drawing/input_rules.h names them (kBodyRowLabel …, kLayerHeading …;
// the fills' row kFillRowLabel).
std::string settings_list_tip(std::string_view row, std::string_view heading);
std::string column_fill_tip();  // cbo_nuri_hasira
std::string wall_fill_tip();    // cbo_nuri_kabe
std::string hatch_pitch_tip();  // cbo_nuri_pitch

}  // namespace quornel

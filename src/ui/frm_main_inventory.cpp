// The window's controls as designed, one row each (or one row for a run of array elements):
// name, index, kind, container, page, rectangle in twips, caption or text, list items. The
// rows stand in the order of controls(), containers before their contents; start-up
// (Form_Load) moves some of the controls afterwards. The schematic's own controls are made
// with their panels (column/column_make.cpp, walls/wall_make.cpp) and only take their place
// in the order here.
#include <cstddef>
#include <string>
#include <vector>

#include "exchange/fill_styles.h"
#include "ui/box_tips.h"
#include "ui/frm_main.h"

namespace quornel {

namespace {

using K = ControlKind;

// Where a row's control lives in FrmMain: a member, the elements of an array member, one
// element of it, or the same in the column panel or a wall panel.
using Slot = Control& (*)(FrmMain& form, int element);

template <auto Member>
Control& one(FrmMain& f, int) {
    return f.*Member;
}
template <auto Member>
Control& each(FrmMain& f, int n) {
    return (f.*Member)[static_cast<std::size_t>(n)];
}
template <int N, auto Member>
Control& nth(FrmMain& f, int) {
    return (f.*Member)[N];
}
template <auto Member>
Control& column_one(FrmMain& f, int) {
    return f.column.*Member;
}
template <auto Member>
Control& column_each(FrmMain& f, int n) {
    return (f.column.*Member)[static_cast<std::size_t>(n)];
}
template <WallSide S, auto Member>
Control& wall_one(FrmMain& f, int) {
    return f.wall(S).*Member;
}
template <WallSide S, auto Member>
Control& wall_each(FrmMain& f, int n) {
    return (f.wall(S).*Member)[static_cast<std::size_t>(n)];
}

// A member and its name, written once.
#define CONTROL(member) one<&FrmMain::member>, #member, -1
#define ARRAY(member) each<&FrmMain::member>, #member, 0
#define ELEMENT(member, n) nth<n, &FrmMain::member>, #member, n

struct Place {
    const char* container;
    int tab_page;  // of SSTab1; -1 elsewhere
};
constexpr Place kForm{"frmMain", -1};
constexpr Place kDrawingTab{"SSTab1", 0};   // "作図"
constexpr Place kSettingsTab{"SSTab1", 1};  // "基本設定"
constexpr Place kFrame1{"Frame1", -1};
constexpr Place kFrame2{"Frame2", -1};
constexpr Place kFrame3{"Frame3", -1};
constexpr Place kFrame4{"Frame4", -1};

enum class Items { None, Pages, Layers, Colours, LineTypes, TextTypes, FillKinds, HatchPitches };

// A control's tip (ui/box_tips.h), from its index where its elements differ.
using Tip = std::string (*)(int index);
template <std::string (*F)()>
std::string same_tip(int) {
    return F();
}

struct Row {
    Slot slot;
    const char* name;  // nullptr: made with its panel, only registered here
    int index = -1;    // the first element's; -1 outside a control array
    K kind = K::Label;
    Place place = kForm;
    Rect rect{};            // the first element's; a line's x1, y1, x2, y2
    const char* text = "";  // caption, or a box's text
    Items items = Items::None;
    bool hidden = false;
    bool store = false;     // a hidden picture store: keeps its own picture
    bool selected = false;  // an option button's value
    int count = 1;          // elements in the row, each `step` further right
    double step = 0;
    Tip tip = nullptr;
    // A list of 「基本設定」: the row it belongs to, as the page captions it; its tip names it by
    // the row and its column's heading.
    std::string_view settings_row{};

    // The row with one more property.
    constexpr Row with(const char* t) const {
        Row r = *this;
        r.text = t;
        return r;
    }
    constexpr Row with(Items i) const {
        Row r = *this;
        r.items = i;
        return r;
    }
    constexpr Row invisible() const {
        Row r = *this;
        r.hidden = true;
        return r;
    }
    constexpr Row chosen() const {
        Row r = *this;
        r.selected = true;
        return r;
    }
    constexpr Row elements(int n, double dx) const {
        Row r = *this;
        r.count = n;
        r.step = dx;
        return r;
    }
    constexpr Row tipped(Tip t) const {
        Row r = *this;
        r.tip = t;
        return r;
    }
};

constexpr Row at(Slot slot, const char* name, int index, K kind, Place place, Rect rect) {
    return Row{slot, name, index, kind, place, rect};
}
constexpr Row store(Slot slot, const char* name, int index, K kind, Rect rect) {
    Row r = at(slot, name, index, kind, kForm, rect).invisible();
    r.store = true;
    return r;
}
constexpr Row line(Slot slot, const char* name, int index, Place place, double x1, double y1,
                   double x2, double y2) {
    return at(slot, name, index, K::Line, place, {x1, y1, x2, y2});
}
// The columns of 「基本設定」: layer, line colour (or nothing), line type (or text type). The
// lists are wide enough for their longest item (「レイヤー　Ｆ」) in the window's font at every
// scaling, and the columns stand close enough to leave the right of the page free.
constexpr double kLayerLeft = 2640;
constexpr double kColourLeft = 4560;
constexpr double kTypeLeft = 6480;
constexpr double kListWidth = 1680;
// 塗り's own choices, a fourth column at the same spacing, in the room left on the right.
constexpr double kFillLeft = kTypeLeft + (kTypeLeft - kColourLeft);

constexpr Row list(Slot slot, const char* name, int index, std::string_view row, double left,
                   double top, Items items) {
    Row r = at(slot, name, index, K::DropDownList, kSettingsTab, {left, top, kListWidth, 300})
                .with(items);
    r.settings_row = row;
    return r;
}
// 塗り's choices stand in the frame 「塗り」 (Frame4), which reaches down to the row 塗り and
// keeps them from reading as settings of the rows 柱記号 and 寸法 beside them. The frame
// stands where their column was, the lists where they were on the page.
constexpr Rect kFillFrame{kFillLeft - 120, 4740, kListWidth + 240, 2880};
constexpr double kInFillFrameLeft = kFillLeft - kFillFrame.left;
constexpr double in_fill_frame(double page_top) {
    return page_top - kFillFrame.top;
}
// A list of the frame, at its place on the page.
constexpr Row fill_list(Slot slot, const char* name, int index, double page_top, Items items,
                        Tip tip) {
    return at(slot, name, index, K::DropDownList, kFrame4,
              {kInFillFrameLeft, in_fill_frame(page_top), kListWidth, 300})
        .with(items)
        .tipped(tip);
}
constexpr Row registered(Slot slot, int count = 1) {
    Row r{slot, nullptr};
    r.count = count;
    return r;
}

template <int N>
constexpr Slot kMark = nth<N, &FrmMain::Frame2_lines>;
template <int N>
constexpr Slot kTab1Label = nth<N, &FrmMain::tab1_labels>;
template <int N>
constexpr Slot kTab1Shape = nth<N, &FrmMain::tab1_shapes>;
template <int N>
constexpr Slot kTab1Line = nth<N, &FrmMain::tab1_lines>;

// clang-format off
constexpr Row kInventory[] = {
    // ---- top level and the hidden stores ----
    at(one<&FrmMain::SSTab1>, "SSTab1", 1, K::TabControl, kForm, {120, 120, 11415, 8655})
        .with(Items::Pages),
    at(CONTROL(Text1), K::TextBox, kForm, {6360, 10200, 2055, 270}).with("Text1").invisible(),
    at(ARRAY(Command1), K::Button, kForm, {6600, 9240, 375, 375}).elements(3, 360).invisible(),
    store(CONTROL(pic_ku), K::PictureBox, {4800, 8880, 375, 495}),
    store(CONTROL(pic_kd), K::PictureBox, {4800, 10320, 375, 495}),
    store(CONTROL(pic_kl), K::PictureBox, {3840, 9960, 375, 495}),
    store(CONTROL(pic_kr), K::PictureBox, {5880, 9960, 375, 495}),
    store(CONTROL(pic_lt), K::PictureBox, {4920, 9480, 135, 615}),
    store(CONTROL(pic_ly), K::PictureBox, {4320, 10080, 1335, 135}),
    // The stores below have no design position of their own; they sit in the strip below
    // the tab control that the start-up size cuts off.
    store(ARRAY(pic_nPenStyle), K::PictureBox, {120, 10560, 855, 135}).elements(9, 900),
    store(ARRAY(pic_nPenColor), K::PictureBox, {6600, 10800, 885, 90}).elements(6, 960),
    store(ARRAY(img_botanU), K::Image, {120, 8880, 465, 465}).elements(kShapeButtons, 480),
    store(ARRAY(img_botanD), K::Image, {120, 9480, 465, 465}).elements(kShapeButtons, 480),

    // ---- tab 0 "作図" ----
    // The column left of the schematic, top to bottom: 柱・壁 配置 with 柱芯/壁芯, the shape
    // buttons (column/column_make.cpp) and the check boxes of 「交点ごと」 right below them,
    // 柱増打/壁増打, 寸法位置, 柱記号位置. 「外周の壁を柱の外面に合わせる」 takes two lines.
    at(CONTROL(lbl_hasira_s), K::Label, kDrawingTab, {720, 480, 1005, 255}).with(kShapeGroupLabel),
    registered(column_each<&ColumnPanel::img_hasira_s>, kShapeButtons),
    at(CONTROL(Frame1), K::Frame, kDrawingTab, {360, 795, 1695, 255}),
    at(ELEMENT(optSin, 0), K::OptionButton, kFrame1, {0, 0, 735, 255}).with(kColumnCentreLabel)
        .chosen().tipped(reference_line_tip),
    at(ELEMENT(optSin, 1), K::OptionButton, kFrame1, {960, 0, 735, 255}).with(kWallCentreLabel)
        .tipped(reference_line_tip),
    at(CONTROL(chkKabeTunagu), K::CheckBox, kDrawingTab, {360, 2925, 2340, 255})
        .with(kKabeTunaguLabel).tipped(same_tip<kabe_tunagu_tip>),
    at(CONTROL(chkGaisyuKabe), K::CheckBox, kDrawingTab, {360, 3210, 2340, 480})
        .with(kGaisyuKabeCaption).tipped(same_tip<gaisyu_kabe_tip>),
    at(CONTROL(chkSunpoHitotu), K::CheckBox, kDrawingTab, {360, 3720, 2340, 255})
        .with(kSunpoHitotuLabel).tipped(same_tip<sunpo_hitotu_tip>),
    at(CONTROL(Label28), K::Label, kDrawingTab, {480, 4080, 615, 255}).with(kColumnMasiLabel.data()),
    at(CONTROL(Label29), K::Label, kDrawingTab, {1440, 4080, 615, 255}).with(kWallMasiLabel.data()),
    // The boxes beside the schematic, named as the schematic's own (column/column_make.cpp,
    // walls/wall_layout.cpp).
    at(CONTROL(cboM_h), K::ComboBox, kDrawingTab, {480, 4350, 615, 300}).with("0")
        .tipped(same_tip<column_masi_tip>),
    at(CONTROL(cboM_k), K::ComboBox, kDrawingTab, {1440, 4350, 615, 300}).with("0")
        .tipped(same_tip<wall_masi_tip>),

    at(CONTROL(Label2), K::Label, kDrawingTab, {720, 4770, 975, 255}).with(kSunpoItiLabel),
    at(CONTROL(Frame2), K::Frame, kDrawingTab, {240, 5010, 1815, 1815}),
    at(CONTROL(Shape14), K::Shape, kFrame2, {360, 360, 495, 495}),
    at(CONTROL(Shape13), K::Shape, kFrame2, {960, 360, 495, 495}),
    at(CONTROL(Shape12), K::Shape, kFrame2, {360, 960, 495, 495}),
    at(CONTROL(Shape11), K::Shape, kFrame2, {960, 960, 495, 495}),
    // Dimension marks around the 2 × 2 block: per outer side and square, a 480-long
    // dimension line 240 outside the squares between two 120-long ticks.
    line(kMark<0>, "Line35", -1, kFrame2, 360, 120, 840, 120),  // top
    line(kMark<1>, "Line36", -1, kFrame2, 360, 60, 360, 180),
    line(kMark<2>, "Line37", -1, kFrame2, 840, 60, 840, 180),
    line(kMark<3>, "Line38", -1, kFrame2, 960, 120, 1440, 120),
    line(kMark<4>, "Line39", -1, kFrame2, 960, 60, 960, 180),
    line(kMark<5>, "Line40", -1, kFrame2, 1440, 60, 1440, 180),
    line(kMark<6>, "Line41", -1, kFrame2, 360, 1680, 840, 1680),  // bottom
    line(kMark<7>, "Line42", -1, kFrame2, 360, 1620, 360, 1740),
    line(kMark<8>, "Line43", -1, kFrame2, 840, 1620, 840, 1740),
    line(kMark<9>, "Line44", -1, kFrame2, 960, 1680, 1440, 1680),
    line(kMark<10>, "Line45", -1, kFrame2, 960, 1620, 960, 1740),
    line(kMark<11>, "Line46", -1, kFrame2, 1440, 1620, 1440, 1740),
    line(kMark<12>, "Line47", -1, kFrame2, 120, 360, 120, 840),  // left
    line(kMark<13>, "Line48", -1, kFrame2, 60, 360, 180, 360),
    line(kMark<14>, "Line49", -1, kFrame2, 60, 840, 180, 840),
    line(kMark<15>, "Line50", -1, kFrame2, 120, 960, 120, 1440),
    line(kMark<16>, "Line51", -1, kFrame2, 60, 960, 180, 960),
    line(kMark<17>, "Line52", -1, kFrame2, 60, 1440, 180, 1440),
    line(kMark<18>, "Line53", -1, kFrame2, 1680, 360, 1680, 840),  // right
    line(kMark<19>, "Line54", -1, kFrame2, 1620, 360, 1740, 360),
    line(kMark<20>, "Line55", -1, kFrame2, 1620, 840, 1740, 840),
    line(kMark<21>, "Line56", -1, kFrame2, 1680, 960, 1680, 1440),
    line(kMark<22>, "Line57", -1, kFrame2, 1620, 960, 1740, 960),
    line(kMark<23>, "Line58", -1, kFrame2, 1620, 1440, 1740, 1440),
    // The corner buttons are elements 1 to 4; there is no element 0.
    at(nth<0, &FrmMain::optSunpoIti_elements>, "optSunpoIti", 1, K::OptionButton, kFrame2,
       {480, 480, 255, 255}).tipped(dimension_place_tip),
    at(nth<1, &FrmMain::optSunpoIti_elements>, "optSunpoIti", 2, K::OptionButton, kFrame2,
       {1080, 480, 255, 255}).tipped(dimension_place_tip),
    at(nth<2, &FrmMain::optSunpoIti_elements>, "optSunpoIti", 3, K::OptionButton, kFrame2,
       {480, 1080, 255, 255}).tipped(dimension_place_tip),
    at(nth<3, &FrmMain::optSunpoIti_elements>, "optSunpoIti", 4, K::OptionButton, kFrame2,
       {1080, 1080, 255, 255}).chosen().tipped(dimension_place_tip),

    at(CONTROL(Label12), K::Label, kDrawingTab, {720, 6870, 975, 255}).with(kHasiraMojiLabel),
    at(CONTROL(Frame3), K::Frame, kDrawingTab, {480, 7110, 1455, 1455}),
    at(CONTROL(Shape8), K::Shape, kFrame3, {120, 240, 1095, 1095}),
    line(CONTROL(Line13), kFrame3, 1200, 240, 120, 1320),
    line(CONTROL(Line14), kFrame3, 120, 240, 1200, 1320),
    at(ELEMENT(optHasiraMoji, 0), K::OptionButton, kFrame3, {240, 360, 255, 255}).with("C")
        .tipped(symbol_place_tip),
    at(ELEMENT(optHasiraMoji, 1), K::OptionButton, kFrame3, {840, 360, 255, 255}).with("C")
        .tipped(symbol_place_tip),
    at(ELEMENT(optHasiraMoji, 2), K::OptionButton, kFrame3, {520, 660, 255, 255}).with("C")
        .tipped(symbol_place_tip),
    at(ELEMENT(optHasiraMoji, 3), K::OptionButton, kFrame3, {240, 960, 255, 255}).with("C")
        .tipped(symbol_place_tip),
    at(ELEMENT(optHasiraMoji, 4), K::OptionButton, kFrame3, {840, 960, 255, 255}).with("C")
        .chosen().tipped(symbol_place_tip),
    at(CONTROL(Label14), K::Label, kDrawingTab, {1920, 7800, 615, 255}).with(kSymbolLabel.data()),
    at(CONTROL(cboHasiraKigou), K::ComboBox, kDrawingTab, {1920, 8160, 1095, 300}).with("C1")
        .tipped(same_tip<symbol_tip>),

    // The schematic: the column first, then the wall panels (Up, DOWN, Right, Left).
    at(CONTROL(Picture2), K::PictureBox, kDrawingTab, {2760, 480, 7980, 7500}),
    registered(column_one<&ColumnPanel::shpB_kh>),
    registered(column_one<&ColumnPanel::shpB_ih>),
    registered(column_one<&ColumnPanel::imgB_lt>),
    registered(column_one<&ColumnPanel::imgB_ly>),
    registered(wall_one<WallSide::Up, &WallPanel::image>),
    registered(wall_one<WallSide::DOWN, &WallPanel::image>),
    registered(wall_one<WallSide::Right, &WallPanel::image>),
    registered(wall_one<WallSide::Left, &WallPanel::image>),
    registered(column_each<&ColumnPanel::linSun_tt>, 2),
    registered(column_each<&ColumnPanel::linSun_ty>, 4),
    registered(column_each<&ColumnPanel::linSun_yy>, 2),
    registered(column_each<&ColumnPanel::linSun_yt>, 4),
    registered(column_each<&ColumnPanel::dot1>, 7),
    registered(column_each<&ColumnPanel::dot2>, 7),
    registered(column_one<&ColumnPanel::cboHsnXG>),
    registered(column_one<&ColumnPanel::cboHsnXU_0>),
    registered(column_one<&ColumnPanel::cboHsnXU_1>),
    registered(column_each<&ColumnPanel::cboHsnXM>, 2),
    registered(column_one<&ColumnPanel::cboHsnYG>),
    registered(column_one<&ColumnPanel::cboHsnYU_0>),
    registered(column_one<&ColumnPanel::cboHsnYU_1>),
    registered(column_each<&ColumnPanel::cboHsnYM>, 2),
    registered(column_one<&ColumnPanel::cmdWriHX>),
    registered(column_one<&ColumnPanel::cmdWriHY>),
    registered(wall_each<WallSide::Up, &WallPanel::cbo>, 5),
    registered(wall_each<WallSide::Up, &WallPanel::lin>, 6),
    registered(wall_each<WallSide::Up, &WallPanel::dot>, 7),
    registered(wall_one<WallSide::Up, &WallPanel::cmdWri>),
    registered(wall_each<WallSide::DOWN, &WallPanel::cbo>, 5),
    registered(wall_each<WallSide::DOWN, &WallPanel::lin>, 6),
    registered(wall_each<WallSide::DOWN, &WallPanel::dot>, 7),
    registered(wall_one<WallSide::DOWN, &WallPanel::cmdWri>),
    registered(wall_each<WallSide::Right, &WallPanel::cbo>, 5),
    registered(wall_each<WallSide::Right, &WallPanel::lin>, 6),
    registered(wall_each<WallSide::Right, &WallPanel::dot>, 7),
    registered(wall_one<WallSide::Right, &WallPanel::cmdWri>),
    registered(wall_each<WallSide::Left, &WallPanel::cbo>, 5),
    registered(wall_each<WallSide::Left, &WallPanel::lin>, 6),
    registered(wall_each<WallSide::Left, &WallPanel::dot>, 7),
    registered(wall_one<WallSide::Left, &WallPanel::cmdWri>),

    at(CONTROL(cmdResData), K::Button, kDrawingTab, {4440, 8160, 1095, 375}).with(kResDataCaption)
        .tipped(same_tip<res_data_tip>),
    at(CONTROL(cmdKigouData), K::Button, kDrawingTab, {5760, 8160, 1455, 375})
        .with(kKigouDataCaption).tipped(same_tip<kigou_data_tip>),
    at(CONTROL(cmdSakuzu), K::Button, kDrawingTab, {7560, 8160, 1095, 375}).with(kSakuzuCaption)
        .tipped(same_tip<sakuzu_tip>),
    at(CONTROL(cmdReset), K::Button, kDrawingTab, {8880, 8160, 1095, 375}).with(kResetCaption)
        .tipped(same_tip<reset_tip>),
    at(CONTROL(cmdClose), K::Button, kDrawingTab, {10200, 8160, 1095, 375}).with(kCloseCaption)
        .tipped(same_tip<close_tip>),

    // ---- tab 1 "基本設定" ----
    // The column headings and the row captions, the headings repeated 240 above each row's
    // boxes.
    at(kTab1Label<0>, "Label13", -1, K::Label, kSettingsTab, {kLayerLeft, 960, 975, 255}).with(kLayerHeading.data()),
    at(kTab1Label<1>, "Label3", -1, K::Label, kSettingsTab, {kColourLeft, 960, 975, 255}).with(kColourHeading.data()),
    at(kTab1Label<2>, "Label4", -1, K::Label, kSettingsTab, {kTypeLeft, 960, 975, 255}).with(kLineTypeHeading.data()),
    at(kTab1Label<3>, "Label5", -1, K::Label, kSettingsTab, {480, 1200, 1095, 255}).with(kBodyRowLabel.data()),
    at(kTab1Label<4>, "Label6", -1, K::Label, kSettingsTab, {480, 2280, 1095, 255})
        .with(kCrossRowLabel.data()),
    at(kTab1Label<5>, "Label7", -1, K::Label, kSettingsTab, {480, 3120, 1095, 255}).with(kWallRowLabel.data()),
    at(kTab1Label<6>, "Label8", -1, K::Label, kSettingsTab, {480, 4200, 1095, 255}).with(kStructuralRowLabel.data()),
    at(kTab1Label<7>, "Label9", -1, K::Label, kSettingsTab, {480, 5160, 1095, 255}).with(kSymbolLabel.data()),
    at(kTab1Label<8>, "Label11", -1, K::Label, kSettingsTab, {480, 6360, 1095, 255}).with(kDimensionRowLabel.data()),
    at(kTab1Label<9>, "Label15", -1, K::Label, kSettingsTab, {kLayerLeft, 1920, 975, 255})
        .with(kLayerHeading.data()),
    at(kTab1Label<10>, "Label16", -1, K::Label, kSettingsTab, {kLayerLeft, 2880, 975, 255})
        .with(kLayerHeading.data()),
    at(kTab1Label<11>, "Label17", -1, K::Label, kSettingsTab, {kLayerLeft, 3840, 975, 255})
        .with(kLayerHeading.data()),
    at(kTab1Label<12>, "Label18", -1, K::Label, kSettingsTab, {kLayerLeft, 4800, 975, 255})
        .with(kLayerHeading.data()),
    at(kTab1Label<13>, "Label19", -1, K::Label, kSettingsTab, {kLayerLeft, 6000, 975, 255})
        .with(kLayerHeading.data()),
    at(kTab1Label<14>, "Label20", -1, K::Label, kSettingsTab, {kColourLeft, 1920, 975, 255}).with(kColourHeading.data()),
    at(kTab1Label<15>, "Label24", -1, K::Label, kSettingsTab, {kTypeLeft, 1920, 975, 255}).with(kLineTypeHeading.data()),
    at(kTab1Label<16>, "Label21", -1, K::Label, kSettingsTab, {kColourLeft, 2880, 975, 255}).with(kColourHeading.data()),
    at(kTab1Label<17>, "Label25", -1, K::Label, kSettingsTab, {kTypeLeft, 2880, 975, 255}).with(kLineTypeHeading.data()),
    at(kTab1Label<18>, "Label22", -1, K::Label, kSettingsTab, {kColourLeft, 3840, 975, 255}).with(kColourHeading.data()),
    at(kTab1Label<19>, "Label26", -1, K::Label, kSettingsTab, {kTypeLeft, 3840, 975, 255}).with(kLineTypeHeading.data()),
    at(kTab1Label<20>, "Label10", -1, K::Label, kSettingsTab, {kTypeLeft, 4800, 975, 255})
        .with(kTextTypeHeading.data()),
    at(kTab1Label<21>, "Label1", -1, K::Label, kSettingsTab, {1920, 5100, 255, 255}).with("C"),
    // 塗り: its row below 寸法 at the same pitch, and what is filled how in the column to
    // the right, ending on that row.
    at(kTab1Label<22>, "Label30", -1, K::Label, kSettingsTab, {480, 7320, 1095, 255})
        .with(kFillRowLabel),
    at(kTab1Label<23>, "Label31", -1, K::Label, kSettingsTab, {kLayerLeft, 6960, 975, 255})
        .with(kLayerHeading.data()),
    at(kTab1Label<24>, "Label32", -1, K::Label, kSettingsTab, {kColourLeft, 6960, 975, 255})
        .with(kColourHeading.data()),
    at(kTab1Label<25>, "Label33", -1, K::Label, kSettingsTab, {kTypeLeft, 6960, 975, 255})
        .with(kLineTypeHeading.data()),
    at(CONTROL(Frame4), K::Frame, kSettingsTab, kFillFrame).with(kFillRowLabel),
    at(kTab1Label<26>, "Label34", -1, K::Label, kFrame4,
       {kInFillFrameLeft, in_fill_frame(5040), kListWidth, 255}).with(kColumnFillLabel),
    at(kTab1Label<27>, "Label35", -1, K::Label, kFrame4,
       {kInFillFrameLeft, in_fill_frame(6000), kListWidth, 255}).with(kWallFillLabel),
    at(kTab1Label<28>, "Label36", -1, K::Label, kFrame4,
       {kInFillFrameLeft, in_fill_frame(6960), kListWidth, 255}).with(kHatchPitchLabel),
    // Static illustrations left of the rows.
    at(kTab1Shape<0>, "Shape2", -1, K::Shape, kSettingsTab, {1680, 1020, 615, 615}),
    at(kTab1Shape<1>, "Shape3", -1, K::Shape, kSettingsTab, {1680, 2040, 615, 615}),
    at(kTab1Shape<2>, "Shape4", -1, K::Shape, kSettingsTab, {1680, 2940, 615, 615}),
    at(kTab1Shape<3>, "Shape5", -1, K::Shape, kSettingsTab, {1680, 3960, 615, 615}),
    at(kTab1Shape<4>, "Shape6", -1, K::Shape, kSettingsTab, {1680, 4920, 615, 615}),
    at(kTab1Shape<5>, "Shape7", -1, K::Shape, kSettingsTab, {1680, 6000, 615, 615}),
    at(kTab1Shape<6>, "Shape9", -1, K::Shape, kSettingsTab, {1680, 7020, 615, 615}),
    // 構造クロス: the diagonals; 壁: a wall leaving the column; 寸法: two dimension lines
    // with their ticks.
    line(kTab1Line<0>, "Line1", -1, kSettingsTab, 1680, 2040, 2295, 2655),
    line(kTab1Line<1>, "Line2", -1, kSettingsTab, 2295, 2040, 1680, 2655),
    line(kTab1Line<2>, "Line3", -1, kSettingsTab, 1380, 3090, 1680, 3090),
    line(kTab1Line<3>, "Line4", -1, kSettingsTab, 1380, 3405, 1680, 3405),
    line(kTab1Line<4>, "Line5", -1, kSettingsTab, 1680, 6735, 2295, 6735),
    line(kTab1Line<5>, "Line6", -1, kSettingsTab, 1680, 6675, 1680, 6795),
    line(kTab1Line<6>, "Line7", -1, kSettingsTab, 2295, 6675, 2295, 6795),
    line(kTab1Line<7>, "Line8", -1, kSettingsTab, 2415, 6000, 2415, 6615),
    line(kTab1Line<8>, "Line9", -1, kSettingsTab, 2355, 6000, 2475, 6000),
    line(kTab1Line<9>, "Line10", -1, kSettingsTab, 2355, 6615, 2475, 6615),
    // 塗り: a hatched square.
    line(kTab1Line<10>, "Line11", -1, kSettingsTab, 1680, 7225, 1885, 7020),
    line(kTab1Line<11>, "Line12", -1, kSettingsTab, 1680, 7430, 2090, 7020),
    line(kTab1Line<12>, "Line15", -1, kSettingsTab, 1680, 7635, 2295, 7020),
    line(kTab1Line<13>, "Line16", -1, kSettingsTab, 1885, 7635, 2295, 7225),
    line(kTab1Line<14>, "Line17", -1, kSettingsTab, 2090, 7635, 2295, 7430),
    // The pickers, row by row: layer, line colour, line type (the symbol: layer, text type).
    list(CONTROL(cbo_h_ly), kBodyRowLabel, kLayerLeft, 1200, Items::Layers),
    list(CONTROL(cbo_h_nPenColor), kBodyRowLabel, kColourLeft, 1200, Items::Colours),
    list(CONTROL(cbo_h_nPenStyle), kBodyRowLabel, kTypeLeft, 1200, Items::LineTypes),
    list(CONTROL(cbo_x_ly), kCrossRowLabel, kLayerLeft, 2160, Items::Layers),
    list(CONTROL(cbo_x_nPenColor), kCrossRowLabel, kColourLeft, 2160, Items::Colours),
    list(CONTROL(cbo_x_nPenStyle), kCrossRowLabel, kTypeLeft, 2160, Items::LineTypes),
    list(CONTROL(cbo_k_ly), kWallRowLabel, kLayerLeft, 3120, Items::Layers),
    list(CONTROL(cbo_k_nPenColor), kWallRowLabel, kColourLeft, 3120, Items::Colours),
    list(CONTROL(cbo_k_nPenStyle), kWallRowLabel, kTypeLeft, 3120, Items::LineTypes),
    list(CONTROL(cbo_kh_ly), kStructuralRowLabel, kLayerLeft, 4080, Items::Layers),
    list(CONTROL(cbo_kh_nPenColor), kStructuralRowLabel, kColourLeft, 4080, Items::Colours),
    list(CONTROL(cbo_kh_nPenStyle), kStructuralRowLabel, kTypeLeft, 4080, Items::LineTypes),
    list(CONTROL(cbo_hm_ly), kSymbolLabel, kLayerLeft, 5040, Items::Layers),
    list(CONTROL(cbo_hm_cn), kSymbolLabel, kTypeLeft, 5040, Items::TextTypes),
    list(CONTROL(cbo_sun_ly), kDimensionRowLabel, kLayerLeft, 6240, Items::Layers),
    list(CONTROL(cbo_nuri_ly), kFillRowLabel, kLayerLeft, 7200, Items::Layers),
    list(CONTROL(cbo_nuri_nPenColor), kFillRowLabel, kColourLeft, 7200, Items::Colours),
    list(CONTROL(cbo_nuri_nPenStyle), kFillRowLabel, kTypeLeft, 7200, Items::LineTypes),
    fill_list(CONTROL(cbo_nuri_hasira), 5280, Items::FillKinds, same_tip<column_fill_tip>),
    fill_list(CONTROL(cbo_nuri_kabe), 6240, Items::FillKinds, same_tip<wall_fill_tip>),
    fill_list(CONTROL(cbo_nuri_pitch), 7200, Items::HatchPitches, same_tip<hatch_pitch_tip>),
    // The pen samples below the colour and line type lists.
    at(ELEMENT(pic_S_PenColor, 0), K::PictureBox, kSettingsTab, {kColourLeft, 1680, 975, 135}),
    at(ELEMENT(pic_S_PenColor, 1), K::PictureBox, kSettingsTab, {kColourLeft, 2640, 975, 135}),
    at(ELEMENT(pic_S_PenColor, 2), K::PictureBox, kSettingsTab, {kColourLeft, 3600, 975, 135}),
    at(ELEMENT(pic_S_PenColor, 3), K::PictureBox, kSettingsTab, {kColourLeft, 4560, 975, 135}),
    at(ELEMENT(pic_S_PenColor, 4), K::PictureBox, kSettingsTab, {kColourLeft, 6120, 975, 135}),
    at(ELEMENT(pic_S_PenColor, 5), K::PictureBox, kSettingsTab, {kColourLeft, 7680, 975, 135}),
    at(ELEMENT(pic_S_PenStyle, 0), K::PictureBox, kSettingsTab, {kTypeLeft, 1680, 1095, 135}),
    at(ELEMENT(pic_S_PenStyle, 1), K::PictureBox, kSettingsTab, {kTypeLeft, 2640, 1095, 135}),
    at(ELEMENT(pic_S_PenStyle, 2), K::PictureBox, kSettingsTab, {kTypeLeft, 3600, 975, 135}),
    at(ELEMENT(pic_S_PenStyle, 3), K::PictureBox, kSettingsTab, {kTypeLeft, 4560, 975, 135}),
    at(ELEMENT(pic_S_PenStyle, 4), K::PictureBox, kSettingsTab, {kTypeLeft, 6120, 975, 135}),
    at(ELEMENT(pic_S_PenStyle, 5), K::PictureBox, kSettingsTab, {kTypeLeft, 7680, 975, 135}),
    // Below the row 塗り, where the buttons of 作図 stand on the other page.
    at(CONTROL(cmdS_hozon), K::Button, kSettingsTab, {7440, 8160, 1575, 375})
        .with(kSetteiSaveCaption).tipped(same_tip<settei_save_tip>),
    at(CONTROL(cmdS_reset), K::Button, kSettingsTab, {9240, 8160, 1575, 375}).with(kResetCaption)
        .tipped(same_tip<settei_reset_tip>),
};
// clang-format on

#undef CONTROL
#undef ARRAY
#undef ELEMENT

std::vector<std::string> items_of(Items items) {
    static const char* const digits[] = {"０", "１", "２", "３", "４", "５", "６", "７",
                                         "８", "９", "Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "Ｆ"};
    switch (items) {
        case Items::Pages:
            return {"作図", "基本設定"};
        case Items::Layers: {
            std::vector<std::string> layers;
            for (const char* d : digits) layers.push_back(std::string("レイヤー　") + d);
            return layers;
        }
        case Items::Colours:
            return {"線色　１", "線色　２", "線色　３", "線色　４", "線色　５", "線色　６"};
        case Items::LineTypes:
            return {"実線　１",   "点線　１",   "点線　２",   "点線　３", "一点鎖　１",
                    "一点鎖　２", "二点鎖　１", "二点鎖　２", "補助線種"};
        case Items::TextTypes:
            return {"文字種　１", "文字種　２", "文字種　３", "文字種　４", "文字種　５",
                    "文字種　６", "文字種　７", "文字種　８", "文字種　９", "文字種　10"};
        case Items::FillKinds: {
            std::vector<std::string> kinds;
            for (const FillKindChoice& choice : kFillKinds) kinds.emplace_back(choice.item);
            return kinds;
        }
        case Items::HatchPitches: {
            std::vector<std::string> pitches;
            for (const HatchPitchChoice& choice : kHatchPitches) pitches.emplace_back(choice.item);
            return pitches;
        }
        case Items::None:
            break;
    }
    return {};
}

// The heading of the column a list of 「基本設定」 stands in, by what it lists.
std::string_view heading_of(Items items) {
    switch (items) {
        case Items::Layers:
            return kLayerHeading;
        case Items::Colours:
            return kColourHeading;
        case Items::LineTypes:
            return kLineTypeHeading;
        case Items::TextTypes:
            return kTextTypeHeading;
        default:
            return {};
    }
}

// Element `n` of the row as designed.
void design(Control& c, const Row& row, int n) {
    c.name = row.name;
    c.index = row.index < 0 ? -1 : row.index + n;
    c.kind = row.kind;
    c.container = row.place.container;
    c.tab_page = row.place.tab_page;
    c.visible = !row.hidden;
    if (row.tip) c.tip = row.tip(c.index);
    if (!row.settings_row.empty())
        c.tip = settings_list_tip(row.settings_row, heading_of(row.items));
    const Rect& r = row.rect;
    if (row.kind == K::Line) {
        auto& l = static_cast<Line&>(c);
        l.x1 = r.left;
        l.y1 = r.top;
        l.x2 = r.width;
        l.y2 = r.height;
    } else {
        c.rect = {r.left + row.step * n, r.top, r.width, r.height};
    }
    switch (row.kind) {
        case K::Label:
            static_cast<Label&>(c).caption = row.text;
            break;
        case K::Button:
            static_cast<Button&>(c).caption = row.text;
            break;
        case K::Frame:
            static_cast<Frame&>(c).caption = row.text;
            break;
        case K::OptionButton:
            static_cast<OptionButton&>(c).caption = row.text;
            static_cast<OptionButton&>(c).value = row.selected;
            break;
        case K::CheckBox:
            // Its value is the drawing's default, which start-up puts in (Form_Load).
            static_cast<CheckBox&>(c).caption = row.text;
            break;
        case K::ComboBox:
            static_cast<ComboBox&>(c).text = row.text;
            break;
        case K::DropDownList:
            static_cast<ComboBox&>(c).items = items_of(row.items);
            break;
        case K::TextBox:
            static_cast<TextBox&>(c).text = row.text;
            break;
        case K::TabControl:
            static_cast<TabControl&>(c).tabs = items_of(row.items);
            break;
        case K::PictureBox:
        case K::Image:
            if (row.store) {
                static_cast<Picture&>(c).picture =
                    c.index >= 0 ? c.name + "(" + std::to_string(c.index) + ")" : c.name;
            }
            break;
        default:
            break;
    }
}

}  // namespace

void FrmMain::build_inventory() {
    column = make_column_panel();
    walls = {make_wall_panel(WallSide::Up), make_wall_panel(WallSide::DOWN),
             make_wall_panel(WallSide::Right), make_wall_panel(WallSide::Left)};
    for (const Row& row : kInventory) {
        for (int n = 0; n < row.count; ++n) {
            Control& c = row.slot(*this, n);
            if (row.name) design(c, row, n);
            register_control(c);
        }
    }
}

}  // namespace quornel

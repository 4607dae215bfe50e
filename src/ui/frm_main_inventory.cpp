// The window's controls as designed: names, kinds, containers, pages, rectangles in twips,
// captions, texts and list items. Start-up (Form_Load) moves some of them afterwards.
#include <string>

#include "ui/frm_main.h"

namespace quornel {

namespace {

constexpr int kDrawingPage = 0;   // "作図"
constexpr int kSettingsPage = 1;  // "基本設定"

void place(Control& c, std::string name, int index, ControlKind kind, std::string container,
           int tab_page, Rect rect) {
    c.name = std::move(name);
    c.index = index;
    c.kind = kind;
    c.container = std::move(container);
    c.tab_page = tab_page;
    c.rect = rect;
}

Label make_label(std::string name, std::string caption, std::string container, int tab_page,
                 Rect rect) {
    Label l;
    place(l, std::move(name), -1, ControlKind::Label, std::move(container), tab_page, rect);
    l.caption = std::move(caption);
    return l;
}

Line make_line(std::string name, std::string container, int tab_page, double x1, double y1,
               double x2, double y2) {
    Line l;
    place(l, std::move(name), -1, ControlKind::Line, std::move(container), tab_page, {});
    l.x1 = x1;
    l.y1 = y1;
    l.x2 = x2;
    l.y2 = y2;
    return l;
}

Shape make_shape(std::string name, std::string container, int tab_page, Rect rect) {
    Shape s;
    place(s, std::move(name), -1, ControlKind::Shape, std::move(container), tab_page, rect);
    return s;
}

// A hidden picture store: it keeps its own picture for the program's life.
void make_store(Picture& p, std::string name, int index, ControlKind kind, Rect rect) {
    place(p, name, index, kind, "frmMain", -1, rect);
    p.picture = index >= 0 ? name + "(" + std::to_string(index) + ")" : name;
    p.visible = false;
}

void make_combo(ComboBox& c, std::string name, std::string container, int tab_page, Rect rect,
                std::string text) {
    place(c, std::move(name), -1, ControlKind::ComboBox, std::move(container), tab_page, rect);
    c.text = std::move(text);
}

void make_button(Button& b, std::string name, int index, std::string caption, std::string container,
                 int tab_page, Rect rect) {
    place(b, std::move(name), index, ControlKind::Button, std::move(container), tab_page, rect);
    b.caption = std::move(caption);
}

std::vector<std::string> layer_items() {
    static const char* const digits[] = {"０", "１", "２", "３", "４", "５", "６", "７",
                                         "８", "９", "Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "Ｆ"};
    std::vector<std::string> items;
    for (const char* d : digits) items.push_back(std::string("レイヤー　") + d);
    return items;
}

std::vector<std::string> colour_items() {
    return {"線色　１", "線色　２", "線色　３", "線色　４", "線色　５", "線色　６"};
}

std::vector<std::string> line_type_items() {
    return {"実線　１",   "点線　１",   "点線　２",   "点線　３", "一点鎖　１",
            "一点鎖　２", "二点鎖　１", "二点鎖　２", "補助線種"};
}

std::vector<std::string> text_type_items() {
    return {"文字種　１", "文字種　２", "文字種　３", "文字種　４", "文字種　５",
            "文字種　６", "文字種　７", "文字種　８", "文字種　９", "文字種　10"};
}

void make_list(ComboBox& c, std::string name, double left, double top,
               std::vector<std::string> items) {
    place(c, std::move(name), -1, ControlKind::DropDownList, "SSTab1", kSettingsPage,
          {left, top, 1335, 300});
    c.items = std::move(items);
}

}  // namespace

void FrmMain::build_inventory() {
    // ---- top level and the hidden stores ----
    place(SSTab1, "SSTab1", 1, ControlKind::TabControl, "frmMain", -1, {120, 120, 11415, 8655});
    SSTab1.tabs = {"作図", "基本設定"};
    register_control(SSTab1);

    place(Text1, "Text1", -1, ControlKind::TextBox, "frmMain", -1, {6360, 10200, 2055, 270});
    Text1.text = "Text1";
    Text1.visible = false;
    register_control(Text1);

    for (int i = 0; i < 3; ++i) {
        make_button(Command1[i], "Command1", i, "", "frmMain", -1,
                    {6600.0 + 360 * i, 9240, 375, 375});
        Command1[i].visible = false;
        register_control(Command1[i]);
    }
    make_store(pic_ku, "pic_ku", -1, ControlKind::PictureBox, {4800, 8880, 375, 495});
    make_store(pic_kd, "pic_kd", -1, ControlKind::PictureBox, {4800, 10320, 375, 495});
    make_store(pic_kl, "pic_kl", -1, ControlKind::PictureBox, {3840, 9960, 375, 495});
    make_store(pic_kr, "pic_kr", -1, ControlKind::PictureBox, {5880, 9960, 375, 495});
    make_store(pic_lt, "pic_lt", -1, ControlKind::PictureBox, {4920, 9480, 135, 615});
    make_store(pic_ly, "pic_ly", -1, ControlKind::PictureBox, {4320, 10080, 1335, 135});
    for (Picture* p : {&pic_ku, &pic_kd, &pic_kl, &pic_kr, &pic_lt, &pic_ly}) register_control(*p);
    // The stores below have no design position of their own; they sit in the strip below
    // the tab control that the start-up size cuts off.
    for (int i = 0; i < 9; ++i) {
        make_store(pic_nPenStyle[i], "pic_nPenStyle", i, ControlKind::PictureBox,
                   {120.0 + 900 * i, 10560, 855, 135});
        register_control(pic_nPenStyle[i]);
    }
    for (int i = 0; i < 6; ++i) {
        make_store(pic_nPenColor[i], "pic_nPenColor", i, ControlKind::PictureBox,
                   {6600.0 + 960 * i, 10800, 885, 90});
        register_control(pic_nPenColor[i]);
    }
    for (int i = 0; i < 9; ++i) {
        make_store(img_botanU[i], "img_botanU", i, ControlKind::Image,
                   {120.0 + 480 * i, 8880, 465, 465});
        register_control(img_botanU[i]);
    }
    for (int i = 0; i < 9; ++i) {
        make_store(img_botanD[i], "img_botanD", i, ControlKind::Image,
                   {120.0 + 480 * i, 9480, 465, 465});
        register_control(img_botanD[i]);
    }

    // ---- tab 0 "作図" ----
    lbl_hasira_s =
        make_label("lbl_hasira_s", "柱・壁 配置", "SSTab1", kDrawingPage, {720, 600, 1005, 255});
    register_control(lbl_hasira_s);

    column = make_column_panel();
    walls = {make_wall_panel(WallSide::Up), make_wall_panel(WallSide::DOWN),
             make_wall_panel(WallSide::Right), make_wall_panel(WallSide::Left)};
    for (Picture& b : column.img_hasira_s) register_control(b);

    place(Frame1, "Frame1", -1, ControlKind::Frame, "SSTab1", kDrawingPage, {360, 1080, 1695, 255});
    register_control(Frame1);
    const char* const sin_captions[] = {"柱芯", "壁芯"};
    for (int i = 0; i < 2; ++i) {
        place(optSin[i], "optSin", i, ControlKind::OptionButton, "Frame1", -1,
              {960.0 * i, 0, 735, 255});
        optSin[i].caption = sin_captions[i];
        register_control(optSin[i]);
    }
    optSin[0].value = true;

    Label28 = make_label("Label28", "柱増打", "SSTab1", kDrawingPage, {480, 3720, 615, 255});
    Label29 = make_label("Label29", "壁増打", "SSTab1", kDrawingPage, {1440, 3720, 615, 255});
    register_control(Label28);
    register_control(Label29);
    make_combo(cboM_h, "cboM_h", "SSTab1", kDrawingPage, {480, 4200, 615, 300}, "0");
    make_combo(cboM_k, "cboM_k", "SSTab1", kDrawingPage, {1440, 4200, 615, 300}, "0");
    register_control(cboM_h);
    register_control(cboM_k);

    Label2 = make_label("Label2", "寸法位置", "SSTab1", kDrawingPage, {720, 4680, 975, 255});
    register_control(Label2);
    place(Frame2, "Frame2", -1, ControlKind::Frame, "SSTab1", kDrawingPage,
          {240, 4920, 1815, 1815});
    register_control(Frame2);
    Shape14 = make_shape("Shape14", "Frame2", -1, {360, 360, 495, 495});
    Shape13 = make_shape("Shape13", "Frame2", -1, {960, 360, 495, 495});
    Shape12 = make_shape("Shape12", "Frame2", -1, {360, 960, 495, 495});
    Shape11 = make_shape("Shape11", "Frame2", -1, {960, 960, 495, 495});
    for (Shape* s : {&Shape14, &Shape13, &Shape12, &Shape11}) register_control(*s);
    {
        // Dimension marks around the 2 × 2 block: per outer side and square, a 480-long
        // dimension line 240 outside the squares between two 120-long ticks.
        int n = 35;
        auto add = [&](double x1, double y1, double x2, double y2) {
            Frame2_lines[n - 35] =
                make_line("Line" + std::to_string(n), "Frame2", -1, x1, y1, x2, y2);
            ++n;
        };
        for (double y : {120.0, 1680.0}) {  // top, bottom
            for (double s : {360.0, 960.0}) {
                add(s, y, s + 480, y);
                add(s, y - 60, s, y + 60);
                add(s + 480, y - 60, s + 480, y + 60);
            }
        }
        for (double x : {120.0, 1680.0}) {  // left, right
            for (double s : {360.0, 960.0}) {
                add(x, s, x, s + 480);
                add(x - 60, s, x + 60, s);
                add(x - 60, s + 480, x + 60, s + 480);
            }
        }
        for (Line& l : Frame2_lines) register_control(l);
    }
    const double sunpo_pos[4][2] = {{480, 480}, {1080, 480}, {480, 1080}, {1080, 1080}};
    for (int i = 1; i <= 4; ++i) {
        OptionButton& o = optSunpoIti(i);
        place(o, "optSunpoIti", i, ControlKind::OptionButton, "Frame2", -1,
              {sunpo_pos[i - 1][0], sunpo_pos[i - 1][1], 255, 255});
        register_control(o);
    }
    optSunpoIti(4).value = true;

    Label12 = make_label("Label12", "柱記号位置", "SSTab1", kDrawingPage, {720, 6840, 975, 255});
    register_control(Label12);
    place(Frame3, "Frame3", -1, ControlKind::Frame, "SSTab1", kDrawingPage,
          {480, 7080, 1455, 1455});
    register_control(Frame3);
    Shape8 = make_shape("Shape8", "Frame3", -1, {120, 240, 1095, 1095});
    Line13 = make_line("Line13", "Frame3", -1, 1200, 240, 120, 1320);
    Line14 = make_line("Line14", "Frame3", -1, 120, 240, 1200, 1320);
    register_control(Shape8);
    register_control(Line13);
    register_control(Line14);
    const double moji_pos[5][2] = {{240, 360}, {840, 360}, {520, 660}, {240, 960}, {840, 960}};
    for (int i = 0; i < 5; ++i) {
        place(optHasiraMoji[i], "optHasiraMoji", i, ControlKind::OptionButton, "Frame3", -1,
              {moji_pos[i][0], moji_pos[i][1], 255, 255});
        optHasiraMoji[i].caption = "C";
        register_control(optHasiraMoji[i]);
    }
    optHasiraMoji[4].value = true;

    Label14 = make_label("Label14", "柱記号", "SSTab1", kDrawingPage, {1920, 7800, 615, 255});
    register_control(Label14);
    make_combo(cboHasiraKigou, "cboHasiraKigou", "SSTab1", kDrawingPage, {1920, 8160, 1095, 300},
               "C1");
    register_control(cboHasiraKigou);

    place(Picture2, "Picture2", -1, ControlKind::PictureBox, "SSTab1", kDrawingPage,
          {2760, 480, 7980, 7500});
    register_control(Picture2);

    // The schematic: the column first, then the wall panels.
    register_control(column.shpB_kh);
    register_control(column.shpB_ih);
    register_control(column.imgB_lt);
    register_control(column.imgB_ly);
    for (WallPanel& w : walls) register_control(w.image);
    for (Line& l : column.linSun_tt) register_control(l);
    for (Line& l : column.linSun_ty) register_control(l);
    for (Line& l : column.linSun_yy) register_control(l);
    for (Line& l : column.linSun_yt) register_control(l);
    for (Shape& s : column.dot1) register_control(s);
    for (Shape& s : column.dot2) register_control(s);
    for (ComboBox* c :
         {&column.cboHsnXG, &column.cboHsnXU_0, &column.cboHsnXU_1, &column.cboHsnXM[0],
          &column.cboHsnXM[1], &column.cboHsnYG, &column.cboHsnYU_0, &column.cboHsnYU_1,
          &column.cboHsnYM[0], &column.cboHsnYM[1]}) {
        register_control(*c);
    }
    register_control(column.cmdWriHX);
    register_control(column.cmdWriHY);
    for (WallPanel& w : walls) {
        for (ComboBox& c : w.cbo) register_control(c);
        for (Line& l : w.lin) register_control(l);
        for (Shape& s : w.dot) register_control(s);
        register_control(w.cmdWri);
    }

    make_button(cmdResData, "cmdResData", -1, "前回値", "SSTab1", kDrawingPage,
                {4440, 8160, 1095, 375});
    make_button(cmdSakuzu, "cmdSakuzu", -1, "作図", "SSTab1", kDrawingPage,
                {7560, 8160, 1095, 375});
    make_button(cmdReset, "cmdReset", -1, "リセット", "SSTab1", kDrawingPage,
                {8880, 8160, 1095, 375});
    make_button(cmdClose, "cmdClose", -1, "キャンセル", "SSTab1", kDrawingPage,
                {10200, 8160, 1095, 375});
    for (Button* b : {&cmdResData, &cmdSakuzu, &cmdReset, &cmdClose}) register_control(*b);

    // ---- tab 1 "基本設定" ----
    auto tab1_label = [&](const char* name, const char* caption, Rect r) {
        tab1_labels.push_back(make_label(name, caption, "SSTab1", kSettingsPage, r));
    };
    tab1_label("Label13", "レイヤー", {3240, 960, 975, 255});
    tab1_label("Label3", "線色", {5040, 960, 975, 255});
    tab1_label("Label4", "線種", {7080, 960, 975, 255});
    tab1_label("Label5", "躯体柱", {480, 1200, 1095, 255});
    tab1_label("Label6", "構造クロス", {480, 2280, 1095, 255});
    tab1_label("Label7", "壁", {480, 3120, 1095, 255});
    tab1_label("Label8", "構造柱", {480, 4200, 1095, 255});
    tab1_label("Label9", "柱記号", {480, 5160, 1095, 255});
    tab1_label("Label11", "寸法", {480, 6360, 1095, 255});
    // The headings repeated 240 above each row's boxes.
    const double heading_tops[] = {1920, 2880, 3840, 4800, 6000};
    for (int i = 0; i < 5; ++i) {
        tab1_label(("Label" + std::to_string(15 + i)).c_str(), "レイヤー",
                   {3240, heading_tops[i], 975, 255});
    }
    for (int i = 0; i < 3; ++i) {
        tab1_label(("Label" + std::to_string(20 + i)).c_str(), "線色",
                   {5040, heading_tops[i], 975, 255});
        tab1_label(("Label" + std::to_string(24 + i)).c_str(), "線種",
                   {7080, heading_tops[i], 975, 255});
    }
    tab1_label("Label10", "文字種", {7080, 4800, 975, 255});
    tab1_label("Label1", "C", {1920, 5100, 255, 255});

    // Static illustrations left of the rows.
    const char* const shape_names[] = {"Shape2", "Shape3", "Shape4", "Shape5", "Shape6", "Shape7"};
    const double shape_tops[] = {1020, 2040, 2940, 3960, 4920, 6000};
    for (int i = 0; i < 6; ++i) {
        tab1_shapes.push_back(
            make_shape(shape_names[i], "SSTab1", kSettingsPage, {1680, shape_tops[i], 615, 615}));
    }
    auto tab1_line = [&](int n, double x1, double y1, double x2, double y2) {
        tab1_lines.push_back(
            make_line("Line" + std::to_string(n), "SSTab1", kSettingsPage, x1, y1, x2, y2));
    };
    tab1_line(1, 1680, 2040, 2295, 2655);  // 構造クロス: the diagonals
    tab1_line(2, 2295, 2040, 1680, 2655);
    tab1_line(3, 1380, 3090, 1680, 3090);  // 壁: a wall leaving the column
    tab1_line(4, 1380, 3405, 1680, 3405);
    tab1_line(5, 1680, 6735, 2295, 6735);  // 寸法: two dimension lines with ticks
    tab1_line(6, 1680, 6675, 1680, 6795);
    tab1_line(7, 2295, 6675, 2295, 6795);
    tab1_line(8, 2415, 6000, 2415, 6615);
    tab1_line(9, 2355, 6000, 2475, 6000);
    tab1_line(10, 2355, 6615, 2475, 6615);

    make_list(cbo_h_ly, "cbo_h_ly", 3240, 1200, layer_items());
    make_list(cbo_h_nPenColor, "cbo_h_nPenColor", 5040, 1200, colour_items());
    make_list(cbo_h_nPenStyle, "cbo_h_nPenStyle", 7080, 1200, line_type_items());
    make_list(cbo_x_ly, "cbo_x_ly", 3240, 2160, layer_items());
    make_list(cbo_x_nPenColor, "cbo_x_nPenColor", 5040, 2160, colour_items());
    make_list(cbo_x_nPenStyle, "cbo_x_nPenStyle", 7080, 2160, line_type_items());
    make_list(cbo_k_ly, "cbo_k_ly", 3240, 3120, layer_items());
    make_list(cbo_k_nPenColor, "cbo_k_nPenColor", 5040, 3120, colour_items());
    make_list(cbo_k_nPenStyle, "cbo_k_nPenStyle", 7080, 3120, line_type_items());
    make_list(cbo_kh_ly, "cbo_kh_ly", 3240, 4080, layer_items());
    make_list(cbo_kh_nPenColor, "cbo_kh_nPenColor", 5040, 4080, colour_items());
    make_list(cbo_kh_nPenStyle, "cbo_kh_nPenStyle", 7080, 4080, line_type_items());
    make_list(cbo_hm_ly, "cbo_hm_ly", 3240, 5040, layer_items());
    make_list(cbo_hm_cn, "cbo_hm_cn", 7080, 5040, text_type_items());
    make_list(cbo_sun_ly, "cbo_sun_ly", 3240, 6240, layer_items());

    const double sample_tops[] = {1680, 2640, 3600, 4560, 6120};
    for (int i = 0; i < 5; ++i) {
        place(pic_S_PenColor[i], "pic_S_PenColor", i, ControlKind::PictureBox, "SSTab1",
              kSettingsPage, {5040, sample_tops[i], 975, 135});
        place(pic_S_PenStyle[i], "pic_S_PenStyle", i, ControlKind::PictureBox, "SSTab1",
              kSettingsPage, {7080, sample_tops[i], i < 2 ? 1095.0 : 975.0, 135});
    }
    make_button(cmdS_hozon, "cmdS_hozon", -1, "基本設定保存", "SSTab1", kSettingsPage,
                {7440, 7920, 1575, 375});
    make_button(cmdS_reset, "cmdS_reset", -1, "リセット", "SSTab1", kSettingsPage,
                {9240, 7920, 1575, 375});

    for (Label& l : tab1_labels) register_control(l);
    for (Shape& s : tab1_shapes) register_control(s);
    for (Line& l : tab1_lines) register_control(l);
    for (ComboBox* c :
         {&cbo_h_ly, &cbo_h_nPenColor, &cbo_h_nPenStyle, &cbo_x_ly, &cbo_x_nPenColor,
          &cbo_x_nPenStyle, &cbo_k_ly, &cbo_k_nPenColor, &cbo_k_nPenStyle, &cbo_kh_ly,
          &cbo_kh_nPenColor, &cbo_kh_nPenStyle, &cbo_hm_ly, &cbo_hm_cn, &cbo_sun_ly}) {
        register_control(*c);
    }
    for (int i = 0; i < 5; ++i) register_control(pic_S_PenColor[i]);
    for (int i = 0; i < 5; ++i) register_control(pic_S_PenStyle[i]);
    register_control(cmdS_hozon);
    register_control(cmdS_reset);
}

}  // namespace quornel

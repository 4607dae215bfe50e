#pragma once
// frmMain, the program's one window, as plain data: every control of the window with its
// name, index, kind, container, tab page, rectangle in twips and contents, the module
// values of the window, and every event handler under the name the window gives it.
//
// Nothing here knows a toolkit. The Win32 view builds native controls from controls(),
// copies each user edit into the model with user_type() before any handler runs, routes
// focus changes, Enter, clicks and list choices through the user_* functions, and after
// every event copies the model's properties back onto its controls. Tests and the
// scripted runner drive the same functions, so what they prove holds for the window.
//
// Usage: construct with the environment, call Form_Load(), then act. `closed` turns true
// when 「作図」 has written its files, 「キャンセル」 was pressed, or start-up could not read
// the exchange header; the program then ends.
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/drawing_input.h"
#include "exchange/header_points.h"
#include "exchange/host_header.h"
#include "platform/beep.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/result.h"
#include "settings/res_data.h"
#include "settings/settei_picks.h"
#include "ui/column/column_panel.h"
#include "ui/controls.h"
#include "ui/walls/wall_panel.h"

namespace quornel {

struct FrmMainEnv {
    FileSystem& fs;
    Registry& registry;
    Dialogs& dialogs;
    std::filesystem::path program_dir;  // TEMP.TXT, JWC_TEMP.TXT and the data files
    Beep& beep = no_beep();             // a box refusing what was typed
};

// A control by name and array index (-1 for a control that is not in an array).
struct ControlRef {
    std::string name;
    int index = -1;
    bool empty() const { return name.empty(); }
    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

// "cboKabeSunLeft(2)", "cmdSakuzu".
std::string to_string(const ControlRef& ref);
// Reads "NAME" or "NAME(INDEX)"; nullopt when it is neither.
std::optional<ControlRef> parse_control_ref(std::string_view text);

// The window itself: caption and outer size in twips (11700 × 9250 after start-up).
struct FormWindow {
    static constexpr const char* kTitle = "quornel";
    std::string caption = kTitle;  // with the number of places when there are several
    double client_width = 12495;   // design client area
    double client_height = 11025;
    double width = 12495;  // outer size, set by Form_Load
    double height = 11025;
};

// 「作図」's reading of the window: the drawing's inputs, or why they cannot be drawn.
struct SakuzuInput {
    std::optional<DrawingInput> input;  // set when everything can be drawn
    std::string refusal;                // otherwise the message for the user
    ControlRef box;  // the box it names, one the user can see and change; empty when the
                     // refusal is about no box (TEMP.TXT, Jw_cad's settings)
};

// Where a set of the values of quornel_res.dat was read (quornel_res.dat itself, or one
// type's block of quornel_types.dat), for the message about values that cannot be restored.
struct ValueSetOrigin {
    std::string unusable;                    // the sentence before the list of those values
    std::array<int, kResDataLines> lines{};  // each value's line in its file, from 1
};

// What became of a user action.
enum class ActResult {
    Done,
    Refused,        // the control is hidden or disabled, or the entry does not exist
    NotApplicable,  // the control has no such interaction (typing into a button)
    Unknown,        // no control of that name and index
};

class FrmMain {
  public:
    explicit FrmMain(FrmMainEnv env);
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // ---- acting as the user would --------------------------------------------------------
    // Every function first moves the focus to the control where a person's action would
    // (typing, Enter, choosing from a list, clicking a button, option button or tab page);
    // the control that loses the focus runs its LostFocus handler. Images take no focus.

    // The user replaces the text of an editable combo box (without leaving it).
    ActResult user_type(const ControlRef& ref, const std::string& text);
    // The control loses the focus (LostFocus runs); the focus goes nowhere.
    ActResult user_leave(const ControlRef& ref);
    // Enter in a combo box (its KeyPress 13) or on a button (its Click).
    ActResult user_enter(const ControlRef& ref);
    // A click on a button, shape image, option button, check box or tab page. A tab page is
    // addressed as SSTab1(PAGE), PAGE 0 "作図" or 1 "基本設定".
    ActResult user_click(const ControlRef& ref);
    // The user chooses entry `entry` (0-based) of a list: a drop-down list selects it and
    // runs its Click handler; an editable box only shows the entry's text until it is left.
    ActResult user_choose(const ControlRef& ref, int entry);
    // The native control took the focus (the view reports focus changes it did not cause).
    ActResult user_focus(const ControlRef& ref);
    // Esc: the window closes as 「キャンセル」 does and writes nothing. Like the close box, it
    // does not leave the box being edited, so nothing is checked on the way. (While a list
    // is dropped down, Esc only closes the list: the native list keeps that key.)
    ActResult user_escape();

    // Tab (Shift+Tab: `backwards`): the focus moves to the next stop of tab_order() a person
    // can act on, and the control left runs its LostFocus.
    ActResult user_tab(bool backwards);

    // The control that has the focus; empty when none.
    const ControlRef& focus() const { return focus_; }

    // ---- Tab --------------------------------------------------------------------------------
    // The controls Tab visits on the page shown, in the order a person reads them where they
    // stand now: on 「作図」 the column left of the schematic from the top, the schematic's
    // boxes row by row (each 「割」/「面」 right after the box it splits), then the buttons below
    // it; on 「基本設定」 its rows, then its buttons. An option group is one stop, its chosen
    // button, whose neighbours the arrow keys reach. Hidden controls are left out, disabled
    // ones are in it for Tab to pass over.
    std::vector<ControlRef> tab_order() const;
    // Where Tab goes from `from`: the next control of tab_order() a person can act on, round
    // from the last to the first; from a control outside the order, the first (Shift+Tab: the
    // last). Empty when there is none.
    ControlRef next_tab_stop(const ControlRef& from, bool backwards) const;

    // ---- selecting as code does -----------------------------------------------------------
    // Sets a list position as a user's choice would and runs the list's Click (or, for
    // cbo_hm_cn, Change) handler. -1 clears the selection and runs the handler too.
    void set_list_index(ComboBox& box, int index);
    // Selects an option button of its group; its Click handler runs when it was not
    // selected already.
    void select_option(OptionButton& option);
    // Checks (1) or clears (0) a check box; its Click handler runs when the value changes.
    void set_check(CheckBox& box, int value);

    // ---- the inventory --------------------------------------------------------------------
    Control* find_control(std::string_view name, int index = -1);
    const Control* find_control(std::string_view name, int index = -1) const;
    // Every control of the window, in a fixed order: containers before their contents.
    const std::vector<Control*>& controls() const { return all_; }
    // Visible itself, its containers visible and, on the tab control, on the shown page.
    bool is_shown(const Control& control) const;
    // Shown and enabled, with every container enabled: a person can act on it.
    bool can_act_on(const Control& control) const;
    // Visible and enabled with its containers, on whichever page of the tab control: a person
    // can change it, turning the page first if need be.
    bool can_change(const Control& control) const;

    // ---- handlers, under the window's own names ----------------------------------------
    void Form_Load();
    void cmdClose_Click();
    void cmdSakuzu_Click();
    void cmdResData_Click();
    void cmdKigouData_Click();
    void cmdReset_Click();
    void cmdS_hozon_Click();
    void cmdS_reset_Click();
    void SSTab1_Click(int previous_tab);
    void optSin_Click(int index);
    void optSunpoIti_Click(int index);
    void optHasiraMoji_Click(int index);
    void img_hasira_s_Click(int index);
    void Command1_Click(int index);
    void chkKabeTunagu_Click();
    void chkSunpoHitotu_Click();
    void chkGaisyuKabe_Click();

    void cboM_h_LostFocus();
    void cboM_k_LostFocus();
    void cboHasiraKigou_LostFocus();
    void cboHsnXG_LostFocus();
    void cboHsnYG_LostFocus();
    void cboHsnXU_0_LostFocus();
    void cboHsnXU_1_LostFocus();
    void cboHsnYU_0_LostFocus();
    void cboHsnYU_1_LostFocus();
    void cboHsnXM_LostFocus(int index);
    void cboHsnYM_LostFocus(int index);
    void cboKabeSunUp_LostFocus(int index);
    void cboKabeSunDOWN_LostFocus(int index);
    void cboKabeSunRight_LostFocus(int index);
    void cboKabeSunLeft_LostFocus(int index);
    void cmdWriHX_Click();
    void cmdWriHY_Click();
    void cmdWriKU_Click();
    void cmdWriKD_Click();
    void cmdWriKR_Click();
    void cmdWriKL_Click();

    void cbo_h_nPenColor_Click();
    void cbo_x_nPenColor_Click();
    void cbo_k_nPenColor_Click();
    void cbo_kh_nPenColor_Click();
    void cbo_h_nPenStyle_Click();
    void cbo_x_nPenStyle_Click();
    void cbo_k_nPenStyle_Click();
    void cbo_kh_nPenStyle_Click();
    void cbo_nuri_nPenColor_Click();
    void cbo_nuri_nPenStyle_Click();
    void cbo_hm_cn_Change();

    // Procedures of the window used by the handlers above.
    void ResDataLoad();
    // 「記号で呼出」: the set stored under the symbol in 柱記号, restored as ResDataLoad does.
    void KigouDataLoad();
    void RestoreColumnShape();
    // Fills the pick lists from quornel.dat (quornel_d.dat after 「リセット」) and clears the
    // boxes; `report_problem`: a file that cannot be read completely is named to the user.
    void ListDataLoad(bool report_problem);
    Status ListDataSave();
    Status ResDataSave();
    // The set ResDataSave stores, stored under its symbol in quornel_types.dat.
    Status TypesDataSave();

    // The drawing inputs as the controls hold them now, or the refusal naming the box.
    // Reads only; changes nothing.
    SakuzuInput read_drawing_input() const;

    // --repeat: 前回値 (or 記号で呼出) must restore every line or the run stops (no output,
    // message).
    void set_strict_restore(bool strict) { strict_restore_ = strict; }
    // False after a strict restore met a problem.
    bool last_restore_complete() const { return last_restore_complete_; }

    // ---- the window and its controls -----------------------------------------------------
    FormWindow form;

    TabControl SSTab1;
    TextBox Text1;
    std::array<Button, 3> Command1;
    Picture pic_ku, pic_kd, pic_kl, pic_kr, pic_lt, pic_ly;
    std::array<Picture, 9> pic_nPenStyle;
    std::array<Picture, 6> pic_nPenColor;
    std::array<Picture, kShapeButtons> img_botanU;  // the nine shapes and 「交点ごと」
    std::array<Picture, kShapeButtons> img_botanD;

    // Tab 0 "作図".
    Label lbl_hasira_s;
    Frame Frame1;
    std::array<OptionButton, 2> optSin;
    // 「交点ごと」's choices: 「壁をつなぐ」, 「寸法は最初の交点だけ」,
    // 「外周の壁を柱の外面に合わせる」.
    CheckBox chkKabeTunagu, chkSunpoHitotu, chkGaisyuKabe;
    Label Label28, Label29;
    ComboBox cboM_h, cboM_k;
    Label Label2;
    Frame Frame2;
    Shape Shape11, Shape12, Shape13, Shape14;
    std::array<Line, 24> Frame2_lines;                 // Line35 .. Line58
    std::array<OptionButton, 4> optSunpoIti_elements;  // elements 1..4 (there is no 0)
    OptionButton& optSunpoIti(int index) { return optSunpoIti_elements.at(index - 1); }
    const OptionButton& optSunpoIti(int index) const { return optSunpoIti_elements.at(index - 1); }
    Label Label12;
    Frame Frame3;
    Shape Shape8;
    Line Line13, Line14;
    std::array<OptionButton, 5> optHasiraMoji;
    Label Label14;
    ComboBox cboHasiraKigou;
    Picture Picture2;
    Button cmdResData, cmdKigouData, cmdSakuzu, cmdReset, cmdClose;

    // The schematic inside Picture2 (and the ten shape buttons), and the wall panels in
    // the order Up, DOWN, Right, Left (index with WallSide).
    ColumnPanel column;
    std::array<WallPanel, 4> walls;
    WallPanel& wall(WallSide side) { return walls[static_cast<int>(side)]; }

    // Tab 1 "基本設定".
    ComboBox cbo_h_ly, cbo_h_nPenColor, cbo_h_nPenStyle;
    ComboBox cbo_x_ly, cbo_x_nPenColor, cbo_x_nPenStyle;
    ComboBox cbo_k_ly, cbo_k_nPenColor, cbo_k_nPenStyle;
    ComboBox cbo_kh_ly, cbo_kh_nPenColor, cbo_kh_nPenStyle;
    ComboBox cbo_hm_ly, cbo_hm_cn;
    ComboBox cbo_sun_ly;
    // 塗り: its pen, and what is filled how (the items of exchange/fill_styles.h).
    ComboBox cbo_nuri_ly, cbo_nuri_nPenColor, cbo_nuri_nPenStyle;
    ComboBox cbo_nuri_hasira, cbo_nuri_kabe, cbo_nuri_pitch;
    Frame Frame4;  // 「塗り」 round the three lists above and their captions
    std::array<Picture, 6> pic_S_PenColor;  // by row: 躯体柱 … 構造柱, 寸法 (empty), 塗り
    std::array<Picture, 6> pic_S_PenStyle;
    Button cmdS_hozon, cmdS_reset;
    // Row captions, column headings and the static illustrations of tab 1.
    std::array<Label, 29> tab1_labels;
    std::array<Shape, 7> tab1_shapes;
    std::array<Line, 15> tab1_lines;

    // ---- module values of the window ---------------------------------------------------
    SchematicState state;  // hasira_sd, optSin_d, KabeTunagu, DiagramCenterX/Y, the column square
    int SunpoIti_d = 4;
    int HasiraIti_d = 4;
    int UseDefaultLists = 0;
    std::string RestoredShapeText;
    DimensionSettings sunpo;  // HANARE, TENColor, MOJINO, ... from Jw_cad's registry key
    HostHeader header;        // from TEMP.TXT
    // The other crossings the user indicated in Jw_cad, where 「作図」 draws the column again.
    std::vector<Crossing> crossings;
    double axis_angle = 0;  // Jw_cad's 軸角 from TEMP.TXT, 0 when it gives none
    // TEMP.TXT as read, raw bytes.
    std::string_view header_buffer() const { return header_file_->view(); }
    bool closed = false;

  private:
    // The handlers of one control; empty where the control has none.
    struct Binding {
        std::function<void()> lost_focus;
        std::function<void()> enter;  // KeyPress with key 13
        std::function<void()> click;  // Click (lists: Click or Change)
    };
    // The control's container; null on the form itself (or when the container is unknown).
    const Control* container_of(const Control& control) const;
    bool visible_on(const Control& control, bool any_page) const;
    // The page of SSTab1 that a control stands on, in a frame or the schematic or itself;
    // -1 off the tab control.
    int page_of(const Control& control) const;
    bool enabled_within(const Control& control) const;
    void build_inventory();
    // The controls of `container` Tab visits, in order, appended to `out` (frm_main_tab.cpp).
    void read_container(const std::string& container, std::vector<const Control*>& out) const;
    // The box a 「割」/「面」 button splits or fills; null for any other control.
    const Control* split_box_of(const Control& button) const;
    void bind_handlers();
    void register_control(Control& control);
    Binding* binding_for(const ControlRef& ref);
    Binding* binding_for(const Control& control);
    // Focus moves to `target` (empty: nowhere); the control losing it runs LostFocus when
    // a person could still be in it.
    void move_focus(const ControlRef& target);
    // A person goes to the control to act on it: the focus moves there. False when it cannot
    // be acted on, before the move or after it.
    bool move_to(const ControlRef& ref, const Control& control);
    void run_lost_focus(const ControlRef& ref);
    // Before a numeric box's check: the typed text settled against held_text_, with the
    // warning beep when it was refused. False when the check must not run.
    bool settle_typed(ComboBox& box);
    // The editable combo box that has the focus; null when the focus is elsewhere.
    const ComboBox* focused_box() const;
    // The wall box that has the focus, which the refresh after a shape click reads; null
    // when the focus is elsewhere.
    ComboBox* focused_wall_box();
    // The focused box's text becomes the one to go back to (when the focus comes to it, and
    // after Enter confirmed it).
    void hold_focused_text();
    // Whether `box`, being left or confirmed with Enter, holds another number than it held
    // when the focus came to it (or at the last Enter in it): 「800」, 「８００」 and 「800.0」
    // are one number, and a text that gave way holds the old one. Any other box: New.
    TotalChange held_change(const ComboBox& box) const;

    // A combo box or drop-down list by the name a data file's table gives it ("cboHsnXG",
    // "cboKabeSunDOWN(0)"); null when the window has none of that name.
    ComboBox* box_named(std::string_view name);
    std::array<ComboBox*, kSetteiValues> settei_boxes();  // the 基本設定 lists, by kSetteiPicks
    std::array<ComboBox*, kResDataLines> res_data_boxes();  // by kResDataLayout; null: a choice
    // The values as the window holds them now, as quornel_res.dat stores them: the lines of
    // 「交点ごと」 only while it is chosen.
    ResDataValues res_data_values();
    // 「交点ごと」 and its check boxes enabled where they apply, and the caption with the count
    // of places (and, for the whole floor, the kinds of crossing they make).
    void EnableFloorChoices();
    // Restores a set read from `origin` as 「前回値」 does, telling the user what it cannot.
    void RestoreValueSet(const ResDataRead& read, const ValueSetOrigin& origin);
    // The boxes of each line of the pick-list file, found by the names its layout gives.
    struct ListLine {
        ComboBox* source;                // whose list is saved
        std::vector<ComboBox*> targets;  // which boxes the loaded entries go to, source first
    };
    std::vector<ListLine> list_lines();
    std::string res_data_missing() const;
    Status read_header();
    void apply_pen_sample(const ComboBox& list, Picture& sample, const char* store);
    void show_warning(const std::string& text);
    // 「作図」's box behind a value of the drawing, and a refusal pointed at a box the user
    // can act on.
    const ComboBox* box_of(const InputBox& where) const;
    SakuzuInput refuse(const InputRefusal& refusal) const;

    FrmMainEnv env_;
    // TEMP.TXT, held until the window closes; empty bytes until it has been read.
    std::unique_ptr<FileBytes> header_file_ = std::make_unique<HeldBytes>(std::string());
    std::vector<Control*> all_;
    std::map<std::string, Control*> by_key_;
    std::map<const Control*, Binding> bindings_;
    ControlRef focus_;
    // The text the focused combo box held when the user went into it (or at the last Enter
    // in it): what a text that is not a number gives way to when the box is left, and the
    // number a total must differ from for leaving it to clear its parts.
    std::string held_text_;
    const ComboBox* held_box_ = nullptr;
    // The box a refusal of 「作図」 put the user in, and its text then. Left unchanged it is
    // not checked, so that 「作図」 pressed again answers the same rather than draw what the
    // check would make of it (a wall's other part computed from a part of 0).
    ControlRef refused_box_;
    std::string refused_text_;
    bool loading_ = false;  // inside Form_Load: cbo_hm_cn_Change leaves the header alone
    bool loaded_once_ = false;
    bool report_list_problems_ = true;
    int hm_cn_confirmed_ = 0;  // the text type whose sizes the header values hold
    bool strict_restore_ = false;
    bool last_restore_complete_ = true;
};

// Whether a control of this kind can hold the keyboard focus (combo boxes, buttons, option
// buttons, the tab control); the others are only looked at or clicked.
bool takes_focus(ControlKind kind);

// The kind's name in a dump: "ComboBox", "DropDownList", "OptionButton", ...
const char* kind_name(ControlKind kind);

}  // namespace quornel

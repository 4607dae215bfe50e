// The previous values: what a completed drawing stores in quornel_res.dat and 「前回値」
// brings back into the window.
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/number_text.h"
#include "settings/res_data.h"
#include "ui/box_tips.h"
#include "ui/floor_checks.h"
#include "ui/frm_main.h"
#include "ui/number_box.h"

namespace quornel {

namespace {

// The shape of a restored text: a whole number 0..9 (9 「交点ごと」), blanks around it allowed.
std::optional<int> shape_from_text(const std::string& text) {
    const auto value = parse_number(text);
    if (!value || *value != std::floor(*value) || *value < 0 || *value > kWholeFloor)
        return std::nullopt;
    return static_cast<int>(*value);
}

// The position lines are compared as texts, exactly, as the file holds them.
std::optional<int> position_from_text(const std::string& text, int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (text == std::to_string(i)) return i;
    }
    return std::nullopt;
}

// 「柱芯」 (0) or 「壁芯」 (any other number).
std::optional<int> sin_from_text(const std::string& text) {
    const auto value = parse_number(text);
    if (!value) return std::nullopt;
    return *value != 0 ? 1 : 0;
}
std::optional<int> sunpo_iti_from_text(const std::string& text) {
    return position_from_text(text, 1, 4);
}
std::optional<int> hasira_iti_from_text(const std::string& text) {
    return position_from_text(text, 0, 4);
}
std::optional<int> check_from_text(const std::string& text) {
    return position_from_text(text, 0, 1);
}

void restore_sin(FrmMain& f, const std::string&, int value) {
    f.select_option(f.optSin[value]);
}
void restore_shape(FrmMain& f, const std::string& text, int) {
    f.RestoredShapeText = text;
    f.RestoreColumnShape();
}
void restore_sunpo_iti(FrmMain& f, const std::string&, int value) {
    f.select_option(f.optSunpoIti(value));
}
void restore_hasira_iti(FrmMain& f, const std::string&, int value) {
    f.select_option(f.optHasiraMoji[value]);
}
template <CheckBox FrmMain::*Box>
void restore_check(FrmMain& f, const std::string&, int value) {
    f.set_check(f.*Box, value);
}
template <CheckBox FrmMain::*Box>
int stored_check(const FrmMain& f) {
    return (f.*Box).value;
}
// What a set without the line of a check box means: the drawing's own default.
template <CheckBox FrmMain::*Box>
int check_default() {
    for (const FloorCheck& c : kFloorChecks)
        if (c.box == Box) return floor_check_default(c);
    return 0;
}

// The window's choices that quornel_res.dat stores, by the name its lines give them: how
// 「前回値」 reads each, how it names a text it refuses (WHAT「TEXT」RULE), how it restores
// the value, what a completed drawing stores, and, for a line a set may lack (those of
// 「交点ごと」), the value a set without it means.
struct Choice {
    const char* name;
    std::optional<int> (*read)(const std::string& text);
    const char* what;
    const char* rule;
    void (*restore)(FrmMain& form, const std::string& text, int value);
    int (*stored)(const FrmMain& form);
    int (*absent)() = nullptr;
};

// clang-format off
const Choice kChoices[] = {
    {"optSin", sin_from_text, "", "は数値ではありません", restore_sin,
     [](const FrmMain& f) { return f.state.optSin_d; }},
    {"img_hasira_s", shape_from_text, "柱・壁配置", "は 0〜9 の整数ではないため、今の配置のままです",
     restore_shape, [](const FrmMain& f) { return f.state.hasira_sd; }},
    {"optSunpoIti", sunpo_iti_from_text, "寸法位置", "は 1〜4 ではありません", restore_sunpo_iti,
     [](const FrmMain& f) { return f.SunpoIti_d; }},
    {"optHasiraMoji", hasira_iti_from_text, "柱記号位置", "は 0〜4 ではありません",
     restore_hasira_iti, [](const FrmMain& f) { return f.HasiraIti_d; }},
    {"chkKabeTunagu", check_from_text, kKabeTunaguLabel, "は 0 か 1 ではありません",
     restore_check<&FrmMain::chkKabeTunagu>, stored_check<&FrmMain::chkKabeTunagu>,
     check_default<&FrmMain::chkKabeTunagu>},
    {"chkSunpoHitotu", check_from_text, kSunpoHitotuLabel, "は 0 か 1 ではありません",
     restore_check<&FrmMain::chkSunpoHitotu>, stored_check<&FrmMain::chkSunpoHitotu>,
     check_default<&FrmMain::chkSunpoHitotu>},
    {"chkGaisyuKabe", check_from_text, kGaisyuKabeLabel, "は 0 か 1 ではありません",
     restore_check<&FrmMain::chkGaisyuKabe>, stored_check<&FrmMain::chkGaisyuKabe>,
     check_default<&FrmMain::chkGaisyuKabe>},
};
// clang-format on

// The choice a line of the file holds; null for a line that holds a box's text.
const Choice* choice_of_line(int line) {
    const char* name = kResDataLayout[line].choice;
    if (!name) return nullptr;
    for (const Choice& c : kChoices) {
        if (std::string_view(c.name) == name) return &c;
    }
    return nullptr;
}

// What 「前回値」 takes from the file: each line's value, or nothing where the line is missing
// or holds a value the window cannot take, and why.
struct RestorableLines {
    // Everything after each line's first comma, so that a value typed with a comma (12,5 or
    // a symbol such as C1,2) comes back whole.
    std::array<std::optional<std::string>, kResDataLines> field;
    std::vector<std::string> problems;
    bool any_line = false;
};

RestorableLines restorable_lines(const ResDataRead& read, const ValueSetOrigin& origin) {
    RestorableLines lines;
    for (int i = 0; i < kResDataLines; ++i) {
        if (!read.values[i]) continue;
        lines.field[i] = *read.values[i];
        lines.any_line = true;
    }
    auto reject = [&](int i, const std::string& why) {
        lines.problems.push_back(std::to_string(origin.lines[i]) + " 行目（" +
                                 kResDataLayout[i].key + "）: " + why);
        lines.field[i].reset();
    };
    for (int i = 0; i < kResDataLines; ++i) {
        if (read.values[i] || !lines.any_line) continue;
        // A set of another shape, or one stored before the whole floor, has not got the lines
        // of 「交点ごと」: they take their default, so the set restores the same whatever wrote it.
        const Choice* c = choice_of_line(i);
        if (kResDataLayout[i].whole_floor && c && c->absent)
            lines.field[i] = std::to_string(c->absent());
        else
            reject(i, "行がないか、カンマがありません");
    }
    for (int i = 0; i < kResDataLines; ++i) {
        const Choice* c = choice_of_line(i);
        const auto& text = lines.field[i];
        if (c && text && !c->read(*text)) {
            reject(i, std::string(c->what) + "「" + *text + "」" + c->rule);
        }
    }
    return lines;
}

// What the user is told: nothing when every line was restored.
std::string restore_message(const ResDataRead& read, const RestorableLines& lines,
                            const ValueSetOrigin& origin) {
    if (!lines.any_line) {
        return (read.problem.empty() ? std::string("quornel_res.dat を読めませんでした。")
                                     : read.problem) +
               "\n前回値は復元していません。";
    }
    if (lines.problems.empty()) return {};
    std::string message = origin.unusable;
    for (const std::string& p : lines.problems) message += "\n" + p;
    return message;
}

}  // namespace

// The box of each line of quornel_res.dat, found by the name the line gives it; null for
// the lines that hold a choice.
std::array<ComboBox*, kResDataLines> FrmMain::res_data_boxes() {
    std::array<ComboBox*, kResDataLines> boxes{};
    for (int i = 0; i < kResDataLines; ++i) {
        if (const char* name = kResDataLayout[i].box) boxes[i] = box_named(name);
    }
    return boxes;
}

ResDataValues FrmMain::res_data_values() {
    ResDataValues values;
    const auto boxes = res_data_boxes();
    for (int i = 0; i < kResDataLines; ++i) {
        // Every other shape stores exactly the lines 1.2.0 stores.
        if (kResDataLayout[i].whole_floor && state.hasira_sd != kWholeFloor) continue;
        if (const Choice* c = choice_of_line(i)) {
            values[i] = std::to_string(c->stored(*this));
        } else if (boxes[i]) {
            values[i] = boxes[i]->text;
        }
    }
    return values;
}

Status FrmMain::ResDataSave() {
    return write_res_data(env_.fs, env_.program_dir, res_data_values());
}

void FrmMain::RestoreColumnShape() {
    auto shape = shape_from_text(RestoredShapeText);
    if (!shape) return;  // ResDataLoad has told the user; the pressed button stays
    // With one crossing there is no floor to draw: the window shows the crossing, whose boxes
    // the whole floor has, before the user presses 「作図」. A repeated drawing keeps what was
    // stored, so that the drawing's own check refuses it with the way out.
    if (*shape == kWholeFloor && crossings.empty() && !strict_restore_) shape = kCrossingShape;
    ApplyColumnShape(column, walls, state, *shape);
    RefreshSequence(column, walls, state, 0);
    EnableFloorChoices();
}

// quornel_res.dat is written by every completed 「作図」; without it (never drawn in this
// folder, or the file moved or deleted) there is nothing to bring back. The message names
// the folder looked in and the two ways out; a repeated drawing is started from a batch
// file, so it names the one to draw with.
std::string FrmMain::res_data_missing() const {
    std::string text = "前回値のファイル quornel_res.dat が、フォルダー「" +
                       display_path(env_.program_dir) +
                       "」にありません。\n"
                       "「作図」を完了するたびに、quornel がそのときの入力をこのファイルに"
                       "書きます。ファイルを移したときはこのフォルダーに戻し、そうでなければ";
    if (!strict_restore_) return text + "一度「作図」してください。";
    return text + "先に " +
           (crossings.empty() ? "quornel.bat" : "quornel_multi.bat か quornel.bat") +
           " で作図してください。";
}

void FrmMain::ResDataLoad() {
    const ResDataRead read = read_res_data(env_.fs, env_.program_dir);
    if (read.missing) {
        last_restore_complete_ = false;
        show_warning(res_data_missing());
        return;
    }
    ValueSetOrigin origin{
        "前回値ファイル quornel_res.dat の次の行は使えないため、その項目は今のままです。"};
    for (int i = 0; i < kResDataLines; ++i) origin.lines[i] = i + 1;
    RestoreValueSet(read, origin);
}

void FrmMain::RestoreValueSet(const ResDataRead& read, const ValueSetOrigin& origin) {
    last_restore_complete_ = true;
    const RestorableLines lines = restorable_lines(read, origin);
    const std::string message = restore_message(read, lines, origin);
    if (!lines.any_line || (strict_restore_ && !message.empty())) {
        // A repeated drawing must be the previous one exactly, or none at all.
        last_restore_complete_ = false;
        show_warning(strict_restore_ ? message + "\n作図を中止しました。" : message);
        return;
    }

    const auto boxes = res_data_boxes();
    for (int i = 0; i < kResDataLines; ++i) {
        if (!lines.field[i]) continue;
        const std::string& text = *lines.field[i];
        if (const Choice* c = choice_of_line(i)) {
            c->restore(*this, text, *c->read(text));
        } else if (boxes[i]) {
            set_box_text(*boxes[i], text);
        }
    }

    // The restored values must be editable at once: the panels follow the restored wall
    // thicknesses, and a column axis with a total can take its parts. The walls joined by
    // 「壁をつなぐ」 show the values they are drawn with.
    for (WallSide side : kWallSides) {
        LayoutKabeSun(wall(side), state);
    }
    FollowJoinedWalls(walls, state);
    // A negative total (only a hand-edited file has one) is no total to split.
    const bool x_total = box_value(column.cboHsnXG) > 0;
    const bool y_total = box_value(column.cboHsnYG) > 0;
    column.cboHsnXU_0.enabled = column.cboHsnXU_1.enabled = x_total;
    column.cboHsnYU_0.enabled = column.cboHsnYU_1.enabled = y_total;

    if (!message.empty()) {
        last_restore_complete_ = false;
        show_warning(message);
    }
}

}  // namespace quornel

// The previous values: what a completed drawing stores in quornel_res.dat and 「前回値」
// brings back into the window.
#include <cmath>
#include <optional>

#include "exchange/number_text.h"
#include "settings/res_data.h"
#include "ui/frm_main.h"
#include "ui/number_box.h"

namespace quornel {

namespace {

// The shape of a restored text: a whole number 0..8, blanks around it allowed.
std::optional<int> shape_from_text(const std::string& text) {
    const auto value = parse_number(text);
    if (!value || *value != std::floor(*value) || *value < 0 || *value > 8) return std::nullopt;
    return static_cast<int>(*value);
}

// The position lines are compared as texts, exactly, as the file holds them.
std::optional<int> position_from_text(const std::string& text, int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (text == std::to_string(i)) return i;
    }
    return std::nullopt;
}

}  // namespace

// The boxes of lines 3, 4 and 7 to 37, by line number (1-based); null for the other lines.
std::array<ComboBox*, 37> FrmMain::res_data_boxes() {
    std::array<ComboBox*, 37> boxes{};
    boxes[2] = &cboM_h;
    boxes[3] = &cboM_k;
    boxes[6] = &cboHasiraKigou;
    ComboBox* const column_boxes[] = {&column.cboHsnXG,    &column.cboHsnXU_0,  &column.cboHsnXU_1,
                                      &column.cboHsnXM[0], &column.cboHsnXM[1], &column.cboHsnYG,
                                      &column.cboHsnYU_0,  &column.cboHsnYU_1,  &column.cboHsnYM[0],
                                      &column.cboHsnYM[1]};
    for (int i = 0; i < 10; ++i) boxes[7 + i] = column_boxes[i];
    const WallSide order[] = {WallSide::DOWN, WallSide::Up, WallSide::Right, WallSide::Left};
    for (int s = 0; s < 4; ++s) {
        for (int i = 0; i < 5; ++i) boxes[17 + 5 * s + i] = &wall(order[s]).cbo[i];
    }
    return boxes;
}

Status FrmMain::ResDataSave() {
    ResDataValues values;
    const auto boxes = res_data_boxes();
    for (int i = 0; i < kResDataLines; ++i) {
        if (boxes[i]) values[i] = boxes[i]->text;
    }
    values[0] = std::to_string(state.optSin_d);
    values[1] = std::to_string(state.hasira_sd);
    values[4] = std::to_string(SunpoIti_d);
    values[5] = std::to_string(HasiraIti_d);
    return write_res_data(env_.fs, env_.program_dir, values);
}

void FrmMain::RestoreColumnShape() {
    const auto shape = shape_from_text(RestoredShapeText);
    if (!shape) return;  // ResDataLoad has told the user; the pressed button stays
    ApplyColumnShape(column, walls, state, *shape);
    RefreshSequence(column, walls, state, 0);
}

void FrmMain::ResDataLoad() {
    last_restore_complete_ = true;
    const ResDataRead read = read_res_data(env_.fs, env_.program_dir);
    const auto& keys = res_data_keys();

    // The value of each line: everything after its first comma, so that a value typed
    // with a comma (12,5 or a symbol such as C1,2) comes back whole.
    std::array<std::optional<std::string>, kResDataLines> field;
    bool any_line = false;
    for (int i = 0; i < kResDataLines; ++i) {
        if (!read.values[i]) continue;
        field[i] = *read.values[i];
        any_line = true;
    }

    // Lines whose value the window cannot take count as missing.
    std::vector<std::string> problems;
    auto reject = [&](int i, const std::string& why) {
        problems.push_back(std::to_string(i + 1) + " 行目（" + keys[i] + "）: " + why);
        field[i].reset();
    };
    for (int i = 0; i < kResDataLines; ++i) {
        if (!read.values[i] && any_line) reject(i, "行がないか、カンマがありません");
    }
    if (field[0] && !parse_number(*field[0])) {
        reject(0, "「" + *field[0] + "」は数値ではありません");
    }
    if (field[1] && !shape_from_text(*field[1])) {
        reject(1, "柱・壁配置「" + *field[1] + "」は 0〜8 の整数ではないため、今の配置のままです");
    }
    if (field[4] && !position_from_text(*field[4], 1, 4)) {
        reject(4, "寸法位置「" + *field[4] + "」は 1〜4 ではありません");
    }
    if (field[5] && !position_from_text(*field[5], 0, 4)) {
        reject(5, "柱記号位置「" + *field[5] + "」は 0〜4 ではありません");
    }

    std::string message;
    if (!any_line) {
        message = (read.problem.empty() ? std::string("quornel_res.dat を読めませんでした。")
                                        : read.problem) +
                  "\n前回値は復元していません。";
    } else if (!problems.empty()) {
        message = "前回値ファイル quornel_res.dat の次の行は使えないため、その項目は今のままです。";
        for (const std::string& p : problems) message += "\n" + p;
    }

    if (!any_line) {
        last_restore_complete_ = false;
        show_warning(strict_restore_ ? message + "\n作図を中止しました。" : message);
        return;
    }
    if (strict_restore_ && !message.empty()) {
        // A repeated drawing must be the previous one exactly, or none at all.
        last_restore_complete_ = false;
        show_warning(message + "\n作図を中止しました。");
        return;
    }

    const auto boxes = res_data_boxes();
    for (int i = 0; i < kResDataLines; ++i) {
        if (!field[i]) continue;
        const std::string& value = *field[i];
        switch (i) {
            case 0:
                select_option(optSin[*parse_number(value) != 0 ? 1 : 0]);
                break;
            case 1:
                RestoredShapeText = value;
                RestoreColumnShape();
                break;
            case 4:
                select_option(optSunpoIti(*position_from_text(value, 1, 4)));
                break;
            case 5:
                select_option(optHasiraMoji[*position_from_text(value, 0, 4)]);
                break;
            default:
                set_box_text(*boxes[i], value);
                break;
        }
    }

    // The restored values must be editable at once: the panels follow the restored wall
    // thicknesses, and a column axis with a total can take its parts.
    for (WallSide side : kWallSides) {
        LayoutKabeSun(wall(side), state);
    }
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

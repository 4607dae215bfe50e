#include "ui/number_box.h"

#include <utility>

#include "exchange/number_text.h"

namespace quornel {

double box_value(const ComboBox& box) {
    return text_value(box.text);
}

bool box_is_number(const ComboBox& box) {
    return text_is_number(box.text);
}

void set_box_number(ComboBox& box, double value) {
    set_box_text(box, format_number(value));
}

double text_value(std::string_view text) {
    return parse_number(text, NumberForms::AllowFullWidth).value_or(0.0);
}

bool text_is_number(std::string_view text) {
    return parse_number(text, NumberForms::AllowFullWidth).has_value();
}

void set_box_text(ComboBox& box, std::string text) {
    box.text = std::move(text);
    const bool selection_shown = box.list_index >= 0 &&
                                 box.list_index < static_cast<int>(box.items.size()) &&
                                 box.items[box.list_index] == box.text;
    if (!selection_shown) box.list_index = -1;
}

bool settle_typed_number(ComboBox& box, const std::string& held) {
    if (const auto plain = plain_number_text(box.text)) {
        set_box_text(box, *plain);
        return true;
    }
    if (is_blank_text(box.text) || box_is_number(box)) return true;
    set_box_text(box, held);
    return false;
}

void zero_if_blank_or_negative(ComboBox& box) {
    if (!box_is_number(box) || box_value(box) < 0) set_box_text(box, "0");
}

}  // namespace quornel

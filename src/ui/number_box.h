#pragma once
// How a numeric box's text is read. A text that is not a number counts as 0 wherever a
// handler reads it (it cannot crash anything); the box itself is rewritten to "0" by the
// validation when it is left, like an empty box.
#include <string>
#include <string_view>

#include "ui/controls.h"

namespace quornel {

// The number in the box's text, 0 when the text is empty or not a number.
double box_value(const ComboBox& box);
// True when the text reads as a number (after blanks, full-width forms as half-width).
bool box_is_number(const ComboBox& box);
// Writes a number back into a box: at most 15 significant digits ("75.2", "227.5").
void set_box_number(ComboBox& box, double value);

// The number in a text that is not a box of its own (a value handed over by the caller),
// 0 when it is empty or not a number.
double text_value(std::string_view text);
bool text_is_number(std::string_view text);

// Replaces the box's text. The list selection is dropped unless the selected entry is the
// new text, so the model never claims an entry that the box does not show.
void set_box_text(ComboBox& box, std::string text);

// The first step of every numeric box's validation: an empty text, a text that is not a
// number and a negative number all become "0".
void zero_if_blank_or_negative(ComboBox& box);

}  // namespace quornel

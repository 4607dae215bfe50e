#pragma once
// How a numeric box's text is read. A text that is not a number counts as 0 wherever a
// handler reads it (it cannot crash anything). The box being left gets back the text it held
// (settle_typed_number), and is not checked while that is no number either, so that what
// the user sees is never turned into 0 by leaving it; any other box a validation goes
// through is rewritten to "0", like an empty box.
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

// What leaving a numeric box (or Enter in it) makes of the text typed there, before the
// box's own check: a number written with grouping commas or an exponent is rewritten as the
// window writes numbers ("1,200" becomes "1200"); any other text that is not a number gives
// way to `held`, the text the box held when the user went into it. False when the typed
// text was refused, for the window to sound the warning.
bool settle_typed_number(ComboBox& box, const std::string& held);

// The first step of every numeric box's validation: an empty text, a text that is not a
// number and a negative number all become "0".
void zero_if_blank_or_negative(ComboBox& box);

}  // namespace quornel

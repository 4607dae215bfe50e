#pragma once
// How a numeric box's text is read. A text that is not a number counts as 0 wherever a
// handler reads it (it cannot crash anything); the box itself is rewritten to "0" by the
// validation when it is left, like an empty box.
#include <string>

#include "ui/controls.h"

namespace quornel {

// The number in the box's text, 0 when the text is empty or not a number.
double box_value(const ComboBox& box);
// True when the text reads as a number (after blanks, full-width forms as half-width).
bool box_is_number(const ComboBox& box);
// Writes a number back into a box: at most 15 significant digits ("75.2", "227.5").
void set_box_number(ComboBox& box, double value);

}  // namespace quornel

#pragma once
#include <cstddef>

#include "ui/controls.h"

namespace quornel {

// The most-recently-used update of a combo box's list: the box's text moves to (or enters
// at) the top and the list keeps `length` entries. A text containing a comma never enters
// a list, since the list file cannot hold it.
void RecentListUpdate(ComboBox& box, std::size_t length);

}  // namespace quornel

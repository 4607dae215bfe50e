#pragma once
// The program's icon, made from the model's "icon" picture.
#include <windows.h>

namespace quornel {

// A 32 × 32 icon; nullptr when the picture is missing. The caller destroys it.
HICON make_app_icon();

}  // namespace quornel

#pragma once
// Twips (1/1440 inch) to device pixels at a monitor's DPI. The window model keeps every
// position in twips, possibly fractional; only this file knows about pixels.
#include <windows.h>

#include "ui/controls.h"

namespace quornel {

inline constexpr unsigned kBaseDpi = 96;

// Nearest pixel for a twips coordinate or length.
int twips_to_px(double twips, unsigned dpi);

// A twips rectangle in pixels. Edges are rounded, not the size, so that rectangles that
// touch in twips still touch on screen.
RECT twips_rect_to_px(const Rect& rect, unsigned dpi);

// The DPI a window is shown at (per monitor where the system supports it).
unsigned window_dpi(HWND hwnd);
// The DPI of the primary monitor, for what is sized before a window exists.
unsigned system_dpi();

// AdjustWindowRectEx at `dpi` (falls back to the system metrics on old systems).
void adjust_window_rect(RECT& rect, DWORD style, DWORD ex_style, unsigned dpi);

}  // namespace quornel

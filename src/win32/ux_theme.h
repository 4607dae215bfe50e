#pragma once
// What the view takes from UxTheme. The DLL is loaded at run time from the system folder
// (system_dll.h), never imported: an import would be looked for in the program's folder
// first. Where UxTheme is missing or fails, the window is drawn without visual styles.
#include <windows.h>

namespace quornel::win {

// Paints into `dc` what `child`'s parent shows beneath the child (a themed tab page, a
// frame, the schematic), in the child's client coordinates; `area` limits it (nullptr: the
// whole client area).
void draw_parent_background(HWND child, HDC dc, const RECT* area);

}  // namespace quornel::win

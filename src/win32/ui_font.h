#pragma once
// The window's Japanese UI font: the first of Yu Gothic UI, Meiryo UI and MS UI Gothic that
// the system has, 9 points at the window's DPI.
#include <windows.h>

#include <string>

#include "win32/gdi_object.h"

namespace quornel {

// The face used; the system's message font face when none of the three exists.
const std::wstring& ui_font_face();

class UiFont {
  public:
    explicit UiFont(unsigned dpi);
    HFONT get() const { return font_.get(); }
    unsigned dpi() const { return dpi_; }

  private:
    unsigned dpi_;
    GdiObject<HFONT> font_;
};

}  // namespace quornel

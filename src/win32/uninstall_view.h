#pragma once
// The uninstaller's native window (Form1View, the window Form1): a label and the 「ＯＫ」 button
// that deletes quornel's registry key.
#include "platform/dialogs.h"
#include "platform/registry.h"
#include "win32/button.h"
#include "win32/ui_font.h"
#include "win32/window_view.h"

#include <memory>

namespace quornel {

class Form1View : public win::WindowView {
  public:
    // `dialogs` shows Command1_Click's messages (the program passes native message boxes
    // owned by this window).
    Form1View(Registry& registry, Dialogs& dialogs);
    ~Form1View();

    bool create();
    void show();
    HWND ok_button() const { return command1_.hwnd(); }

  private:
    void layout();

    Registry& registry_;
    Dialogs& dialogs_;
    win::Label label1_;
    win::Button command1_;
    std::unique_ptr<UiFont> font_;
    bool busy_ = false;
};

}  // namespace quornel

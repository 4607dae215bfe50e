#pragma once
// The uninstaller's native window (Form1View, the window Form1): a label and the 「ＯＫ」 button
// that deletes quornel's registry key.
#include "platform/dialogs.h"
#include "platform/registry.h"
#include "win32/button.h"
#include "win32/top_window.h"
#include "win32/ui_font.h"

#include <memory>

namespace quornel {

class Form1View {
  public:
    // `dialogs` shows Command1_Click's messages (the program passes native message boxes
    // owned by this window).
    Form1View(Registry& registry, Dialogs& dialogs);
    ~Form1View();
    Form1View(const Form1View&) = delete;
    Form1View& operator=(const Form1View&) = delete;

    bool create();
    void show();
    void run();
    // Handles the messages already waiting (for tests).
    void pump();
    bool closed() const { return closed_; }
    HWND hwnd() const { return window_.hwnd(); }
    HWND ok_button() const { return command1_.hwnd(); }

  private:
    void layout();
    void process(MSG& msg);

    Registry& registry_;
    Dialogs& dialogs_;
    win::TopWindow window_;
    win::Label label1_;
    win::Button command1_;
    std::unique_ptr<UiFont> font_;
    bool busy_ = false;
    bool closed_ = false;
};

}  // namespace quornel

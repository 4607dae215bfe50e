#pragma once
// The program's messages as native message boxes (MessageBoxW), for the Windows programs.
#include <windows.h>

#include <functional>

#include "platform/dialogs.h"

namespace quornel {

class MessageBoxDialogs : public Dialogs {
  public:
    // `owner` is disabled while a box is open; nullptr for a box of its own (task modal).
    explicit MessageBoxDialogs(HWND owner = nullptr) : owner_(owner) {}
    void set_owner(HWND owner) { owner_ = owner; }
    // Runs just before a box opens: the owner window brings its screen up to date, so that
    // the box is read against what the handler has already changed.
    std::function<void()> before_show;

    DialogAnswer show(const std::string& text, const std::string& title, DialogButtons buttons,
                      DialogIcon icon) override;

  private:
    HWND owner_;
};

// The MessageBoxW style for a message: OK or Yes/No with Yes the default, a warning icon or
// none at all.
UINT message_box_style(DialogButtons buttons, DialogIcon icon, bool owned);

}  // namespace quornel

#pragma once
// Push buttons, option buttons, check boxes and labels.
#include <functional>
#include <string>

#include "ui/controls.h"
#include "win32/wnd.h"

namespace quornel::win {

class Button : public Wnd {
  public:
    bool create(HWND parent, const Placement& at = {});
    // Copies the model's button (its caption) onto the window, only what changed.
    void apply(const quornel::Button& model, const Placement& at, bool force);
    // Clicked with the mouse or the space bar.
    std::function<void()> on_click;
    // Enter while the button has the focus (the key goes no further).
    std::function<void()> on_enter;

    void on_command(WORD code) override;
    bool transparent_background() const override { return true; }

  protected:
    LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    std::string caption_;  // as last copied from the model
};

// One option button of a group; the group is the container it sits in. The check mark is
// set from the model (`set_checked`), never by the control itself.
class OptionButton : public Wnd {
  public:
    // `first_of_group` starts a new group for the arrow keys.
    bool create(HWND parent, bool first_of_group, const Placement& at = {});
    // Copies the model's option (caption and value) onto the window, only what changed.
    void apply(const quornel::OptionButton& model, const Placement& at, bool force);
    void set_checked(bool checked);
    // Clicked, or come to with the keyboard while not chosen.
    std::function<void()> on_click;

    void on_command(WORD code) override;
    bool transparent_background() const override { return true; }

  protected:
    LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    // As last copied from the model.
    std::string caption_;
    bool checked_ = false;
};

// A check box whose mark follows the model (`apply`): a click or the space bar only tells
// the model (on_click), which turns the value over. Its caption wraps within its width.
class CheckBox : public Wnd {
  public:
    bool create(HWND parent, const Placement& at = {});
    // Copies the model's check box (caption and value) onto the window, only what changed.
    void apply(const quornel::CheckBox& model, const Placement& at, bool force);
    std::function<void()> on_click;

    void on_command(WORD code) override;
    bool transparent_background() const override { return true; }

  private:
    // As last copied from the model.
    std::string caption_;
    int value_ = 0;
};

class Label : public Wnd {
  public:
    bool create(HWND parent, const Placement& at = {});
    bool transparent_background() const override { return true; }
};

}  // namespace quornel::win

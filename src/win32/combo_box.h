#pragma once
// Combo boxes: editable (a text box with a drop-down list of recent values) and drop-down
// lists. Enter in an editable box is caught in its edit control and reported instead of
// reaching the combo box; the focus arriving in the edit control counts as the box's.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "win32/wnd.h"

namespace quornel::win {

class ComboBox : public Wnd {
  public:
    ComboBox();
    ~ComboBox() override;
    // `at.rect` is the closed box.
    bool create(HWND parent, bool editable, const Placement& at = {});
    bool editable() const { return edit() != nullptr; }
    // The edit control of an editable box (it holds the focus while the user types).
    HWND edit() const;

    // Copies the model's box onto the window, only what changed: its list, and its text
    // (an editable box) or its chosen entry (a drop-down list).
    void apply(const quornel::ComboBox& model, const Placement& at, bool force);
    // The text the user typed since the model's text was last copied here; nullopt when
    // nothing was typed. Asked once: the typed text then counts as copied.
    std::optional<std::string> take_typed();

    // The closed box's rectangle; the drop-down list opens below it.
    void set_bounds(const RECT& rect) override;
    void set_items(const std::vector<std::string>& items);
    void set_selection(int index);
    int selection() const;
    void focus() override;

    std::function<void()> on_enter;
    // The user chose an entry of the list.
    std::function<void()> on_select;

    void on_command(WORD code) override;

  protected:
    LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    // The selection field's height that makes the closed box `height` pixels high (a combo
    // box draws 3 pixels of frame above and below the field), and the window height that
    // leaves room for the drop-down list below it.
    void fit_field(int height);
    int dropped_height(int height) const;
    bool handle_key_message(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

    class Edit;
    std::unique_ptr<Edit> edit_;  // the edit control of an editable box

    // As last copied from the model (or typed by the user, once the model heard of it).
    std::string text_;
    std::vector<std::string> items_;
    bool typed_ = false;  // the user typed since the model last heard
};

}  // namespace quornel::win

#include "win32/combo_box.h"

#include <commctrl.h>

#include "win32/wide_text.h"

namespace quornel::win {
namespace {

// Room for the drop-down list below the closed box (the recent lists have 5 or 10
// entries, the pen lists up to 16).
constexpr int kDropDownItems = 10;

}  // namespace

// The edit control inside an editable box: Enter is caught here and reported instead of
// reaching the combo box, and the focus arriving here counts as the box's.
class ComboBox::Edit : public Wnd {
  public:
    Edit(ComboBox& box, HWND edit) : box_(box) {
        owns_window_ = false;  // the combo box makes and destroys it
        attach(edit);
    }

  protected:
    LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
            case WM_GETDLGCODE: {
                const auto* m = reinterpret_cast<const MSG*>(lp);
                if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) &&
                    m->wParam == VK_RETURN)
                    return default_proc(hwnd, msg, wp, lp) | DLGC_WANTALLKEYS;
                break;
            }
            case WM_KILLFOCUS:
                // No highlighted text left behind in a box the user has left (some combo
                // boxes keep showing their selection without the focus).
                SendMessageW(hwnd, EM_SETSEL, static_cast<WPARAM>(-1), 0);
                break;
            default: {
                LRESULT result = 0;
                if (box_.handle_key_message(msg, wp, lp, &result)) return result;
                break;
            }
        }
        return default_proc(hwnd, msg, wp, lp);
    }

  private:
    ComboBox& box_;
};

ComboBox::ComboBox() = default;
ComboBox::~ComboBox() = default;

HWND ComboBox::edit() const {
    return edit_ ? edit_->hwnd() : nullptr;
}

bool ComboBox::create(HWND parent, bool editable, const Placement& at) {
    const DWORD style = WS_CHILD | WS_TABSTOP | WS_GROUP | WS_VSCROLL | WS_CLIPSIBLINGS |
                        (editable ? (CBS_DROPDOWN | CBS_AUTOHSCROLL) : CBS_DROPDOWNLIST);
    const int height = at.rect.bottom - at.rect.top;
    // Until the font is known the list's room is a guess; fit_field sets it right.
    HWND hwnd = create_child(0, WC_COMBOBOXW, style, parent, at, height + kDropDownItems * 16);
    if (!hwnd) return false;
    attach(hwnd, at);
    fit_field(height);
    if (editable) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (GetComboBoxInfo(hwnd, &info) && info.hwndItem) {
            edit_ = std::make_unique<Edit>(*this, info.hwndItem);
            edit_->on_focus = [this] {
                if (on_focus) on_focus();
            };
        }
    }
    return true;
}

void ComboBox::fit_field(int height) {
    const int field = height - 6;
    if (field > 0 && SendMessageW(hwnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0) != field)
        SendMessageW(hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
}

int ComboBox::dropped_height(int height) const {
    const int item = static_cast<int>(SendMessageW(hwnd(), CB_GETITEMHEIGHT, 0, 0));
    return height + kDropDownItems * (item > 0 ? item : height) + 2;
}

void ComboBox::apply(const quornel::ComboBox& model, const Placement& at, bool force) {
    const bool all = begin_apply(at, force);
    if (all || items_ != model.items) set_items(items_ = model.items);
    if (model.kind == ControlKind::ComboBox) {
        if (all || text_ != model.text) {
            set_text(text_ = model.text);
            typed_ = false;
        }
    } else if (selection() != model.list_index) {
        set_selection(model.list_index);
    }
    end_apply(at, force);
}

std::optional<std::string> ComboBox::take_typed() {
    if (!typed_) return std::nullopt;
    typed_ = false;
    text_ = text();
    return text_;
}

void ComboBox::set_bounds(const RECT& rect) {
    if (!hwnd()) return;
    const int height = rect.bottom - rect.top;
    fit_field(height);
    SetWindowPos(hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left,
                 dropped_height(height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::set_items(const std::vector<std::string>& items) {
    if (!hwnd()) return;
    auto add_all = [&] {
        for (const std::string& entry : items) {
            std::wstring w = widen(entry);
            SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
        }
    };
    // The first filling of a box just made (most boxes at start-up): nothing is shown from
    // the list yet, so there is nothing to clear, keep or repaint.
    if (SendMessageW(hwnd(), CB_GETCOUNT, 0, 0) == 0) {
        add_all();
        return;
    }
    // Resetting the list of an editable box clears its text too; keep what the box shows.
    std::string shown = editable() ? text() : std::string();
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
    add_all();
    if (editable()) set_text(shown);
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void ComboBox::set_selection(int index) {
    if (hwnd()) SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboBox::selection() const {
    return hwnd() ? static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)) : -1;
}

void ComboBox::focus() {
    if (!hwnd()) return;
    const HWND edit_control = edit();
    SetFocus(edit_control ? edit_control : hwnd());
    if (edit_control) SendMessageW(edit_control, EM_SETSEL, 0, -1);
}

void ComboBox::on_command(WORD code) {
    if (code == CBN_SELCHANGE && on_select) on_select();
    if (code == CBN_EDITCHANGE) typed_ = true;
}

bool ComboBox::handle_key_message(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (msg == WM_CHAR && wp == VK_RETURN && on_enter) {
        // The box's KeyPress: the key is swallowed here (no beep, no default button).
        on_enter();
        *result = 0;
        return true;
    }
    return false;
}

LRESULT ComboBox::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // A drop-down list has no edit control: it takes the focus and the keys itself.
    if (!editable()) {
        LRESULT result = 0;
        if (handle_key_message(msg, wp, lp, &result)) return result;
    }
    return default_proc(hwnd, msg, wp, lp);
}

}  // namespace quornel::win

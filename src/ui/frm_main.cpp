// The window model's core: the control registry, the focus, and the user's actions.
#include "ui/frm_main.h"

#include <cctype>
#include <charconv>

#include "exchange/number_text.h"
#include "ui/number_box.h"

namespace quornel {

namespace {

std::string key_of(std::string_view name, int index) {
    std::string key(name);
    if (index >= 0) key += "(" + std::to_string(index) + ")";
    return key;
}

}  // namespace

bool takes_focus(ControlKind kind) {
    switch (kind) {
        case ControlKind::ComboBox:
        case ControlKind::DropDownList:
        case ControlKind::Button:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::TabControl:
            return true;
        default:
            return false;
    }
}

std::string to_string(const ControlRef& ref) {
    return key_of(ref.name, ref.index);
}

std::optional<ControlRef> parse_control_ref(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const auto open = text.find('(');
    const std::string_view name = text.substr(0, open);
    if (name.empty()) return std::nullopt;
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return std::nullopt;
    }
    if (open == std::string_view::npos) return ControlRef{std::string(name), -1};
    if (text.back() != ')') return std::nullopt;
    const std::string_view digits = text.substr(open + 1, text.size() - open - 2);
    if (digits.empty() || digits.size() > 4) return std::nullopt;
    int index = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return ControlRef{std::string(name), index};
}

const char* kind_name(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "Label";
        case ControlKind::Button:
            return "CommandButton";
        case ControlKind::OptionButton:
            return "OptionButton";
        case ControlKind::CheckBox:
            return "CheckBox";
        case ControlKind::ComboBox:
            return "ComboBox";
        case ControlKind::DropDownList:
            return "DropDownList";
        case ControlKind::Frame:
            return "Frame";
        case ControlKind::PictureBox:
            return "PictureBox";
        case ControlKind::Image:
            return "Image";
        case ControlKind::Shape:
            return "Shape";
        case ControlKind::Line:
            return "Line";
        case ControlKind::TextBox:
            return "TextBox";
        case ControlKind::TabControl:
            return "SSTab";
    }
    return "";
}

FrmMain::FrmMain(FrmMainEnv env) : env_(env) {
    build_inventory();
    bind_handlers();
}

void FrmMain::register_control(Control& control) {
    all_.push_back(&control);
    by_key_[key_of(control.name, control.index)] = &control;
}

Control* FrmMain::find_control(std::string_view name, int index) {
    const auto it = by_key_.find(key_of(name, index));
    return it == by_key_.end() ? nullptr : it->second;
}

const Control* FrmMain::find_control(std::string_view name, int index) const {
    const auto it = by_key_.find(key_of(name, index));
    return it == by_key_.end() ? nullptr : it->second;
}

ComboBox* FrmMain::box_named(std::string_view name) {
    const auto it = by_key_.find(std::string(name));
    if (it == by_key_.end()) return nullptr;
    Control* control = it->second;
    if (control->kind != ControlKind::ComboBox && control->kind != ControlKind::DropDownList)
        return nullptr;
    return static_cast<ComboBox*>(control);
}

FrmMain::Binding* FrmMain::binding_for(const Control& control) {
    const auto it = bindings_.find(&control);
    return it == bindings_.end() ? nullptr : &it->second;
}

FrmMain::Binding* FrmMain::binding_for(const ControlRef& ref) {
    const Control* control = find_control(ref.name, ref.index);
    return control ? binding_for(*control) : nullptr;
}

const Control* FrmMain::container_of(const Control& control) const {
    if (control.container == "frmMain" || control.container.empty()) return nullptr;
    if (control.container == "SSTab1") return &SSTab1;
    return find_control(control.container, -1);
}

// Walks from the control to the form: every container must be visible, and a control on
// the tab control shows only with its page.
bool FrmMain::is_shown(const Control& control) const {
    return visible_on(control, false);
}

bool FrmMain::visible_on(const Control& control, bool any_page) const {
    const Control* current = &control;
    for (int depth = 0; depth < 8; ++depth) {
        if (!current->visible) return false;
        const Control* parent = container_of(*current);
        if (!parent) return true;
        if (!any_page && parent == &SSTab1 && current->tab_page >= 0 &&
            current->tab_page != SSTab1.tab) {
            return false;
        }
        current = parent;
    }
    return false;
}

int FrmMain::page_of(const Control& control) const {
    const Control* current = &control;
    for (int depth = 0; depth < 8 && current; ++depth) {
        const Control* parent = container_of(*current);
        if (parent == &SSTab1) return current->tab_page;
        current = parent;
    }
    return -1;
}

bool FrmMain::can_act_on(const Control& control) const {
    return !closed && is_shown(control) && enabled_within(control);
}

bool FrmMain::can_change(const Control& control) const {
    return visible_on(control, true) && enabled_within(control);
}

bool FrmMain::enabled_within(const Control& control) const {
    const Control* current = &control;
    for (int depth = 0; depth < 8; ++depth) {
        if (!current->enabled) return false;
        const Control* parent = container_of(*current);
        if (!parent) return true;
        current = parent;
    }
    return false;
}

void FrmMain::run_lost_focus(const ControlRef& ref) {
    const Control* control = find_control(ref.name, ref.index);
    // A box that was disabled or hidden while it had the focus is not validated again:
    // nobody can have changed it since.
    if (!control || !can_act_on(*control)) return;
    Binding* binding = binding_for(*control);
    if (binding && binding->lost_focus) binding->lost_focus();
}

void FrmMain::move_focus(const ControlRef& target) {
    if (focus_ == target) return;
    const ControlRef old = focus_;
    const bool untouched_refusal =
        old == refused_box_ && focused_box() && focused_box()->text == refused_text_;
    refused_box_ = ControlRef{};
    focus_ = ControlRef{};
    if (!old.empty() && !untouched_refusal) run_lost_focus(old);
    focus_ = target;
    hold_focused_text();
}

const ComboBox* FrmMain::focused_box() const {
    const Control* control = focus_.empty() ? nullptr : find_control(focus_.name, focus_.index);
    if (!control || control->kind != ControlKind::ComboBox) return nullptr;
    return static_cast<const ComboBox*>(control);
}

ComboBox* FrmMain::focused_wall_box() {
    for (WallPanel& p : walls) {
        for (ComboBox& box : p.cbo)
            if (focus_ == ControlRef{box.name, box.index}) return &box;
    }
    return nullptr;
}

void FrmMain::hold_focused_text() {
    held_box_ = focused_box();
    held_text_ = held_box_ ? held_box_->text : std::string();
}

TotalChange FrmMain::held_change(const ComboBox& box) const {
    const bool same =
        &box == held_box_ && text_is_number(held_text_) && box_value(box) == text_value(held_text_);
    return same ? TotalChange::Same : TotalChange::New;
}

bool FrmMain::settle_typed(ComboBox& box) {
    if (settle_typed_number(box, held_text_)) return true;
    env_.beep.warning();
    // A text put back that is no number either (restored by 前回値) stays for the user to
    // correct: the check would turn it into 0, and 「作図」 names it.
    return box_is_number(box) || is_blank_text(box.text);
}

bool FrmMain::move_to(const ControlRef& ref, const Control& control) {
    if (!can_act_on(control)) return false;
    move_focus(ref);
    // Leaving the previous box may have changed this one (a new total disables its parts).
    return can_act_on(control);
}

ActResult FrmMain::user_focus(const ControlRef& ref) {
    Control* control = find_control(ref.name, ref.index);
    if (!control) return ActResult::Unknown;
    if (!takes_focus(control->kind)) return ActResult::NotApplicable;
    if (!can_act_on(*control)) return ActResult::Refused;
    move_focus(ref);
    return ActResult::Done;
}

ActResult FrmMain::user_escape() {
    if (closed) return ActResult::Refused;
    focus_ = ControlRef{};
    refused_box_ = ControlRef{};
    cmdClose_Click();
    return ActResult::Done;
}

ActResult FrmMain::user_type(const ControlRef& ref, const std::string& text) {
    Control* control = find_control(ref.name, ref.index);
    if (!control) return ActResult::Unknown;
    if (control->kind == ControlKind::DropDownList) return ActResult::Refused;
    if (control->kind != ControlKind::ComboBox) return ActResult::NotApplicable;
    if (!move_to(ref, *control)) return ActResult::Refused;
    set_box_text(static_cast<ComboBox&>(*control), text);
    return ActResult::Done;
}

ActResult FrmMain::user_leave(const ControlRef& ref) {
    const ActResult focused = user_focus(ref);
    if (focused != ActResult::Done) return focused;
    move_focus(ControlRef{});
    return ActResult::Done;
}

ActResult FrmMain::user_enter(const ControlRef& ref) {
    Control* control = find_control(ref.name, ref.index);
    if (!control) return ActResult::Unknown;
    const ControlKind kind = control->kind;
    if (kind != ControlKind::ComboBox && kind != ControlKind::DropDownList &&
        kind != ControlKind::Button) {
        return ActResult::NotApplicable;
    }
    if (!move_to(ref, *control)) return ActResult::Refused;
    Binding* binding = binding_for(*control);
    if (binding && binding->enter) binding->enter();
    // What Enter confirmed is what a later text that is not a number gives way to.
    if (focus_ == ref) hold_focused_text();
    return ActResult::Done;
}

ActResult FrmMain::user_click(const ControlRef& ref) {
    if (ref.name == "SSTab1") {
        if (ref.index != 0 && ref.index != 1) return ActResult::Unknown;
        if (!can_act_on(SSTab1)) return ActResult::Refused;
        move_focus(ControlRef{SSTab1.name, SSTab1.index});
        if (SSTab1.tab != ref.index) {
            const int previous = SSTab1.tab;
            SSTab1.tab = ref.index;
            SSTab1_Click(previous);
        }
        return ActResult::Done;
    }
    Control* control = find_control(ref.name, ref.index);
    if (!control) return ActResult::Unknown;
    switch (control->kind) {
        case ControlKind::Image: {
            // An image takes no focus: the box being edited keeps it.
            if (!can_act_on(*control)) return ActResult::Refused;
            Binding* binding = binding_for(*control);
            if (!binding || !binding->click) return ActResult::NotApplicable;
            // The refresh a shape runs reads every wall box, and would make 0 of a text that
            // is no number: the wall box being edited first settles what was typed, as
            // leaving it does. Whatever the refresh then writes into it, it keeps the number
            // it held for its own leaving.
            if (ComboBox* edited = focused_wall_box()) settle_typed(*edited);
            binding->click();
            return ActResult::Done;
        }
        case ControlKind::Button: {
            if (!move_to(ref, *control)) return ActResult::Refused;
            Binding* binding = binding_for(*control);
            if (binding && binding->click) binding->click();
            return ActResult::Done;
        }
        case ControlKind::OptionButton: {
            if (!move_to(ref, *control)) return ActResult::Refused;
            select_option(static_cast<OptionButton&>(*control));
            return ActResult::Done;
        }
        case ControlKind::CheckBox: {
            if (!move_to(ref, *control)) return ActResult::Refused;
            auto& box = static_cast<CheckBox&>(*control);
            set_check(box, box.value ? 0 : 1);
            return ActResult::Done;
        }
        default:
            return ActResult::NotApplicable;
    }
}

ActResult FrmMain::user_choose(const ControlRef& ref, int entry) {
    Control* control = find_control(ref.name, ref.index);
    if (!control) return ActResult::Unknown;
    const ControlKind kind = control->kind;
    if (kind != ControlKind::ComboBox && kind != ControlKind::DropDownList) {
        return ActResult::NotApplicable;
    }
    auto& box = static_cast<ComboBox&>(*control);
    if (!can_act_on(box)) return ActResult::Refused;
    if (entry < 0 || entry >= static_cast<int>(box.items.size())) return ActResult::Refused;
    move_focus(ref);
    if (!can_act_on(box) || entry >= static_cast<int>(box.items.size())) {
        return ActResult::Refused;
    }
    if (kind == ControlKind::DropDownList) {
        set_list_index(box, entry);
    } else {
        // Picking from an editable box's drop-down only fills the box; the validation runs
        // when the box is left, as after typing.
        box.text = box.items[entry];
        box.list_index = entry;
    }
    return ActResult::Done;
}

void FrmMain::set_list_index(ComboBox& box, int index) {
    if (index < -1 || index >= static_cast<int>(box.items.size())) index = -1;
    box.list_index = index;
    if (box.kind == ControlKind::DropDownList || index >= 0) {
        box.text = index >= 0 ? box.items[index] : std::string();
    }
    Binding* binding = binding_for(box);
    if (binding && binding->click) binding->click();
}

void FrmMain::select_option(OptionButton& option) {
    if (option.value) return;
    for (Control* control : all_) {
        if (control->kind == ControlKind::OptionButton && control->name == option.name) {
            static_cast<OptionButton*>(control)->value = false;
        }
    }
    option.value = true;
    Binding* binding = binding_for(option);
    if (binding && binding->click) binding->click();
}

void FrmMain::set_check(CheckBox& box, int value) {
    value = value ? 1 : 0;
    if (box.value == value) return;
    box.value = value;
    Binding* binding = binding_for(box);
    if (binding && binding->click) binding->click();
}

void FrmMain::show_warning(const std::string& text) {
    env_.dialogs.show(text, "quornel", DialogButtons::Ok, DialogIcon::Warning);
}

}  // namespace quornel

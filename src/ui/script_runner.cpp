#include "ui/script_runner.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "ui/frm_main.h"
#include "ui/json_text.h"

namespace quornel {

namespace {

class JsonObject {
  public:
    JsonObject& add(std::string_view key, const std::string& json_value) {
        text_ += (text_.empty() ? "{" : ",") + json_string(key) + ":" + json_value;
        return *this;
    }
    JsonObject& str(std::string_view key, std::string_view value) {
        return add(key, json_string(value));
    }
    JsonObject& num(std::string_view key, double value) { return add(key, json_number(value)); }
    JsonObject& flag(std::string_view key, bool value) {
        return add(key, value ? "true" : "false");
    }
    std::string done() const { return text_.empty() ? "{}" : text_ + "}"; }

  private:
    std::string text_;
};

void add_rect(JsonObject& o, const Control& c) {
    o.num("left", c.rect.left).num("top", c.rect.top).num("width", c.rect.width);
    o.num("height", c.rect.height);
}

std::string control_json(const Control& c) {
    JsonObject o;
    o.str("name", c.name).add("index", c.index >= 0 ? std::to_string(c.index) : "null");
    o.str("kind", kind_name(c.kind));
    switch (c.kind) {
        case ControlKind::Label:
            o.str("caption", static_cast<const Label&>(c).caption);
            break;
        case ControlKind::Button:
            o.str("caption", static_cast<const Button&>(c).caption);
            break;
        case ControlKind::Frame:
            o.str("caption", static_cast<const Frame&>(c).caption);
            break;
        case ControlKind::OptionButton: {
            const auto& opt = static_cast<const OptionButton&>(c);
            o.str("caption", opt.caption).flag("value", opt.value);
            break;
        }
        case ControlKind::CheckBox: {
            const auto& check = static_cast<const CheckBox&>(c);
            o.str("caption", check.caption).num("value", check.value);
            break;
        }
        case ControlKind::ComboBox:
        case ControlKind::DropDownList: {
            const auto& box = static_cast<const ComboBox&>(c);
            std::string items = "[";
            for (std::size_t i = 0; i < box.items.size(); ++i) {
                items += (i ? "," : "") + json_string(box.items[i]);
            }
            o.str("text", box.text).add("items", items + "]").num("listIndex", box.list_index);
            break;
        }
        case ControlKind::TextBox:
            o.str("text", static_cast<const TextBox&>(c).text);
            break;
        case ControlKind::PictureBox:
        case ControlKind::Image:
            o.str("picture", static_cast<const Picture&>(c).picture);
            break;
        case ControlKind::TabControl: {
            const auto& tab = static_cast<const TabControl&>(c);
            std::string tabs = "[";
            for (std::size_t i = 0; i < tab.tabs.size(); ++i) {
                tabs += (i ? "," : "") + json_string(tab.tabs[i]);
            }
            o.add("tabs", tabs + "]").num("tab", tab.tab);
            break;
        }
        default:
            break;
    }
    if (!c.tip.empty()) o.str("tip", c.tip);
    const bool has_enabled =
        c.kind != ControlKind::Line && c.kind != ControlKind::Shape && c.kind != ControlKind::Image;
    if (has_enabled) o.flag("enabled", c.enabled);
    o.flag("visible", c.visible);
    if (c.kind == ControlKind::Line) {
        const auto& l = static_cast<const Line&>(c);
        o.num("x1", l.x1).num("y1", l.y1).num("x2", l.x2).num("y2", l.y2);
    } else {
        add_rect(o, c);
    }
    return o.done();
}

std::string state_json(const FrmMain& f) {
    JsonObject s;
    s.num("hasira_sd", f.state.hasira_sd).num("optSin_d", f.state.optSin_d);
    s.num("SunpoIti_d", f.SunpoIti_d).num("HasiraIti_d", f.HasiraIti_d);
    s.num("UseDefaultLists", f.UseDefaultLists).str("RestoredShapeText", f.RestoredShapeText);
    s.num("DiagramCenterX", f.state.DiagramCenterX);
    s.num("DiagramCenterY", static_cast<double>(f.state.DiagramCenterY));
    const HostHeader& h = f.header;
    s.num("Syukusyaku", h.Syukusyaku).num("SunpouMojiW", h.SunpouMojiW);
    s.num("SunpouMojiH", h.SunpouMojiH).num("SunpouMojiD", h.SunpouMojiD);
    s.num("KigouMojiW", h.KigouMojiW).num("KigouMojiH", h.KigouMojiH);
    s.num("KigouMojiD", h.KigouMojiD);
    const DimensionSettings& d = f.sunpo;
    s.num("HANARE", d.HANARE).num("TENColor", d.TENColor).num("MOJINO", d.MOJINO);
    s.num("SENColor", d.SENColor).num("HIKIDASHIColor", d.HIKIDASHIColor);
    s.num("SUNPOSEN1", d.SUNPOSEN1).num("SUNPOSEN2", d.SUNPOSEN2);
    s.num("HIKIDASHI2", d.HIKIDASHI2).num("ShowComma", d.ShowComma);
    s.add("focus", f.focus().empty() ? "null" : json_string(to_string(f.focus())));
    return JsonObject().add("state", s.done()).done();
}

std::string_view next_word(std::string_view& rest) {
    const auto space = rest.find(' ');
    const std::string_view word = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    return word;
}

}  // namespace

std::vector<std::string> dump_lines(const FrmMain& form) {
    std::vector<std::string> lines;
    for (const Control* c : form.controls()) lines.push_back(control_json(*c));
    lines.push_back(state_json(form));
    return lines;
}

int run_script(FileSystem& fs, Registry& registry, const std::filesystem::path& program_dir,
               std::string_view script, TextSink& out, TextSink& err) {
    // Each message box is printed as it appears, with the answer it got.
    ScriptDialogs dialogs([&out](const std::string& text, const std::string& title,
                                 DialogButtons buttons, DialogAnswer answer) {
        const char* answer_text = answer == DialogAnswer::Yes  ? "yes"
                                  : answer == DialogAnswer::No ? "no"
                                                               : "ok";
        out << JsonObject()
                   .str("message", text)
                   .str("title", title)
                   .str("buttons", buttons == DialogButtons::YesNo ? "yesno" : "ok")
                   .str("answer", answer_text)
                   .done()
            << "\n";
    });
    // The warning beep of a box that refused what was typed, where it sounds.
    struct ScriptBeep : Beep {
        TextSink& out;
        explicit ScriptBeep(TextSink& sink) : out(sink) {}
        void warning() override { out << JsonObject().str("beep", "warning").done() << "\n"; }
    } beep(out);
    FrmMain form(FrmMainEnv{fs, registry, dialogs, program_dir, beep});
    form.Form_Load();
    if (form.closed) {
        out << "{\"closed\":true}\n";
        return 1;
    }

    std::string raw;
    int line_number = 0;
    auto fail = [&](const std::string& why) {
        err << "スクリプト " << std::to_string(line_number) << " 行目: " << why << "\n";
        return 2;
    };
    for (std::size_t start = 0; start < script.size();) {
        const std::size_t end = std::min(script.find('\n', start), script.size());
        raw.assign(script.substr(start, end - start));
        start = end + 1;
        ++line_number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        if (line_number == 1 && raw.rfind("\xEF\xBB\xBF", 0) == 0) raw.erase(0, 3);
        const auto first = raw.find_first_not_of(" \t");
        if (first == std::string::npos || raw[first] == '#') continue;

        std::string_view rest(raw);
        rest.remove_prefix(first);
        const std::string command(next_word(rest));

        if (command == "dump") {
            for (const std::string& l : dump_lines(form)) out << l << "\n";
            continue;
        }
        if (command == "answer") {
            if (rest == "yes") {
                dialogs.queue(DialogAnswer::Yes);
            } else if (rest == "no") {
                dialogs.queue(DialogAnswer::No);
            } else {
                return fail("answer の後には yes か no を書いてください: " + raw);
            }
            continue;
        }
        if ((command == "tab" || command == "shift-tab") && rest.empty()) {
            if (form.user_tab(command == "shift-tab") != ActResult::Done)
                out << JsonObject().str("refused", raw).done() << "\n";
            continue;
        }
        if (command == "escape" && rest.empty()) {
            form.user_escape();
            out << "{\"closed\":true}\n";
            return 0;
        }
        if (command != "type" && command != "leave" && command != "enter" && command != "click" &&
            command != "choose") {
            return fail("知らないコマンドです: " + raw);
        }
        const std::string_view name_text = next_word(rest);
        const std::optional<ControlRef> ref = parse_control_ref(name_text);
        if (!ref) return fail("コントロール名が読めません: " + raw);

        ActResult result = ActResult::Unknown;
        if (command == "type") {
            result = form.user_type(*ref, std::string(rest));
        } else if (command == "leave") {
            result = form.user_leave(*ref);
        } else if (command == "enter") {
            result = form.user_enter(*ref);
        } else if (command == "click") {
            result = form.user_click(*ref);
        } else {
            int entry = -1;
            const std::string n(rest);
            if (n.empty() || n.size() > 4 ||
                n.find_first_not_of("0123456789") != std::string::npos) {
                return fail("choose の後には項目の番号を書いてください: " + raw);
            }
            entry = std::stoi(n);
            result = form.user_choose(*ref, entry);
        }
        if (result == ActResult::Unknown) return fail("知らないコントロールです: " + raw);
        if (result != ActResult::Done) out << JsonObject().str("refused", raw).done() << "\n";
        if (form.closed) {
            out << "{\"closed\":true}\n";
            return 0;
        }
    }
    return 0;
}

}  // namespace quornel

// A person at the window: any sequence of typing (any text), leaving boxes, Enter, clicks,
// list choices and Yes/No answers, ending with 「作図」, over the crossings of a TEMP.TXT the
// input makes (none, a grid with crossings left out and the noise of points read from lines,
// or points anywhere) and previous values of a crossing or of 「交点ごと」. Nothing may crash; the
// window stays consistent after every action; a refused or cancelled run changes no file; the
// registry changes only through 「基本設定保存」; and a completed drawing stores previous values,
// pick lists and its type that a repeat run (by 前回値 or by its symbol) reads back completely and
// writes back unchanged. A refused
// 「作図」 names a box the user can see and change (or, for 「交点ごと」, the crossings), and
// never refuses a wall part for its sign. 「交点ごと」 and its check boxes are open only where
// they apply, and the boxes of a wall joined to another show that wall's values.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/floor_rules.h"
#include "fuzz_check.h"
#include "platform/registry_file.h"
#include "platform/text_codec.h"
#include "settings/list_data.h"
#include "settings/res_data.h"
#include "settings/settei_picks.h"
#include "support/drawing_lines.h"
#include "support/fake_dialogs.h"
#include "support/fake_file_system.h"
#include "ui/frm_main.h"
#include "utf8_check.h"

namespace {

using namespace quornel;

const char* const kHeader =
    "hq\r\nhk 0\r\nhs 100 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1 \r\n"
    "hcw 2 2.5 3 4 3 6 7 8 9 10 \r\nhch 2 2.5 3 4 3 6 7 8 9 10 \r\n"
    "hcd 0.5 0 0.5 0.5 0.5 0.5 1 1 1 1 \r\nhcc 1 1 2 2 3 3 4 4 5 5 \r\nlg0\r\n";

std::string pick_lists() {
    std::string s;
    for (const ListDataLine& line : list_data_layout()) {
        s += line.key;
        s += ',';
        for (int i = 0; i < line.entries; ++i) {
            s += line.entries == 10 ? "C" + std::to_string(i + 1) : std::to_string(300 - 50 * i);
            s += ',';
        }
        s += "\r\n";
    }
    return s;
}

// The previous values: a right T (5), or 「交点ごと」 with its three lines from `floor`'s bits.
std::string previous_values(std::uint8_t floor) {
    std::string s;
    const bool whole_floor = floor & 1;
    const char* values[] = {"1",   whole_floor ? "9" : "5",
                            "10",  "20",
                            "2",   "1",
                            "C4",  "600",
                            "250", "350",
                            "10",  "10",
                            "700", "300",
                            "400", "10",
                            "10"};
    for (int i = 0; i < kResDataLines; ++i) {
        if (kResDataLayout[i].whole_floor && !whole_floor) break;
        s += kResDataLayout[i].key;
        s += ',';
        if (kResDataLayout[i].whole_floor)
            s += floor >> (1 + i - kResDataLinesAlways) & 1 ? "1" : "0";
        else
            s += i < 17 ? values[i] : (i - 17) % 5 == 2 ? "150" : (i - 17) % 5 < 2 ? "75" : "20";
        s += "\r\n";
    }
    return s;
}

// Texts a person might type or paste: numbers in every form, full-width digits, Japanese,
// commas, line breaks, absurd lengths.
const char* const kTexts[] = {
    "",
    "0",
    "75",
    "150",
    "-5",
    "600",
    "300.5",
    "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x90",
    "abc",
    "1e5",
    "12,5",
    "柱1",
    " 75 ",
    "99999999",
    "0.0000001",
    "-0",
    "\n",
    "C1",
    "100000000",
    ".5",
    "5.",
    "+20",
    "\xE3\x80\x80",
    "1,000",
    "nan",
    "inf",
    "\xF0\x9F\x8F\x9B",
    "C1\r\nly0",
    "\"",
    "455",
    "227.5",
    "1e308",
};

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string text() {
        std::uint8_t b = byte();
        if (b < 0xE0) return kTexts[b % std::size(kTexts)];
        // Raw bytes as a paste from anywhere: up to 64, made valid UTF-8 as the view does.
        std::size_t n = std::min<std::size_t>(b - 0xE0 + 1, size_ - pos_);
        std::string raw(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        if (b == 0xFF) raw = std::string(4000, raw.empty() ? '9' : raw[0]);
        return fuzz::valid_utf8(raw) ? raw : ansi_to_utf8(raw);
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// TEMP.TXT with the crossings the input picks after the first: none; a grid of up to 6 × 5
// lines, some crossings left out, each off its lines by up to 0.4 mm as points read from a
// drawing are; or up to 12 points anywhere, some on one another's lines.
std::string header_with_crossings(Input& in) {
    std::string points;
    int n = 0;
    auto add = [&](double x, double y) {
        if (n == 99 || (x == 0 && y == 0)) return;
        char line[80];
        std::snprintf(line, sizeof line, "hp%d %.10g %.10g\r\n", ++n, x, y);
        points += line;
    };
    const std::uint8_t kind = in.byte();
    if (kind % 3 == 1) {
        const int columns = 1 + in.byte() % 6, rows = 1 + in.byte() % 5;
        const double dx = 500 + 500.0 * (in.byte() % 16), dy = 500 + 500.0 * (in.byte() % 16);
        const std::uint8_t left_out = in.byte(), noisy = in.byte();
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                const int at = r * columns + c;
                if (at == 0 || left_out >> (at % 8) & 1) continue;  // the first is the origin
                const double noise = noisy & 1 ? (static_cast<int>(in.byte() % 9) - 4) / 10.0 : 0;
                add(c * dx + noise, r * dy - noise);
            }
        }
    } else if (kind % 3 == 2) {
        const int count = 1 + in.byte() % 12;
        for (int i = 0; i < count; ++i) {
            const double x = static_cast<std::int8_t>(in.byte()) * 250.0;
            const double y = static_cast<std::int8_t>(in.byte()) * 250.0;
            add(x, y);
        }
    }
    std::string header = kHeader;
    header.insert(header.find("lg0"), points);
    return header;
}

// Every message box shown since `from`: a text and a title, both clean UTF-8.
void check_messages(const test::FakeDialogs& dialogs, std::size_t from) {
    const auto& shown = dialogs.shown();
    for (std::size_t i = from; i < shown.size(); ++i) {
        FUZZ_CHECK(!shown[i].text.empty() && !shown[i].title.empty());
        FUZZ_CHECK(fuzz::valid_utf8(shown[i].text) && fuzz::valid_utf8(shown[i].title));
    }
}

bool finite(double v) {
    return std::isfinite(v);
}

// What must hold after every action, whatever was typed.
void check_consistent(const FrmMain& f) {
    for (const Control* c : f.controls()) {
        FUZZ_CHECK(finite(c->rect.left) && finite(c->rect.top) && finite(c->rect.width) &&
                   finite(c->rect.height));
        if (c->kind == ControlKind::ComboBox || c->kind == ControlKind::DropDownList) {
            const auto* box = static_cast<const ComboBox*>(c);
            FUZZ_CHECK(box->list_index >= -1 &&
                       box->list_index < static_cast<int>(box->items.size()));
            FUZZ_CHECK(fuzz::valid_utf8(box->text));
            if (c->kind == ControlKind::ComboBox) {
                // Most-recently-used lists keep their length; a comma never enters one.
                FUZZ_CHECK_MSG(box->items.size() <= 10, c->name.c_str());
                for (const std::string& item : box->items)
                    FUZZ_CHECK_MSG(item.find(',') == std::string::npos, c->name.c_str());
            }
        }
        if (c->kind == ControlKind::Line) {
            const auto* line = static_cast<const Line*>(c);
            FUZZ_CHECK(finite(line->x1) && finite(line->y1) && finite(line->x2) &&
                       finite(line->y2));
        }
    }
    FUZZ_CHECK(f.state.hasira_sd >= 0 && f.state.hasira_sd <= kWholeFloor);
    FUZZ_CHECK(f.state.optSin_d == 0 || f.state.optSin_d == 1);
    // 「交点ごと」 only with two crossings or more (the window restores a stored one as the
    // crossing otherwise), its check boxes only while it is chosen.
    const bool floor = f.state.hasira_sd == kWholeFloor;
    FUZZ_CHECK(!floor || !f.crossings.empty());
    FUZZ_CHECK(f.column.img_hasira_s[kWholeFloor].enabled == !f.crossings.empty());
    FUZZ_CHECK(f.chkKabeTunagu.enabled == floor && f.chkSunpoHitotu.enabled == floor);
    FUZZ_CHECK(f.chkGaisyuKabe.enabled == (floor && f.state.optSin_d == 0));
    FUZZ_CHECK(f.state.KabeTunagu == (f.chkKabeTunagu.value == 1));
    for (const CheckBox* c : {&f.chkKabeTunagu, &f.chkSunpoHitotu, &f.chkGaisyuKabe})
        FUZZ_CHECK(c->value == 0 || c->value == 1);
    // A joined wall's boxes show the values it is drawn with, greyed; only the box being
    // typed in may hold a text not settled yet.
    for (WallSide side : kWallSides) {
        const WallSide source = wall_values_side(side, f.state.hasira_sd, f.state.KabeTunagu);
        if (source == side) continue;
        const WallPanel& joined = f.walls[side_index(side)];
        const WallPanel& from = f.walls[side_index(source)];
        for (int k = 0; k < 5; ++k) {
            FUZZ_CHECK(!joined.cbo[k].enabled);
            if (f.focus() == ControlRef{from.cbo[k].name, from.cbo[k].index}) continue;
            FUZZ_CHECK_MSG(joined.cbo[k].text == from.cbo[k].text, joined.cbo[k].name.c_str());
        }
        FUZZ_CHECK(!joined.cmdWri.enabled);
    }
    FUZZ_CHECK(f.SunpoIti_d >= 1 && f.SunpoIti_d <= 4);
    FUZZ_CHECK(f.HasiraIti_d >= 0 && f.HasiraIti_d <= 4);
}

// After a refused 「作図」 (the files here never fail, so it refused an input): the refusal
// names a box that is visible and enabled, and a wall part may be negative.
void check_refusal(const FrmMain& f) {
    const SakuzuInput read = f.read_drawing_input();
    FUZZ_CHECK(!read.input.has_value());
    // What the whole floor refuses about the crossings themselves has no box to name.
    if (read.box.empty() && f.state.hasira_sd == kWholeFloor) return;
    FUZZ_CHECK_MSG(!read.box.empty(), read.refusal.c_str());
    const Control* box = f.find_control(read.box.name, read.box.index);
    FUZZ_CHECK_MSG(box && f.can_change(*box), read.refusal.c_str());
    if (read.box.name.rfind("cboKabeSun", 0) == 0 && read.box.index < 2)
        FUZZ_CHECK_MSG(read.refusal.find("負の値") == std::string::npos, read.refusal.c_str());
}

// Every pick of 基本設定 (the pens, the symbol's text type, the fills).
std::vector<int> pen_positions(const FrmMain& f) {
    std::vector<int> p;
    for (const SetteiPick& pick : kSetteiPicks) {
        const auto* box = static_cast<const ComboBox*>(f.find_control(pick.box));
        FUZZ_CHECK_MSG(box, pick.box);
        p.push_back(box ? std::max(box->list_index, 0) : -1);
    }
    return p;
}

const std::string kDir = "/program";
const std::string kRegistry = "/config/registry.reg";

std::string file(const test::FakeFileSystem& fs, const std::string& name) {
    return fs.get(kDir + "/" + name).value_or("<none>");
}

// Repeat runs over what the completed drawing left, by 前回値 and by 記号で呼出 with its
// symbol: each restores every line, and drawing again stores the same previous values, pick
// lists and types.
void check_repeat(test::FakeFileSystem& fs, Registry& registry, const FrmMain& first) {
    const std::string previous = file(fs, "quornel_res.dat");
    const std::string lists = file(fs, "quornel.dat");
    const std::string types = file(fs, "quornel_types.dat");
    const std::string drawing = file(fs, "JWC_TEMP.TXT");
    FUZZ_CHECK(read_res_data(fs, kDir).problem.empty());
    FUZZ_CHECK(read_list_data(fs, kDir + "/quornel.dat").problem.empty());
    FUZZ_CHECK((types == "<none>") == first.cboHasiraKigou.text.empty());
    // The header comes back first, less "hq" and the character after it.
    FUZZ_CHECK(drawing.rfind(std::string(kHeader).substr(3), 0) == 0);
    // No outline or wall line of no length, whatever the values.
    FUZZ_CHECK(test::zero_length_outline_lines(drawing).empty());

    for (const bool by_symbol : {false, true}) {
        if (by_symbol && first.cboHasiraKigou.text.empty()) return;
        test::FakeDialogs dialogs;
        FrmMain again(FrmMainEnv{fs, registry, dialogs, kDir});
        again.Form_Load();
        FUZZ_CHECK(!again.closed);
        again.set_strict_restore(true);
        if (by_symbol) {
            again.cboHasiraKigou.text = first.cboHasiraKigou.text;
            again.cmdKigouData_Click();
        } else {
            again.cmdResData_Click();
        }
        FUZZ_CHECK(again.last_restore_complete());
        again.cmdSakuzu_Click();
        check_messages(dialogs, 0);
        if (!again.closed) return;  // refused as the first run could have been; nothing written
        FUZZ_CHECK(file(fs, "quornel_res.dat") == previous);
        FUZZ_CHECK(file(fs, "quornel.dat") == lists);
        FUZZ_CHECK(file(fs, "quornel_types.dat") == types);
        if (pen_positions(again) == pen_positions(first))
            FUZZ_CHECK(file(fs, "JWC_TEMP.TXT") == drawing);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    test::FakeFileSystem fs;
    fs.put(kDir + "/TEMP.TXT", header_with_crossings(in));
    fs.put(kDir + "/quornel.dat", pick_lists());
    fs.put(kDir + "/quornel_d.dat", pick_lists());
    fs.put(kDir + "/quornel_res.dat", previous_values(in.byte()));
    auto registry = open_reg_file_registry(fs, kRegistry);
    test::FakeDialogs dialogs;  // Yes/No answered from the input, else No
    FrmMain f(FrmMainEnv{fs, *registry, dialogs, kDir});
    f.Form_Load();
    FUZZ_CHECK(!f.closed);
    check_consistent(f);
    check_messages(dialogs, 0);

    std::vector<ControlRef> targets;
    for (const Control* c : f.controls()) {
        switch (c->kind) {
            case ControlKind::ComboBox:
            case ControlKind::DropDownList:
            case ControlKind::Button:
            case ControlKind::OptionButton:
            case ControlKind::CheckBox:
            case ControlKind::Image:
                targets.push_back(ControlRef{c->name, c->index});
                break;
            default:
                break;
        }
    }
    targets.push_back(ControlRef{"SSTab1", 0});
    targets.push_back(ControlRef{"SSTab1", 1});

    const auto files_at_start = fs.files();
    // FUZZ_TRACE=1 prints the actions of one input, to read a reproducer as a scenario.
    static const bool trace = std::getenv("FUZZ_TRACE") != nullptr;
    for (int step = 0; step < 200 && !in.done() && !f.closed; ++step) {
        const std::uint8_t op = in.byte();
        const ControlRef& target = targets[in.byte() % targets.size()];
        const auto before = fs.files();
        const std::size_t shown_before = dialogs.shown().size();
        const bool saving_pens = target.name == "cmdS_hozon";
        const bool drawing = target.name == "cmdSakuzu";
        std::string what;
        ActResult result = ActResult::Done;
        switch (op % 8) {
            case 0:
            case 1: {
                std::string text = in.text();
                what = "type " + to_string(target) + " " + text;
                result = f.user_type(target, text);
                break;
            }
            case 2:
                what = "leave " + to_string(target);
                result = f.user_leave(target);
                break;
            case 3:
                what = "enter " + to_string(target);
                result = f.user_enter(target);
                break;
            case 4:
            case 5:
                what = "click " + to_string(target);
                result = f.user_click(target);
                break;
            case 6: {
                const int entry = static_cast<int>(in.byte() % 12) - 1;
                what = "choose " + to_string(target) + " " + std::to_string(entry);
                result = f.user_choose(target, entry);
                break;
            }
            case 7: {
                const std::uint8_t how = in.byte();
                if (how & 2) {
                    // Tab or Shift+Tab, wherever the focus is: it comes to rest on a control
                    // a person can use, unless the control left sent it elsewhere.
                    const bool backwards = how & 1;
                    what = backwards ? "shift-tab" : "tab";
                    result = f.user_tab(backwards);
                    const ControlRef& at = f.focus();
                    const Control* c = at.empty() ? nullptr : f.find_control(at.name, at.index);
                    if (result == ActResult::Done && !f.closed)
                        FUZZ_CHECK(c && takes_focus(c->kind));
                    break;
                }
                const bool yes = how & 1;
                what = yes ? "answer yes" : "answer no";
                dialogs.answer(yes ? DialogAnswer::Yes : DialogAnswer::No);
                break;
            }
        }
        if (trace) {
            std::fprintf(stderr, "%s%s (messages %zu)\n", what.c_str(),
                         result == ActResult::Done ? "" : "  [refused]", dialogs.shown().size());
        }
        check_consistent(f);
        check_messages(dialogs, shown_before);
        const bool acted = (op % 8 == 3 || op % 8 == 4 || op % 8 == 5) && result == ActResult::Done;
        // Only 「基本設定保存」 writes the registry, only 「作図」 the program folder.
        auto reg_before = before.find(kRegistry);
        const auto& after = fs.files();
        auto reg_after = after.find(kRegistry);
        bool registry_changed =
            (reg_before == before.end()) != (reg_after == after.end()) ||
            (reg_before != before.end() && reg_before->second != reg_after->second);
        if (registry_changed) FUZZ_CHECK(acted && saving_pens);
        for (const auto& [name, bytes] : after) {
            if (name == kRegistry) continue;
            auto old = before.find(name);
            if (old == before.end() || old->second != bytes)
                FUZZ_CHECK(acted && drawing && f.closed);
        }
        if (acted && drawing && !f.closed) {
            FUZZ_CHECK(dialogs.shown().size() > shown_before);
            check_refusal(f);
        }
        if (f.closed && !drawing) {
            // 「キャンセル」: nothing written by this run.
            for (const auto& [name, bytes] : files_at_start)
                if (name != kRegistry) FUZZ_CHECK(fs.get(name) == bytes);
        }
    }

    if (!f.closed) {
        // The user goes back to tab 0 and presses 「作図」.
        f.user_click(ControlRef{"SSTab1", 0});
        const auto before = fs.files();
        const std::size_t shown_before = dialogs.shown().size();
        f.user_click(ControlRef{"cmdSakuzu", -1});
        check_consistent(f);
        check_messages(dialogs, shown_before);
        if (!f.closed) {
            FUZZ_CHECK(dialogs.shown().size() > shown_before);
            FUZZ_CHECK(fs.files() == before);
            check_refusal(f);
            return 0;
        }
    }
    if (trace)
        std::fprintf(stderr, "closed %d, drawing %d\n", f.closed,
                     static_cast<int>(fs.exists(kDir + "/JWC_TEMP.TXT")));
    if (f.closed && fs.exists(kDir + "/JWC_TEMP.TXT")) check_repeat(fs, *registry, f);
    return 0;
}

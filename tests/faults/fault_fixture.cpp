#include "fault_fixture.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace quornel::faults {

namespace {

std::filesystem::path u8path(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string read_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

ControlRef ref(const std::string& text) {
    auto r = parse_control_ref(text);
    EXPECT_TRUE(r.has_value()) << text;
    return r.value_or(ControlRef{});
}

}  // namespace

Snapshot snapshot(const std::filesystem::path& folder) {
    Snapshot files;
    std::error_code ec;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder, ec)) {
        if (!e.is_regular_file()) continue;
        auto name = e.path().lexically_relative(folder).generic_u8string();
        files[std::string(name.begin(), name.end())] = read_bytes(e.path());
    }
    return files;
}

std::vector<std::string> changed_files(const Snapshot& before, const Snapshot& after) {
    std::vector<std::string> changed;
    for (const auto& [name, bytes] : before) {
        auto it = after.find(name);
        if (it == after.end() || it->second != bytes) changed.push_back(name);
    }
    for (const auto& [name, bytes] : after) {
        if (!before.count(name)) changed.push_back(name);
    }
    std::sort(changed.begin(), changed.end());
    return changed;
}

std::string jw_header() {
    return "hq\r\n"
           "hk 0\r\n"
           "hs 100 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1 \r\n"
           "hcw 2 2.5 3 4 3 6 7 8 9 10 \r\n"
           "hch 2 2.5 3 4 3 6 7 8 9 10 \r\n"
           "hcd 0.5 0 0.5 0.5 0.5 0.5 1 1 1 1 \r\n"
           "hcc 1 1 2 2 3 3 4 4 5 5 \r\n"
           "hn -2000 -2000 2000 2000\r\n"
           "lg0\r\n";
}

FaultyWindow::FaultyWindow() {
    std::filesystem::create_directories(program_dir());
    std::filesystem::create_directories(config_dir());
    put("TEMP.TXT", jw_header());
    put("quornel.dat", shipped_lists());
    put("quornel_d.dat", shipped_lists());
    registry_ = open_reg_file_registry(fs, config_dir() / "registry.reg");
}

std::filesystem::path FaultyWindow::program_file(const std::string& name) const {
    return program_dir() / u8path(name);
}

void FaultyWindow::put(const std::string& name, const std::string& bytes) const {
    std::ofstream out(program_file(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << name;
}

std::string FaultyWindow::get(const std::string& name) const {
    return read_bytes(program_file(name));
}

bool FaultyWindow::has(const std::string& name) const {
    std::error_code ec;
    return std::filesystem::exists(program_file(name), ec);
}

FrmMain& FaultyWindow::start() {
    form_ = std::make_unique<FrmMain>(FrmMainEnv{fs, *registry_, dialogs, program_dir()});
    form_->Form_Load();
    return *form_;
}

void FaultyWindow::type(const std::string& control, const std::string& text) {
    EXPECT_EQ(form_->user_type(ref(control), text), ActResult::Done) << control;
}

void FaultyWindow::leave(const std::string& control) {
    EXPECT_EQ(form_->user_leave(ref(control)), ActResult::Done) << control;
}

void FaultyWindow::set(const std::string& control, const std::string& text) {
    type(control, text);
    leave(control);
}

void FaultyWindow::click(const std::string& control) {
    EXPECT_EQ(form_->user_click(ref(control)), ActResult::Done) << control;
}

ComboBox& FaultyWindow::box(const std::string& control) {
    ControlRef r = ref(control);
    Control* c = form_->find_control(r.name, r.index);
    EXPECT_NE(c, nullptr) << control;
    return *static_cast<ComboBox*>(c);
}

void FaultyWindow::enter_typical_column() {
    set("cboHsnXG", "600");
    click("cmdWriHX");
    set("cboHsnYG", "700");
    click("cmdWriHY");
    set("cboM_h", "15");
    set("cboM_k", "10");
    // Each wall: its thickness, then 「割」 puts the reference line in its middle.
    const char* const sides[][2] = {{"cboKabeSunUp", "cmdWriKU"},
                                    {"cboKabeSunDOWN", "cmdWriKD"},
                                    {"cboKabeSunRight", "cmdWriKR"},
                                    {"cboKabeSunLeft", "cmdWriKL"}};
    for (const auto& [boxes, split] : sides) {
        set(std::string(boxes) + "(2)", "150");
        click(split);
    }
    set("cboHasiraKigou", "C2");
}

std::vector<std::string> FaultyWindow::take_messages() {
    std::vector<std::string> texts;
    const auto& shown = dialogs.shown();
    for (std::size_t i = seen_messages_; i < shown.size(); ++i) texts.push_back(shown[i].text);
    seen_messages_ = shown.size();
    return texts;
}

bool mentions(const std::vector<std::string>& texts, const std::string& part) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& t) { return t.find(part) != std::string::npos; });
}

}  // namespace quornel::faults

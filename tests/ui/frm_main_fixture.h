#pragma once
// The whole window in a temporary program folder: TEMP.TXT as Jw_cad leaves it, the
// shipped pick-list files, a registry in a .reg file, and a person at the keyboard.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "support/add_failure.h"
#include "support/fake_dialogs.h"
#include "support/shipped_lists.h"
#include "support/temp_dir.h"
#include "support/test_header.h"
#include "ui/frm_main.h"

namespace quornel::frm_test {

using quornel::test::test_header;

inline std::string source_file(const std::string& relative) {
    std::ifstream in(std::string(QUORNEL_SOURCE_DIR) + "/" + relative, std::ios::binary);
    EXPECT_TRUE(in.good()) << relative;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

using quornel::test::shipped_lists;

// TEMP.TXT after the user picked the six crossings of a 3 × 2 grid, 6000 apart across and 5000
// up from the first: four corners and two T junctions.
inline std::string floor_header() {
    std::string header = test_header();
    header.insert(header.find("lg0"),
                  "hp1 6000 0\r\nhp2 12000 0\r\nhp3 0 5000\r\nhp4 6000 5000\r\nhp5 12000 5000\r\n");
    return header;
}

// The shipped lists with some lines replaced: key → the entries after the key's comma.
inline std::string shipped_lists_with(const std::map<std::string, std::string>& lines) {
    std::string file = shipped_lists();
    for (const auto& [key, entries] : lines) {
        const auto start = file.find(key + ",");
        EXPECT_NE(start, std::string::npos) << key;
        if (start == std::string::npos) continue;
        const auto end = file.find("\r\n", start);
        file.replace(start, end - start, key + "," + entries);
    }
    return file;
}

inline ControlRef ref(const std::string& text) {
    auto r = parse_control_ref(text);
    EXPECT_TRUE(r.has_value()) << text;
    return r.value_or(ControlRef{});
}

// The warning beeps the window sounded.
struct CountedBeeps : Beep {
    int count = 0;
    void warning() override { ++count; }
};

class Window {
  public:
    Window() : registry_(open_reg_file_registry(dir.file("registry.reg"))) {
        dir.write("TEMP.TXT", test_header());
        dir.write("quornel.dat", shipped_lists());
        dir.write("quornel_d.dat", shipped_lists());
    }

    Registry& registry() { return *registry_; }
    FileSystem& fs() { return fs_ ? *fs_ : real_file_system(); }
    void use_file_system(FileSystem& fs) { fs_ = &fs; }

    void set_dword(const char* key, const char* name, std::uint32_t v) {
        RegData d{kRegDword, std::string(4, '\0')};
        for (int i = 0; i < 4; ++i) d.bytes[i] = static_cast<char>((v >> (8 * i)) & 0xff);
        ASSERT_TRUE(registry_->set(key, name, d));
    }

    // Jw_cad starts quornel: the window loads.
    FrmMain& start() {
        form_ = std::make_unique<FrmMain>(FrmMainEnv{fs(), *registry_, dialogs, dir.path(), beeps});
        form_->Form_Load();
        return *form_;
    }
    FrmMain& form() { return *form_; }

    // A person at the window.
    ActResult type(const std::string& name, const std::string& text) {
        return form_->user_type(ref(name), text);
    }
    ActResult leave(const std::string& name) { return form_->user_leave(ref(name)); }
    ActResult enter(const std::string& name) { return form_->user_enter(ref(name)); }
    ActResult click(const std::string& name) { return form_->user_click(ref(name)); }
    ActResult choose(const std::string& name, int entry) {
        return form_->user_choose(ref(name), entry);
    }
    // Types into a box and leaves it.
    void set(const std::string& name, const std::string& text) {
        ASSERT_EQ(type(name, text), ActResult::Done) << name;
        ASSERT_EQ(leave(name), ActResult::Done) << name;
    }
    ComboBox& box(const std::string& name) {
        Control* c = form_->find_control(ref(name).name, ref(name).index);
        EXPECT_NE(c, nullptr) << name;
        return *static_cast<ComboBox*>(c);
    }
    const std::string& text(const std::string& name) { return box(name).text; }

    test::TempDir dir;
    test::FakeDialogs dialogs{test::add_failure};
    CountedBeeps beeps;

  private:
    std::unique_ptr<Registry> registry_;
    FileSystem* fs_ = nullptr;
    std::unique_ptr<FrmMain> form_;
};

// Calls each(window, shape, mode) with a window started on floor_header()'s six crossings, at every shape
// (「交点ごと」 too), in 柱芯 and in 壁芯, each under a trace naming its layout.
template <class Each>
void for_each_layout(Each each) {
    for (int shape = 0; shape < kShapeButtons; ++shape) {
        for (int mode : {0, 1}) {
            SCOPED_TRACE("配置 " + std::to_string(shape) + (mode == 0 ? " 柱芯" : " 壁芯"));
            Window w;
            w.dir.write("TEMP.TXT", floor_header());
            w.start();
            ASSERT_EQ(w.click("optSin(" + std::to_string(mode) + ")"), ActResult::Done);
            ASSERT_EQ(w.click("img_hasira_s(" + std::to_string(shape) + ")"), ActResult::Done);
            each(w, shape, mode);
        }
    }
}

}  // namespace quornel::frm_test

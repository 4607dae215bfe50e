#pragma once
// A program folder on the real disk with faults injected through the file seam: a folder
// that refuses new files, a disk that fills up part-way through a write. The window runs
// on it as Jw_cad would start it, and a person acts on it; every test then checks what
// the person was told and that no file that existed before has changed.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/registry_file.h"
#include "support/add_failure.h"
#include "support/fake_dialogs.h"
#include "support/fake_file_system.h"
#include "support/shipped_lists.h"
#include "support/temp_dir.h"
#include "ui/frm_main.h"

namespace quornel::faults {

// Every file under a folder with its bytes, to prove that nothing changed.
using Snapshot = std::map<std::string, std::string>;
Snapshot snapshot(const std::filesystem::path& folder);
// Names of the files that differ, appeared or went away between two snapshots.
std::vector<std::string> changed_files(const Snapshot& before, const Snapshot& after);

// The exchange header Jw_cad hands over: scale 1:100 in layer group 0, ten text types.
std::string jw_header();
using test::shipped_lists;

// A program folder holding TEMP.TXT and both pick-list files, a .reg-file registry in a
// folder of its own beside it, both on the faulty disk.
class FaultyWindow {
  public:
    FaultyWindow();

    std::filesystem::path program_dir() const { return dir.path() / "program"; }
    std::filesystem::path config_dir() const { return dir.path() / "config"; }
    std::filesystem::path program_file(const std::string& name) const;
    void put(const std::string& name, const std::string& bytes) const;
    std::string get(const std::string& name) const;
    bool has(const std::string& name) const;
    Registry& registry() { return *registry_; }

    // Jw_cad starts quornel.
    FrmMain& start();
    FrmMain& form() { return *form_; }

    // A person at the window.
    void type(const std::string& control, const std::string& text);
    void leave(const std::string& control);
    void set(const std::string& control, const std::string& text);  // type, then leave
    void click(const std::string& control);
    ComboBox& box(const std::string& control);

    // Draws a typical column with walls on four sides and presses 「作図」.
    void enter_typical_column();

    // Messages shown since the last call, and whether one of them contains `part`.
    std::vector<std::string> take_messages();

    test::TempDir dir;
    test::FakeFileSystem fs{real_file_system()};  // the real disk with faults put in
    test::FakeDialogs dialogs{test::add_failure};

  private:
    std::unique_ptr<Registry> registry_;
    std::unique_ptr<FrmMain> form_;
    std::size_t seen_messages_ = 0;
};

// True when any text contains `part`.
bool mentions(const std::vector<std::string>& texts, const std::string& part);

}  // namespace quornel::faults

// `quornel --repeat` on a damaged program folder: it draws the previous column exactly or
// not at all, says why in a message naming the file, and leaves every file as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "fault_fixture.h"
#include "settings/res_data.h"
#include "ui/headless_run.h"

namespace quornel::faults {
namespace {

// The user's configuration folder (and so the registry file) inside the test's folder.
class ConfigHome {
  public:
    explicit ConfigHome(const std::filesystem::path& dir) {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) old_ = old;
        ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    }
    ~ConfigHome() {
        if (old_)
            ::setenv("XDG_CONFIG_HOME", old_->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }

  private:
    std::optional<std::string> old_;
};

struct Repeat {
    int exit_code;
    std::vector<std::string> messages;
};

Repeat repeat(FaultyWindow& w) {
    ConfigHome home(w.config_dir());
    StringSink out, err;
    const std::vector<std::string> args = {"--repeat", "--dir", w.program_dir().string()};
    const int code = run_headless(args, w.dialogs, out, err);
    return {code, w.take_messages()};
}

// Damaged previous values stop the run in the same way (tests/ui/repeat_headless_test.cpp).
TEST(RepeatFaults, ADamagedHeaderStopsTheRunWithoutOutput) {
    FaultyWindow w;
    w.put("TEMP.TXT", std::string("\x00\xff\x81hq\x00", 6));
    std::string previous;  // complete: the header alone stops the run
    for (const ResDataLine& line : kResDataLayout) previous += std::string(line.key) + ",0\r\n";
    w.put("quornel_res.dat", previous);
    const Snapshot before = snapshot(w.dir.path());

    const Repeat r = repeat(w);

    EXPECT_NE(r.exit_code, 0);
    ASSERT_FALSE(r.messages.empty());
    EXPECT_TRUE(mentions(r.messages, "TEMP.TXT")) << r.messages[0];
    EXPECT_FALSE(w.has("JWC_TEMP.TXT"));
    EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});
}

}  // namespace
}  // namespace quornel::faults

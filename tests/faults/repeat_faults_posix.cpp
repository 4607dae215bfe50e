// `quornel --repeat` on a damaged program folder: it draws the previous column exactly or
// not at all, says why in a message naming the file, and leaves every file as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "fault_fixture.h"
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

std::string complete_previous_values(const std::string& end) {
    const char* lines[] = {
        "optSin_d,1",    "hasira_sd,2",      "M_h,0",     "M_k,0",       "SunpoIti_d,1",
        "HasiraIti_d,0", "HasiraKigou_d,C3", "HsnXG,800", "HsnXU_0,400", "HsnXU_1,400",
        "HsnXM_0,0",     "HsnXM_1,0",        "HsnYG,800", "HsnYU_0,400", "HsnYU_1,400",
        "HsnYM_0,0",     "HsnYM_1,0"};
    std::string s;
    for (const char* l : lines) s += std::string(l) + end;
    for (const char* side : {"DOWN", "Up", "Right", "Left"})
        for (int i = 0; i < 5; ++i)
            s += std::string("KabeSun") + side + "_d_" + std::to_string(i) + "," +
                 (i == 2  ? "200"
                  : i < 2 ? "100"
                          : "0") +
                 end;
    return s;
}

TEST(RepeatFaults, DamagedPreviousValuesOrHeaderStopTheRunWithoutOutput) {
    struct Case {
        const char* what;
        std::string temp, previous;
        const char* named;
    } cases[] = {
        {"previous values with three lines", jw_header(), "optSin_d,0\r\nhasira_sd,4\r\nM_h,0\r\n",
         "quornel_res.dat"},
        {"previous values missing", jw_header(), "", "quornel_res.dat"},
        {"a shape that does not exist", jw_header(),
         [] {
             std::string s = complete_previous_values("\r\n");
             s.replace(s.find("hasira_sd,2"), 11, "hasira_sd,9");
             return s;
         }(),
         "quornel_res.dat"},
        {"binary header", std::string("\x00\xff\x81hq\x00", 6), complete_previous_values("\r\n"),
         "TEMP.TXT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FaultyWindow w;
        w.put("TEMP.TXT", c.temp);
        if (!c.previous.empty()) w.put("quornel_res.dat", c.previous);
        const Snapshot before = snapshot(w.dir.path());

        const Repeat r = repeat(w);

        EXPECT_NE(r.exit_code, 0);
        ASSERT_FALSE(r.messages.empty());
        EXPECT_TRUE(mentions(r.messages, c.named)) << r.messages[0];
        EXPECT_FALSE(w.has("JWC_TEMP.TXT"));
        EXPECT_EQ(changed_files(before, snapshot(w.dir.path())), std::vector<std::string>{});
    }
}

TEST(RepeatFaults, CarriageReturnOnlyPreviousValuesRepeatTheSameDrawing) {
    FaultyWindow crlf, cr;
    crlf.put("quornel_res.dat", complete_previous_values("\r\n"));
    cr.put("quornel_res.dat", complete_previous_values("\r"));

    const Repeat a = repeat(crlf);
    const Repeat b = repeat(cr);

    ASSERT_EQ(a.exit_code, 0) << ::testing::PrintToString(a.messages);
    ASSERT_EQ(b.exit_code, 0) << ::testing::PrintToString(b.messages);
    EXPECT_EQ(cr.get("JWC_TEMP.TXT"), crlf.get("JWC_TEMP.TXT"));
    // Stored back in the file format: CR LF.
    EXPECT_EQ(cr.get("quornel_res.dat"), complete_previous_values("\r\n"));
}

}  // namespace
}  // namespace quornel::faults

// The scripted use of the window: scenario files and their expected output read like a page
// of the manual. A scenario's first line "# watch: NAME ..." says which controls of each
// dump the expected output shows; the messages, refusals and the state are always shown.
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "frm_main_fixture.h"
#include "ui/script_runner.h"

namespace quornel::frm_test {
namespace {

const std::string kDataDir = std::string(QUORNEL_SOURCE_DIR) + "/tests/ui/data/";

std::string read_text(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct ScriptRun {
    int status = 0;
    std::string out;
    std::string err;
};

ScriptRun run(Window& w, const std::string& script) {
    StringSink out, err;
    ScriptRun r;
    r.status = run_script(w.fs(), w.registry(), w.dir.path(), script, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// The output with each dump cut down to the watched controls.
std::string watched(const std::string& out, const std::set<std::string>& names) {
    std::istringstream lines(out);
    std::string line, kept;
    while (std::getline(lines, line)) {
        if (line.rfind("{\"name\":", 0) == 0) {
            const auto name_end = line.find('"', 9);
            std::string name = line.substr(9, name_end - 9);
            const auto index_at = line.find("\"index\":", name_end) + 8;
            const std::string index = line.substr(index_at, line.find(',', index_at) - index_at);
            if (index != "null") name += "(" + index + ")";
            if (!names.count(name)) continue;
        }
        kept += line + "\n";
    }
    return kept;
}

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, PrintsWhatThePersonSees) {
    const std::string script = read_text(kDataDir + GetParam() + ".script");
    std::set<std::string> names;
    {
        std::istringstream first(script.substr(0, script.find('\n')));
        std::string word;
        first >> word >> word;  // "#", "watch:"
        ASSERT_EQ(word, "watch:") << "the first line names the watched controls";
        while (first >> word) names.insert(word);
    }
    Window w;
    const ScriptRun r = run(w, script);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(watched(r.out, names), read_text(kDataDir + GetParam() + ".out"));
}

INSTANTIATE_TEST_SUITE_P(Manual, Scenario, ::testing::Values("left_wall", "face_flush"));

TEST(ScriptRunner, ADumpShowsEveryControlOnceThenTheState) {
    Window w;
    const ScriptRun r = run(w, "dump\n");
    ASSERT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line)) all.push_back(line);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().rfind("{\"state\":{\"hasira_sd\":4,\"optSin_d\":0,", 0), 0u) << all.back();
    std::size_t controls = 0;
    for (const std::string& l : all) {
        EXPECT_EQ(l.front(), '{');
        EXPECT_EQ(l.back(), '}');
        controls += l.rfind("{\"name\":", 0) == 0;
    }
    EXPECT_EQ(controls, all.size() - 1);
    EXPECT_EQ(controls, 328u);  // the whole inventory, hidden stores included
    const std::string out = r.out;
    EXPECT_NE(out.find("{\"name\":\"cbo_hm_cn\",\"index\":null,\"kind\":\"DropDownList\","
                       "\"text\":\"文字種　１\",\"items\":[\"文字種　１\","),
              std::string::npos);
    EXPECT_NE(out.find("{\"name\":\"img_hasira_s\",\"index\":4,\"kind\":\"Image\","
                       "\"picture\":\"img_botanD(4)\",\"tip\":\"「十字」\\n"),
              std::string::npos);
    EXPECT_NE(out.find("{\"name\":\"optSunpoIti\",\"index\":4,\"kind\":\"OptionButton\","
                       "\"caption\":\"\",\"value\":true,\"tip\":\"「寸法位置（右下）」\\n"),
              std::string::npos);
    EXPECT_NE(out.find("。\",\"enabled\":true,\"visible\":true,"
                       "\"left\":1080,\"top\":1080,\"width\":255,\"height\":255}"),
              std::string::npos);
    // A check box by its value, 1 or 0.
    EXPECT_NE(out.find("{\"name\":\"chkSunpoHitotu\",\"index\":null,\"kind\":\"CheckBox\","
                       "\"caption\":\"寸法は最初の交点だけ\",\"value\":0,\"tip\":\"「寸法は"),
              std::string::npos);
    EXPECT_NE(out.find("\"kind\":\"CheckBox\",\"caption\":\"壁をつなぐ\",\"value\":1,"),
              std::string::npos);
    EXPECT_NE(out.find("{\"name\":\"Line13\",\"index\":null,\"kind\":\"Line\",\"visible\":true,"
                       "\"x1\":1200,\"y1\":240,\"x2\":120,\"y2\":1320}"),
              std::string::npos);
}

TEST(ScriptRunner, StopsAtALineItCannotUnderstand) {
    Window w;
    ScriptRun r = run(w, "click cmdWriHX\n\n# fine so far\npress cmdSakuzu\nclick cmdClose\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("4 行目"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("closed"), std::string::npos);

    Window v;
    r = run(v, "type cboNothing 5\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("1 行目"), std::string::npos);
    EXPECT_NE(r.err.find("cboNothing"), std::string::npos);

    Window u;
    r = run(u, "choose cboM_h x\n");
    EXPECT_EQ(r.status, 2);
}

TEST(ScriptRunner, DrawingEndsTheRunAndTheLinesAfterItAreNotRun) {
    Window w;
    const ScriptRun r = run(w,
                            "type cboHsnXG 800\nleave cboHsnXG\nclick cmdWriHX\n"
                            "type cboHsnYG 800\nleave cboHsnYG\nclick cmdWriHY\n"
                            "click cmdSakuzu\ntype cboM_h 5\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"closed\":true}\n");
    EXPECT_TRUE(w.dir.exists("JWC_TEMP.TXT"));
    EXPECT_TRUE(w.dir.exists("quornel_res.dat"));
}

TEST(ScriptRunner, AFailedStartUpPrintsItsMessageAndCloses) {
    Window w;
    std::filesystem::remove(w.dir.file("TEMP.TXT"));
    const ScriptRun r = run(w, "dump\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("{\"message\":", 0), 0u);
    EXPECT_NE(r.out.find("\"buttons\":\"ok\",\"answer\":\"ok\"}\n{\"closed\":true}\n"),
              std::string::npos)
        << r.out;
}

}  // namespace
}  // namespace quornel::frm_test

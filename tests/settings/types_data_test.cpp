// quornel_types.dat, the column types by their symbol: what each drawing stores there, and
// what is read and kept of a file an editor or a broken disk has damaged.
#include <gtest/gtest.h>

#include "platform/text_codec.h"
#include "settings/types_data.h"
#include "support/fake_file_system.h"

namespace quornel {
namespace {

const std::filesystem::path kProgram = "/prog";
const std::filesystem::path kTypes = kProgram / "quornel_types.dat";
const std::filesystem::path kBackup = kProgram / "quornel_types.dat.bak";

ResDataValues type_values(const std::string& symbol, const std::string& width) {
    ResDataValues v;  // a crossing: the lines every shape stores
    for (int i = 0; i < kResDataLinesAlways; ++i) v[i] = "0";
    v[1] = "4";
    v[kSymbolLine] = symbol;
    v[res_data_line("HsnXG")] = width;
    return v;
}

// A block as a user's editor shows it, in ANSI: every line, or all but the key `without`,
// and `extra` lines after the last.
std::string block(const std::string& symbol, const std::string& width,
                  const std::string& without = "", const std::string& extra = "") {
    const ResDataValues v = type_values(symbol, width);
    std::string text;
    for (int i = 0; i < kResDataLines; ++i) {
        if (v[i] && kResDataLayout[i].key != without)
            text += kResDataLayout[i].key + ("," + *v[i]) + "\r\n";
    }
    return *utf8_to_ansi(text + extra);
}

std::vector<std::string> symbols(const TypesData& data) {
    std::vector<std::string> out;
    for (const TypeBlock& t : data.types) out.push_back(t.symbol);
    return out;
}

TEST(TypesData, EachSymbolIsStoredOnceNewestFirstAndAHundredAtMost) {
    test::FakeFileSystem fs;
    ASSERT_TRUE(store_type(fs, kProgram, type_values("", "500")));
    EXPECT_FALSE(fs.get(kTypes)) << "a drawing without a symbol stores no type";

    for (auto [symbol, width] :
         {std::pair{"C1", "600"}, {"C2", "700"}, {"Ｃ１", "800"}, {"C1", "650"}}) {
        ASSERT_TRUE(store_type(fs, kProgram, type_values(symbol, width))) << symbol;
    }
    EXPECT_EQ(fs.get(kTypes), block("C1", "650") + block("Ｃ１", "800") + block("C2", "700"));
    const TypesData data = read_types_data(fs, kProgram);
    EXPECT_TRUE(data.damage.empty());
    EXPECT_EQ(find_type(data, "C2"), &data.types[2]);
    EXPECT_EQ(find_type(data, "C1")->values[res_data_line("HsnXG")], "650");
    EXPECT_EQ(find_type(data, "C3"), nullptr);
    EXPECT_EQ(data.types[1].lines[0], 38);  // for a message about one of its values

    const auto stored = fs.get(kTypes);
    ASSERT_TRUE(store_type(fs, kProgram, type_values("", "900")));
    EXPECT_EQ(fs.get(kTypes), stored);

    for (int i = 0; i < 97; ++i) {
        ASSERT_TRUE(store_type(fs, kProgram, type_values("T" + std::to_string(i), "300")));
    }
    EXPECT_EQ(read_types_data(fs, kProgram).types.size(), 100u);
    ASSERT_TRUE(store_type(fs, kProgram, type_values("T97", "300")));  // the 101st
    const std::vector<std::string> kept = symbols(read_types_data(fs, kProgram));
    ASSERT_EQ(kept.size(), 100u);
    EXPECT_EQ(kept.front(), "T97");
    EXPECT_EQ(kept.back(), "Ｃ１");  // C2, the oldest, went
    EXPECT_FALSE(fs.get(kBackup));
}

// A file damaged by hand: the blocks that can be read are used; the next store keeps the
// whole old file as the backup, then writes the readable blocks under the new one.
TEST(TypesData, ADamagedFileIsReadAroundItsDamageAndKeptBeforeItIsRewritten) {
    const std::string c1 = block("C1", "600"), c2 = block("C2", "700"), c3 = block("C3", "800");
    auto no_text = [](std::string text) { return text.replace(text.find("@@"), 2, "\xFF\xFE"); };
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> readable;
        std::vector<std::string> damage;  // as damage_text names each part
    } cases[] = {
        {"blank lines, LF only", "\r\n" + c1 + " \r\n" + c2 + c3, {"C1", "C2", "C3"}, {}},
        {"a note before the first block",
         *utf8_to_ansi("柱の一覧\r\n") + c1 + c2 + c3,
         {"C1", "C2", "C3"},
         {"1 行目: 記録の始まり（optSin_d の行）より前の行です"}},
        {"a line missing",
         c1 + block("C2", "700", "HsnXG") + c3,
         {"C1", "C3"},
         {"38〜73 行目（柱記号「C2」）: 「HsnXG」の行がありません"}},
        {"a line not understood",
         c1 + block("C2", "700", "", "HsnXG 700\r\n") + c3,
         {"C1", "C3"},
         {"38〜75 行目（柱記号「C2」）: 75 行目に「,」がありません"}},
        {"a key twice",
         c1 + block("C2", "700", "", "M_h,5\r\n") + c3,
         {"C1", "C3"},
         {"38〜75 行目（柱記号「C2」）: 「M_h」の行が二つあります"}},
        {"a symbol twice",
         c1 + c2 + block("C1", "500"),
         {"C1", "C2"},
         {"75〜111 行目（柱記号「C1」）: 同じ柱記号の新しい記録が前にあります"}},
        {"the newest of a symbol damaged",
         block("C2", "700", "M_k") + c2 + c3,
         {"C3"},
         {"1〜36 行目（柱記号「C2」）: 「M_k」の行がありません",
          "37〜73 行目（柱記号「C2」）: 同じ柱記号の新しい記録が前にあります"}},
        {"an empty symbol",
         c1 + block("", "700") + c3,
         {"C1", "C3"},
         {"38〜74 行目: 柱記号が空です"}},
        {"bytes that are no text",
         c1 + no_text(block("C2", "@@")) + c3,
         {"C1", "C3"},
         {"38〜74 行目（柱記号「C2」）: 45 行目に、読めないか保存し直せない文字があります"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::FakeFileSystem fs;
        std::string text = c.text;
        if (std::string(c.what).find("LF only") != std::string::npos) {
            for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
        }
        fs.put(kTypes, text);
        const TypesData data = read_types_data(fs, kProgram);
        EXPECT_EQ(symbols(data), c.readable);
        std::vector<std::string> damage;
        for (const TypesDamage& d : data.damage) damage.push_back(damage_text(d));
        EXPECT_EQ(damage, c.damage);

        ASSERT_TRUE(store_type(fs, kProgram, type_values("C9", "900")));
        EXPECT_EQ(fs.get(kBackup), c.damage.empty() ? std::nullopt : std::optional(text));
        const TypesData after = read_types_data(fs, kProgram);
        EXPECT_TRUE(after.damage.empty());
        std::vector<std::string> expected{"C9"};
        expected.insert(expected.end(), c.readable.begin(), c.readable.end());
        EXPECT_EQ(symbols(after), expected);
    }
}

// The lines of 「交点ごと」 stay with the blocks that have them, all three, two (stored before
// 外周) or none, and a block of another shape that holds them (written by hand) is read as it
// stands: the next store writes every old block back line for line.
TEST(TypesData, TheLinesOfTheWholeFloorStayWithTheBlocksThatHaveThem) {
    auto floor = [](const std::string& symbol, const std::string& shape, int lines) {
        ResDataValues v = type_values(symbol, "600");
        v[1] = shape;
        for (int i = kResDataLinesAlways; i < kResDataLinesAlways + lines; ++i) v[i] = "1";
        return v;
    };
    auto text = [](const ResDataValues& v) {
        std::string out;
        for (int i = 0; i < kResDataLines; ++i)
            if (v[i]) out += kResDataLayout[i].key + ("," + *v[i]) + "\r\n";
        return out;
    };
    const ResDataValues f1 = floor("F1", "9", 3), f2 = floor("F2", "9", 2);
    const ResDataValues f3 = floor("F3", "4", 3), f4 = floor("F4", "4", 0);
    test::FakeFileSystem fs;
    const std::string file = text(f1) + text(f2) + text(f3) + text(f4);
    fs.put(kTypes, file);
    const TypesData data = read_types_data(fs, kProgram);
    EXPECT_TRUE(data.damage.empty());
    ASSERT_EQ(symbols(data), (std::vector<std::string>{"F1", "F2", "F3", "F4"}));
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(data.types[i].values, (std::array{f1, f2, f3, f4}[i])) << i;
    EXPECT_EQ(data.types[1].lines[kResDataLines - 1], 0);  // F2 has no line 40

    ASSERT_TRUE(store_type(fs, kProgram, f4));  // F4 drawn again: the newest
    EXPECT_EQ(fs.get(kTypes), text(f4) + text(f1) + text(f2) + text(f3));
    EXPECT_FALSE(fs.get(kBackup));
}

// A store that would lose stored types does not happen: the file stays as it was.
TEST(TypesData, AFileThatCannotBeReadOrKeptIsLeftAsItWas) {
    const std::string damaged = "memo\r\n" + block("C1", "600");
    test::FakeFileSystem fs;
    fs.put(kTypes, damaged);

    fs.fail_reads(kTypes);
    Status s = store_type(fs, kProgram, type_values("C2", "700"));
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("quornel_types.dat"), std::string::npos) << s.message();
    fs.clear_failures();

    fs.fail_create(kBackup);
    s = store_type(fs, kProgram, type_values("C2", "700"));
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("quornel_types.dat.bak"), std::string::npos) << s.message();
    fs.clear_failures();

    // The disk fills up after the backup: the backup is whole, the file as it was.
    fs.fill_disk_after(damaged.size() + 100);
    EXPECT_FALSE(store_type(fs, kProgram, type_values("C2", "700")));
    EXPECT_EQ(fs.get(kTypes), damaged);
    EXPECT_EQ(fs.get(kBackup), damaged);
    EXPECT_EQ(fs.open_outputs(), 0);
}

}  // namespace
}  // namespace quornel

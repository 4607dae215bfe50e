// The registry kept in a .reg text file: what lands on disk, what regedit's own exports
// give, and that a damaged or unreadable file never loses what it held.
#include <gtest/gtest.h>

#include "platform/registry.h"
#include "platform/registry_file.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"
#include "support/test_registry.h"

namespace quornel {
namespace {

using test::dword_data;
using test::sz_data;

// ASCII text as regedit's UTF-16LE export, with its byte-order mark.
std::string utf16_export(std::string_view ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

TEST(RegFile, WritesWhatRegeditImports) {
    test::TempDir dir;
    auto reg = open_reg_file_registry(dir.file("registry.reg"));
    ASSERT_TRUE(reg->set("Software\\Norvale\\quornel\\SETTEI", "IHasira_ly", dword_data(10)));
    ASSERT_TRUE(reg->set("Software\\Norvale\\quornel\\SETTEI", "Kigou_cn", dword_data(0xFFFFFFFF)));
    ASSERT_TRUE(reg->set("Software\\Norvale\\quornel", "Path",
                         sz_data(std::string("C:\\jww\\\"a\"\0", 11))));
    ASSERT_TRUE(
        reg->set("Software\\Norvale\\quornel", "Name", sz_data(std::string("\x92\x8C\0", 3))));
    ASSERT_TRUE(reg->set("Software\\Norvale\\quornel", "", sz_data(std::string("d\0", 2))));
    EXPECT_EQ(dir.read("registry.reg"),
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software]\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Norvale]\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Norvale\\quornel]\r\n"
              "\"Path\"=\"C:\\\\jww\\\\\\\"a\\\"\"\r\n"
              "\"Name\"=\"\xE6\x9F\xB1\"\r\n"
              "@=\"d\"\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Norvale\\quornel\\SETTEI]\r\n"
              "\"IHasira_ly\"=dword:0000000a\r\n"
              "\"Kigou_cn\"=dword:ffffffff\r\n\r\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"registry.reg"});
}

TEST(RegFile, ReadsRegeditsUtf16Export) {
    test::TempDir dir;
    dir.write("registry.reg",
              utf16_export("Windows Registry Editor Version 5.00\r\n\r\n"
                           "; exported by hand\r\n"
                           "[HKEY_CURRENT_USER\\Software\\Jw_cad\\jw_win\\SUNPO]\r\n"
                           "\"HANARE\"=\"1.5\"\r\n"
                           "\"MOJINO\"=dword:00000003\r\n"
                           "\"Bin\"=hex:01,02,\\\r\n  03,04\r\n"
                           "\"Text\"=hex(1):31,00,00,00,32,00,00,00\r\n"
                           "@=\"default\"\r\n"));
    auto reg = open_reg_file_registry(dir.file("registry.reg"));
    const char* key = "Software\\Jw_cad\\jw_win\\SUNPO";
    EXPECT_EQ(reg->query(key, "hanare")->bytes, std::string("1.5\0", 4));
    EXPECT_EQ(reg->query(key, "MOJINO")->bytes, std::string("\x03\0\0\0", 4));
    EXPECT_EQ(reg->query(key, "Bin")->bytes, "\x01\x02\x03\x04");
    EXPECT_EQ(reg->query(key, "Text")->bytes, std::string("1\0"
                                                          "2\0",
                                                          4));
    EXPECT_EQ(reg->query(key, "")->bytes, std::string("default\0", 8));
    EXPECT_FALSE(reg->query(key, "missing"));
}

TEST(RegFile, TextWithNulsAndUnusedValuesSurviveRewrites) {
    test::TempDir dir;
    const std::string foreign =
        "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n"
        "\"Q\"=hex(b):01,00,00,00,00,00,00,00\r\n"
        "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
        "\"Accent\"=\"caf\xC3\xA9\"\r\n\r\n";
    dir.write("registry.reg", "Windows Registry Editor Version 5.00\r\n\r\n" + foreign);
    auto reg = open_reg_file_registry(dir.file("registry.reg"));
    ASSERT_TRUE(reg->set("Software\\Norvale", "Nuls", sz_data(std::string("a\0b\0\0", 5))));
    EXPECT_EQ(reg->query("Software\\Norvale", "Nuls")->bytes, std::string("a\0b\0\0", 5));
    std::string text = dir.read("registry.reg");
    EXPECT_NE(text.find(foreign), std::string::npos) << text;
    EXPECT_NE(text.find("\"Nuls\"=hex(1):61,00,00,00,62,00,00,00,00,00\r\n"), std::string::npos)
        << text;
}

// A save writes what reads back as the same keys and values, so that the next save keeps
// them too. Each row: the keys of a file, then what they are once quornel has saved.
TEST(RegFile, WhatASaveWritesReadsBackTheSame) {
    const struct {
        const char* file;
        const char* saved;
    } cases[] = {
        // A first name starting with "-" (no root regedit knows): "[-" would delete the key,
        // and its values would stand under no key, a damaged file.
        {"[\\-foo]\r\n\"a\"=\"b\"\r\n[\\-foo\\bar]\r\n",
         "[\\-foo]\r\n\"a\"=\"b\"\r\n\r\n[\\-foo\\bar]\r\n\r\n"},
    };
    const std::string header = "Windows Registry Editor Version 5.00\r\n\r\n";
    const std::string settei =
        "[HKEY_CURRENT_USER\\Software]\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Norvale]\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Norvale\\quornel]\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Norvale\\quornel\\SETTEI]\r\n";
    for (const auto& c : cases) {
        test::TempDir dir;
        dir.write("registry.reg", header + c.file);
        auto reg = open_reg_file_registry(dir.file("registry.reg"));
        ASSERT_TRUE(reg->set("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly", dword_data(1)))
            << c.file;
        EXPECT_EQ(dir.read("registry.reg"),
                  header + c.saved + settei + "\"Kabe_ly\"=dword:00000001\r\n\r\n");
        ASSERT_TRUE(reg->set("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly", dword_data(2)))
            << c.file;
        EXPECT_EQ(dir.read("registry.reg"),
                  header + c.saved + settei + "\"Kabe_ly\"=dword:00000002\r\n\r\n");
    }
}

TEST(RegFile, DamagedFileIsReadButNeverOverwritten) {
    test::TempDir dir;
    const std::string damaged =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Norvale\\quornel\\SETTEI]\r\n"
        "\"IHasira_ly\"=dword:00000003\r\n"
        "\"Kabe_ly\"=dword:zz\r\n"
        "[HKEY_CURRENT_USER\\Software\\Broken\r\n"
        "\"Kigou_ly\"=dword:00000005\r\n";
    dir.write("registry.reg", damaged);
    auto reg = open_reg_file_registry(dir.file("registry.reg"));
    EXPECT_EQ(reg->query("Software\\Norvale\\quornel\\SETTEI", "IHasira_ly")->bytes,
              std::string("\x03\0\0\0", 4));
    EXPECT_FALSE(reg->query("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly"));
    EXPECT_FALSE(reg->set("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly", dword_data(1)));
    EXPECT_FALSE(reg->delete_key("Software\\Norvale\\quornel", "SETTEI"));
    EXPECT_EQ(dir.read("registry.reg"), damaged);

    for (const std::string& junk :
         {std::string("\x89PNG\r\n\x1A\n\0\0", 10), std::string("[\r\n\"\r\n=\r\n@")}) {
        dir.write("registry.reg", junk);
        EXPECT_FALSE(reg->query("Software", "x"));
        EXPECT_FALSE(reg->set("Software", "x", dword_data(1)));
        EXPECT_EQ(dir.read("registry.reg"), junk);
    }
}

TEST(RegFile, MissingFileIsAnEmptyRegistry) {
    test::TempDir dir;
    auto reg = open_reg_file_registry(dir.file("registry.reg"));
    EXPECT_FALSE(reg->key_exists("Software"));
    EXPECT_FALSE(reg->delete_key("Software", "Norvale"));
    EXPECT_FALSE(dir.exists("registry.reg"));
    dir.write("registry.reg", "");
    EXPECT_TRUE(reg->set("Software\\Norvale", "x", dword_data(1)));
}

TEST(RegFile, UnreadableOrUnwritableFileLosesNothing) {
    test::FakeFileSystem fs;
    const std::filesystem::path file = "/home/u/.config/quornel/registry.reg";
    auto reg = open_reg_file_registry(fs, file);
    ASSERT_TRUE(reg->set("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly", dword_data(7)));
    const std::string saved = *fs.get(file);

    fs.fail_write_after(file, saved.size() / 2);
    EXPECT_FALSE(reg->set("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly", dword_data(8)));
    EXPECT_FALSE(reg->delete_key("Software\\Norvale\\quornel", "SETTEI"));
    EXPECT_EQ(fs.get(file), saved);
    EXPECT_TRUE(reg->key_exists("Software\\Norvale\\quornel\\SETTEI"));

    fs.clear_failures();
    fs.fail_reads(file);
    EXPECT_FALSE(reg->query("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly"));
    EXPECT_FALSE(reg->set("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly", dword_data(9)));
    EXPECT_EQ(fs.get(file), saved);
    EXPECT_EQ(fs.open_outputs(), 0);
}

TEST(RegFile, AnotherProgramsChangesAreSeen) {
    // quornel and the uninstaller each hold the file open as a registry of their own.
    test::TempDir dir;
    auto quornel = open_reg_file_registry(dir.file("registry.reg"));
    auto uninstall = open_reg_file_registry(dir.file("registry.reg"));
    ASSERT_TRUE(quornel->set("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly", dword_data(7)));
    ASSERT_TRUE(uninstall->delete_key("Software\\Norvale\\quornel", "SETTEI"));
    EXPECT_FALSE(quornel->key_exists("Software\\Norvale\\quornel\\SETTEI"));
    ASSERT_TRUE(quornel->set("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly", dword_data(8)));
    EXPECT_EQ(uninstall->query("Software\\Norvale\\quornel\\SETTEI", "Kabe_ly")->bytes,
              std::string("\x08\0\0\0", 4));
}

}  // namespace
}  // namespace quornel

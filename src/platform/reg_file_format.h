#pragma once
// The text of a .reg file as regedit exports and imports it, held as a list of keys with
// their values. String data is kept as UTF-16LE, as the registry itself keeps it, so that a
// value quornel never touches is written back exactly as it was read.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quornel {

struct RegFileValue {
    std::string name;  // "" for the key's default value ("@")
    std::uint32_t type = 0;
    // REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ: UTF-16LE including every NUL that is stored (a
    // plain "text" value ends with one). Other types: the raw bytes.
    std::string data;
};

struct RegFileKey {
    std::string path;  // full path with its root: HKEY_CURRENT_USER\Software\...
    std::vector<RegFileValue> values;
};

class RegFileDocument {
  public:
    // Key paths and value names compare without regard to ASCII letter case.
    RegFileKey* find(std::string_view path);
    // The key, created with any missing parents; an existing key keeps its spelling.
    RegFileKey& ensure(std::string_view path);
    bool has_subkeys(std::string_view path) const;
    // Removes the key and everything below it.
    void remove_tree(std::string_view path);

    static RegFileValue* find_value(RegFileKey& key, std::string_view name);
    static void set_value(RegFileKey& key, RegFileValue value);
    static void remove_value(RegFileKey& key, std::string_view name);

    const std::vector<RegFileKey>& keys() const { return keys_; }

  private:
    std::vector<RegFileKey> keys_;
};

bool reg_names_equal(std::string_view a, std::string_view b);

struct RegFileParse {
    RegFileDocument document;
    // 1-based numbers of the lines that could not be understood, and whether the file
    // started with a header regedit would accept. Either makes the file damaged.
    std::vector<int> bad_lines;
    bool bad_header = false;
    bool damaged() const { return bad_header || !bad_lines.empty(); }
};

// Accepts "Windows Registry Editor Version 5.00" (UTF-8 with or without BOM, or UTF-16LE
// with BOM) and "REGEDIT4" (ANSI). Everything understood is kept even in a damaged file.
RegFileParse parse_reg_file(std::string_view bytes);

// Version 5.00 text in UTF-8 with CR LF line ends; keys in hierarchical order.
std::string format_reg_file(const RegFileDocument& document);

}  // namespace quornel

#include "platform/reg_file_format.h"
#include "platform/text_lines.h"

#include <algorithm>

#include "platform/registry.h"
#include "platform/text_codec.h"
#include "platform/utf16.h"

namespace quornel {
namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::vector<std::string_view> components(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// "a\\\b\" -> "a\b": Windows ignores empty parts of a key path, so do we.
std::string normalize(std::string_view path) {
    std::string out;
    for (auto part : components(path)) {
        if (!out.empty()) out += '\\';
        out += part;
    }
    return out;
}

bool is_under(std::string_view path, std::string_view ancestor) {
    return path.size() > ancestor.size() && path[ancestor.size()] == '\\' &&
           reg_names_equal(path.substr(0, ancestor.size()), ancestor);
}

bool is_string_type(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

std::string_view trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// A quoted name or text at the start of `s`: \\ and \" are escapes; any other backslash
// stands for itself. Advances `s` past the closing quote; false when there is none.
bool take_quoted(std::string_view& s, std::string& out) {
    if (s.empty() || s.front() != '"') return false;
    out.clear();
    for (std::size_t i = 1; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            out += s[++i];
        } else if (c == '"') {
            s.remove_prefix(i + 1);
            return true;
        } else {
            out += c;
        }
    }
    return false;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = lower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool parse_hex_number(std::string_view s, std::uint32_t& out, std::size_t max_digits) {
    if (s.empty() || s.size() > max_digits) return false;
    std::uint32_t v = 0;
    for (char c : s) {
        int d = hex_digit(c);
        if (d < 0) return false;
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    out = v;
    return true;
}

bool parse_hex_bytes(std::string_view s, std::string& out) {
    out.clear();
    s = trim(s);
    if (s.empty()) return true;
    std::size_t start = 0;
    while (true) {
        std::size_t end = s.find(',', start);
        std::string_view item =
            trim(s.substr(start, end == std::string_view::npos ? end : end - start));
        std::uint32_t v = 0;
        if (!parse_hex_number(item, v, 2)) {
            // regedit leaves a trailing comma on nothing; anything else is damage.
            return end == std::string_view::npos && item.empty() && !out.empty();
        }
        out += static_cast<char>(v);
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

// The data part of a value line (after "="). False when it is not understood.
enum class DataKind { Set, Delete };
bool parse_data(std::string_view s, bool ansi_file, RegFileValue& value, DataKind& kind) {
    s = trim(s);
    kind = DataKind::Set;
    if (s == "-") {
        kind = DataKind::Delete;
        return true;
    }
    if (!s.empty() && s.front() == '"') {
        std::string text;
        if (!take_quoted(s, text) || !trim(s).empty()) return false;
        value.type = kRegSz;
        value.data = utf8_to_utf16le(text) + std::string(2, '\0');
        return true;
    }
    std::size_t colon = s.find(':');
    if (colon == std::string_view::npos) return false;
    std::string tag;
    for (char c : s.substr(0, colon)) tag += lower(c);
    std::string_view rest = s.substr(colon + 1);
    if (tag == "dword") {
        std::uint32_t v = 0;
        if (!parse_hex_number(trim(rest), v, 8)) return false;
        value.type = kRegDword;
        value.data.clear();
        for (int k = 0; k < 4; ++k) value.data += static_cast<char>((v >> (8 * k)) & 0xFF);
        return true;
    }
    std::uint32_t type = kRegBinary;
    if (tag != "hex") {
        if (tag.size() < 6 || tag.compare(0, 4, "hex(") != 0 || tag.back() != ')') return false;
        if (!parse_hex_number(std::string_view(tag).substr(4, tag.size() - 5), type, 8))
            return false;
    }
    std::string bytes;
    if (!parse_hex_bytes(rest, bytes)) return false;
    value.type = type;
    // A REGEDIT4 file holds strings in the ANSI code page; the registry keeps UTF-16.
    value.data = ansi_file && is_string_type(type) ? utf8_to_utf16le(ansi_to_utf8(bytes)) : bytes;
    return true;
}

std::string escape(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

std::string quoted_name(const std::string& name) {
    return name.empty() ? "@" : "\"" + escape(name) + "\"";
}

std::string hex_bytes(std::string_view bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (i) out += ',';
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// The text of a REG_SZ that the quoted form can carry unchanged: exactly one NUL, at the
// end, no line breaks, and UTF-16 that survives a trip through UTF-8.
bool plain_text(const RegFileValue& v, std::string& text) {
    const std::string& d = v.data;
    if (v.type != kRegSz || d.size() < 2 || d.size() % 2 != 0) return false;
    if (d[d.size() - 1] != '\0' || d[d.size() - 2] != '\0') return false;
    std::string_view body(d.data(), d.size() - 2);
    for (std::size_t i = 0; i < body.size(); i += 2) {
        if (body[i + 1] != '\0') continue;
        char c = body[i];
        if (c == '\0' || c == '\r' || c == '\n') return false;
    }
    text = utf16le_to_utf8(body);
    return utf8_to_utf16le(text) == body;
}

std::string format_value(const RegFileValue& v) {
    std::string line = quoted_name(v.name) + "=";
    std::string text;
    if (plain_text(v, text)) return line + "\"" + escape(text) + "\"";
    if (v.type == kRegDword && v.data.size() == 4) {
        static const char* digits = "0123456789abcdef";
        line += "dword:";
        for (int k = 3; k >= 0; --k) {
            unsigned char b = static_cast<unsigned char>(v.data[static_cast<std::size_t>(k)]);
            line += digits[b >> 4];
            line += digits[b & 15];
        }
        return line;
    }
    if (v.type == kRegBinary) return line + "hex:" + hex_bytes(v.data);
    static const char* digits = "0123456789abcdef";
    std::string type;
    std::uint32_t t = v.type;
    do {
        type.insert(type.begin(), digits[t & 15]);
        t >>= 4;
    } while (t);
    return line + "hex(" + type + "):" + hex_bytes(v.data);
}

bool component_less(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lower(x) < lower(y); });
}

bool path_less(const std::string& a, const std::string& b) {
    auto pa = components(a);
    auto pb = components(b);
    return std::lexicographical_compare(pa.begin(), pa.end(), pb.begin(), pb.end(), component_less);
}

}  // namespace

bool reg_names_equal(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

RegFileKey* RegFileDocument::find(std::string_view path) {
    std::string p = normalize(path);
    for (auto& k : keys_)
        if (reg_names_equal(k.path, p)) return &k;
    return nullptr;
}

RegFileKey& RegFileDocument::ensure(std::string_view path) {
    std::string p = normalize(path);
    if (RegFileKey* k = find(p)) return *k;
    auto slash = p.rfind('\\');
    std::string parent_spelling;
    if (slash != std::string::npos) {
        // The parent first, so that it keeps its own spelling and the child takes it.
        parent_spelling = ensure(p.substr(0, slash)).path;
        p = parent_spelling + p.substr(slash);
    }
    keys_.push_back(RegFileKey{p, {}});
    return keys_.back();
}

bool RegFileDocument::has_subkeys(std::string_view path) const {
    std::string p = normalize(path);
    return std::any_of(keys_.begin(), keys_.end(),
                       [&](const RegFileKey& k) { return is_under(k.path, p); });
}

void RegFileDocument::remove_tree(std::string_view path) {
    std::string p = normalize(path);
    std::erase_if(keys_, [&](const RegFileKey& k) {
        return reg_names_equal(k.path, p) || is_under(k.path, p);
    });
}

RegFileValue* RegFileDocument::find_value(RegFileKey& key, std::string_view name) {
    for (auto& v : key.values)
        if (reg_names_equal(v.name, name)) return &v;
    return nullptr;
}

void RegFileDocument::set_value(RegFileKey& key, RegFileValue value) {
    if (RegFileValue* old = find_value(key, value.name)) {
        old->type = value.type;
        old->data = std::move(value.data);
    } else {
        key.values.push_back(std::move(value));
    }
}

void RegFileDocument::remove_value(RegFileKey& key, std::string_view name) {
    std::erase_if(key.values, [&](const RegFileValue& v) { return reg_names_equal(v.name, name); });
}

RegFileParse parse_reg_file(std::string_view bytes) {
    RegFileParse result;
    std::string text;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        text = utf16le_to_utf8(bytes.substr(2));
    } else if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        text = std::string(bytes.substr(3));
    } else {
        text = std::string(bytes);
    }
    auto lines = split_lines(text);
    std::size_t i = 0;
    while (i < lines.size() && trim(lines[i]).empty()) ++i;
    if (i == lines.size()) return result;  // an empty file is an empty registry

    bool ansi_file = false;
    std::string_view header = trim(lines[i]);
    if (header == kHeader4) {
        ansi_file = true;
        text = ansi_to_utf8(text);
        lines = split_lines(text);
    } else if (header != kHeader5) {
        result.bad_header = true;
    }

    RegFileDocument& doc = result.document;
    std::string current;  // path of the section being read; "" after a deletion
    // Without a header the first line may itself be a section or a value: read it as one.
    for (i = result.bad_header ? i : i + 1; i < lines.size(); ++i) {
        int line_no = static_cast<int>(i) + 1;
        std::string_view line = trim(lines[i]);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            current.clear();
            if (line.back() != ']' || line.size() < 3) {
                result.bad_lines.push_back(line_no);
                continue;
            }
            std::string_view inner = line.substr(1, line.size() - 2);
            if (inner.front() == '-') {
                doc.remove_tree(inner.substr(1));
            } else if (normalize(inner).empty()) {
                result.bad_lines.push_back(line_no);
            } else {
                current = doc.ensure(inner).path;
            }
            continue;
        }
        RegFileValue value;
        std::string_view rest = line;
        if (rest.front() == '@') {
            rest.remove_prefix(1);
        } else if (!take_quoted(rest, value.name)) {
            result.bad_lines.push_back(line_no);
            continue;
        }
        rest = trim(rest);
        if (current.empty() || rest.empty() || rest.front() != '=') {
            result.bad_lines.push_back(line_no);
            continue;
        }
        rest.remove_prefix(1);
        // Long binary data runs on over lines ending in a backslash.
        std::string data(trim(rest));
        while (!data.empty() && data.back() == '\\' && data.rfind("hex", 0) == 0 &&
               i + 1 < lines.size()) {
            data.pop_back();
            data += trim(lines[++i]);
        }
        DataKind kind;
        if (!parse_data(data, ansi_file, value, kind)) {
            result.bad_lines.push_back(line_no);
            continue;
        }
        RegFileKey& key = *doc.find(current);
        if (kind == DataKind::Delete) {
            RegFileDocument::remove_value(key, value.name);
        } else {
            RegFileDocument::set_value(key, std::move(value));
        }
    }
    return result;
}

std::string format_reg_file(const RegFileDocument& document) {
    std::vector<const RegFileKey*> keys;
    for (const auto& k : document.keys()) {
        // A bare root key needs no section of its own unless it holds values.
        if (k.path.find('\\') == std::string::npos && k.values.empty()) continue;
        keys.push_back(&k);
    }
    std::stable_sort(keys.begin(), keys.end(), [](const RegFileKey* a, const RegFileKey* b) {
        return path_less(a->path, b->path);
    });
    std::string out(kHeader5);
    out += "\r\n\r\n";
    for (const RegFileKey* k : keys) {
        // "[-" starts a deletion. A path whose first name starts with "-" (no root regedit
        // knows, but readable as "[\-name]") keeps the leading backslash that made it a key.
        out += k->path.front() == '-' ? "[\\" : "[";
        out += k->path + "]\r\n";
        for (const auto& v : k->values) out += format_value(v) + "\r\n";
        out += "\r\n";
    }
    return out;
}

}  // namespace quornel

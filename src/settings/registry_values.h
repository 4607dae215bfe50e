#pragma once
// One registry value read or written: the registry functions GetRegValue, SetRegValue and
// CutAtNull. All access is under HKEY_CURRENT_USER through the Registry seam.
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace quornel {

// A tagged value holding a number or a text, with the name of its type deciding how
// SetRegValue stores it: Integer, Long, Boolean -> REG_DWORD; Bytes -> REG_BINARY;
// anything else -> REG_SZ.
struct RegVariant {
    enum class Kind { Empty, Integer, Long, Boolean, Double, String, Bytes };
    Kind kind = Kind::Empty;
    double number = 0;  // Integer, Long, Boolean (true = -1), Double; a DWORD read back
    std::string text;   // String (UTF-8), Bytes (raw)

    static RegVariant integer(int v) { return {Kind::Integer, static_cast<double>(v), {}}; }
    static RegVariant long_value(long long v) { return {Kind::Long, static_cast<double>(v), {}}; }
    static RegVariant boolean(bool v) { return {Kind::Boolean, v ? -1.0 : 0.0, {}}; }
    static RegVariant real(double v) { return {Kind::Double, v, {}}; }
    static RegVariant string(std::string v) { return {Kind::String, 0, std::move(v)}; }
    static RegVariant bytes(std::string v) { return {Kind::Bytes, 0, std::move(v)}; }
    bool is_text() const { return kind == Kind::String; }
};

// The value, or `default_value` when the key or value is missing, unreadable or of another
// type. REG_SZ: the ANSI text converted to UTF-8, cut at its first NUL (Kind::String).
// REG_DWORD: unsigned 0..4294967295 (Kind::Long, in `number`).
RegVariant GetRegValue(Registry& registry, std::string_view key_path, std::string_view name,
                       const RegVariant& default_value);

// Creates or opens the key and writes the value; true when written.
bool SetRegValue(Registry& registry, std::string_view key_path, std::string_view name,
                 const RegVariant& value);

// The text before the first NUL, or the whole text.
std::string CutAtNull(std::string_view text);

}  // namespace quornel

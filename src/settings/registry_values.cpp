#include "settings/registry_values.h"

#include <cmath>
#include <cstdint>

#include "exchange/number_text.h"
#include "platform/text_codec.h"

namespace quornel {

std::string CutAtNull(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

RegVariant GetRegValue(Registry& registry, std::string_view key_path, std::string_view name,
                       const RegVariant& default_value) {
    auto data = registry.query(key_path, name);
    if (!data) return default_value;
    if (data->type == kRegSz) {
        // Cut before converting: a NUL byte is never part of a double-byte ANSI character.
        return RegVariant::string(ansi_to_utf8(CutAtNull(data->bytes)));
    }
    if (data->type == kRegDword) {
        if (data->bytes.size() != 4) return default_value;
        std::uint32_t v = 0;
        for (int k = 3; k >= 0; --k)
            v = (v << 8) | static_cast<unsigned char>(data->bytes[static_cast<std::size_t>(k)]);
        RegVariant r;
        r.kind = RegVariant::Kind::Long;
        r.number = static_cast<double>(v);  // unsigned: all bits set reads 4294967295
        return r;
    }
    return default_value;
}

bool SetRegValue(Registry& registry, std::string_view key_path, std::string_view name,
                 const RegVariant& value) {
    RegData data;
    switch (value.kind) {
        case RegVariant::Kind::Integer:
        case RegVariant::Kind::Long:
        case RegVariant::Kind::Boolean: {
            // Stored as the 32 bits of the number: -1 (and True) becomes all bits set.
            double n = std::nearbyint(value.number);
            if (!std::isfinite(n) || n < -2147483648.0 || n > 4294967295.0) return false;
            auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(n));
            data.type = kRegDword;
            for (int k = 0; k < 4; ++k) data.bytes += static_cast<char>((bits >> (8 * k)) & 0xFF);
            break;
        }
        case RegVariant::Kind::Bytes:
            data.type = kRegBinary;
            data.bytes = value.text;
            break;
        default: {
            std::string text = value.kind == RegVariant::Kind::Double ? format_number(value.number)
                               : value.kind == RegVariant::Kind::String ? value.text
                                                                        : std::string();
            // A character the ANSI code page lacks would be stored as "?": refuse instead.
            auto ansi = utf8_to_ansi(text);
            if (!ansi) return false;
            data.type = kRegSz;
            data.bytes = *ansi + '\0';
            break;
        }
    }
    return registry.set(key_path, name, data);
}

}  // namespace quornel

#include "settings/registry_settings.h"

#include <cmath>
#include <limits>
#include <optional>

#include "exchange/number_text.h"
#include "settings/registry_values.h"

namespace quornel {
namespace {

// The number a stored value stands for: a DWORD as it is, a text read as a decimal with a
// full stop. nullopt for anything else.
std::optional<double> number_of(const RegVariant& v) {
    if (v.is_text()) return parse_number(v.text, NumberForms::HalfWidthOnly);
    if (v.kind == RegVariant::Kind::Empty || v.kind == RegVariant::Kind::Bytes) return std::nullopt;
    if (!std::isfinite(v.number)) return std::nullopt;
    return v.number;
}

// A whole number of the given range, rounded half to even as the conversion to a Long or
// Integer does; nullopt when the value does not fit.
std::optional<std::int64_t> whole_number(const RegVariant& v, double lo, double hi) {
    auto n = number_of(v);
    if (!n) return std::nullopt;
    double r = std::nearbyint(*n);
    if (r < lo || r > hi) return std::nullopt;
    return static_cast<std::int64_t>(r);
}

double read_double(Registry& registry, const char* name, const char* default_text) {
    RegVariant fallback = RegVariant::string(default_text);
    auto n = number_of(GetRegValue(registry, kSunpoKey, name, fallback));
    return n ? *n : *number_of(fallback);
}

std::int32_t read_long(Registry& registry, const char* name, std::int32_t default_value,
                       double lo = std::numeric_limits<std::int32_t>::min(),
                       double hi = std::numeric_limits<std::int32_t>::max()) {
    auto n = whole_number(
        GetRegValue(registry, kSunpoKey, name, RegVariant::long_value(default_value)), lo, hi);
    return n ? static_cast<std::int32_t>(*n) : default_value;
}

// Jw_cad has text types 1 to 10 (0 reads as the first). Another number cannot name a text
// type of the header, and would stop start-up with a message about TEMP.TXT.
constexpr double kLastTextType = 10;

}  // namespace

DimensionSettings SunpoLoad(Registry& registry) {
    DimensionSettings s;
    s.HANARE = read_double(registry, "HANARE", "0.5");
    s.TENColor = read_long(registry, "TENColor", 0);
    s.MOJINO = read_long(registry, "MOJINO", 1, 0, kLastTextType);
    s.SENColor = read_long(registry, "SENColor", 1);
    s.HIKIDASHIColor = read_long(registry, "HIKIDASHIColor", 1);
    s.SUNPOSEN1 = read_double(registry, "SUNPOSEN1", "10");
    s.SUNPOSEN2 = read_double(registry, "SUNPOSEN2", "5");
    s.HIKIDASHI2 = read_double(registry, "HIKIDASHI2", "1");
    s.ShowComma = read_double(registry, "ShowComma", "1");
    return s;
}

std::array<int, kSetteiValues> SetteiLoad(Registry& registry) {
    std::array<int, kSetteiValues> positions{};
    for (int i = 0; i < kSetteiValues; ++i) {
        // A position outside its list (4294967295 is a saved -1: nothing was selected)
        // selects the first entry.
        const SetteiPick& pick = kSetteiPicks[i];
        auto n =
            whole_number(GetRegValue(registry, kSetteiKey, pick.value_name, RegVariant::integer(0)),
                         0, pick.entries - 1);
        positions[i] = n ? static_cast<int>(*n) : 0;
    }
    return positions;
}

}  // namespace quornel

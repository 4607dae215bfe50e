#pragma once
// The exchange header that Jw_cad hands over in TEMP.TXT.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace quornel {

struct HostHeader {
    double Syukusyaku = 1;   // scale of the current layer group
    double SunpouMojiW = 0;  // dimension text type: width, height, spacing (paper mm)
    double SunpouMojiH = 0;
    double SunpouMojiD = 0;
    double KigouMojiW = 0;   // symbol text type
    double KigouMojiH = 0;
    double KigouMojiD = 0;
};

// Jw_cad's dimension settings (registry key SUNPO).
struct DimensionSettings {
    double HANARE = 0.5;
    std::int32_t TENColor = 0;
    std::int32_t MOJINO = 1;
    std::int32_t SENColor = 1;
    std::int32_t HIKIDASHIColor = 1;
    double SUNPOSEN1 = 10;
    double SUNPOSEN2 = 5;
    double HIKIDASHI2 = 1;
    double ShowComma = 1;
};

// Extracts the header values from the raw bytes of TEMP.TXT. `MOJINO` is Jw_cad's text
// type of dimension values, `symbol_text_type` the chosen symbol text type 1..10. A
// failure names TEMP.TXT and the key.
Result<HostHeader> read_host_header(std::string_view buffer, std::int32_t MOJINO,
                                    int symbol_text_type);

}  // namespace quornel

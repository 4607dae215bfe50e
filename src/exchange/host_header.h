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
    double KigouMojiW = 0;  // symbol text type
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

// The largest paper length (text sizes, Jw_cad's dimension offsets, in paper millimetres)
// and the largest scale that are drawn with.
inline constexpr double kMaxPaperLength = 1e4;
inline constexpr double kMaxScale = 1e6;

// Whether the drawing can be made with the header's values: a scale, text widths and the
// symbol's character height above 0, spacings that leave every text of their type wider
// than 0 (a negative one narrows the text), each finite and within the limits above. The
// dimension text's height is not used. A failure names TEMP.TXT, the value and its key.
Status judge_host_header(const HostHeader& header);

// Extracts the header values from the raw bytes of TEMP.TXT. `MOJINO` is Jw_cad's text
// type of dimension values, `symbol_text_type` the chosen symbol text type 1..10. A
// failure names TEMP.TXT and the key; values read but not drawable are refused by
// judge_host_header.
Result<HostHeader> read_host_header(std::string_view buffer, std::int32_t MOJINO,
                                    int symbol_text_type);

}  // namespace quornel

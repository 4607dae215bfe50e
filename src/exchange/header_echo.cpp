#include "exchange/header_echo.h"

#include "exchange/ansi_text.h"

namespace quornel {

HeaderEcho header_echo(std::string_view buffer) {
    std::size_t pos = find_ansi_key(buffer, "hq");
    if (pos == std::string_view::npos) return {buffer, {}};
    std::size_t end = pos + 2;
    end += ansi_char_length(buffer, end);
    return {buffer.substr(0, pos), buffer.substr(end)};
}

}  // namespace quornel

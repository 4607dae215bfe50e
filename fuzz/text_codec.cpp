// The ANSI edge: any bytes from a file or the registry decode to valid UTF-8 without a
// crash, and only texts the code page can really hold are encoded for writing.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/text_codec.h"
#include "utf8_check.h"

using quornel::fuzz::valid_utf8;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // As ANSI bytes read from a file.
    std::string utf8 = quornel::ansi_to_utf8(bytes);
    std::size_t chars = 0;
    FUZZ_CHECK(valid_utf8(utf8, &chars));
    FUZZ_CHECK(quornel::utf8_length(utf8) == chars);
    if (utf8.find("\xEF\xBF\xBD") == std::string::npos) {
        // Everything decoded: it can be written back, and reads the same again.
        auto ansi = quornel::utf8_to_ansi(utf8);
        FUZZ_CHECK(ansi.has_value());
        FUZZ_CHECK(quornel::ansi_to_utf8(*ansi) == utf8);
    }

    // As UTF-8 typed into a box, about to be written.
    std::size_t typed_chars = 0;
    bool typed_valid = valid_utf8(bytes, &typed_chars);
    auto ansi = quornel::utf8_to_ansi(bytes);
    if (!typed_valid) FUZZ_CHECK(!ansi.has_value());
    if (typed_valid) FUZZ_CHECK(quornel::utf8_length(bytes) == typed_chars);
    if (ansi) {
        std::string again = quornel::ansi_to_utf8(*ansi);
        FUZZ_CHECK(again.find("\xEF\xBF\xBD") == std::string::npos ||
                   bytes.find("\xEF\xBF\xBD") != std::string_view::npos);
        FUZZ_CHECK(quornel::utf8_length(again) == typed_chars);
    }
    return 0;
}

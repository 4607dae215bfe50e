#include "platform/text_codec.h"

#include <windows.h>

#include <string>

namespace quornel {

std::string ansi_to_utf8(std::string_view ansi) {
    if (ansi.empty()) return {};
    int wide_len = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                       nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wide_len), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                        wide_len);
    int len = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_len, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(len), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_len, out.data(), len, nullptr, nullptr);
    return out;
}

std::optional<std::string> utf8_to_ansi(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    int wide_len = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                       static_cast<int>(utf8.size()), nullptr, 0);
    if (wide_len <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wide_len), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        wide_len);
    BOOL lossy = FALSE;
    int len = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wide_len, nullptr, 0,
                                  nullptr, &lossy);
    if (len <= 0 || lossy) return std::nullopt;
    std::string out(static_cast<std::size_t>(len), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wide_len, out.data(), len,
                        nullptr, &lossy);
    if (lossy) return std::nullopt;
    return out;
}

}  // namespace quornel

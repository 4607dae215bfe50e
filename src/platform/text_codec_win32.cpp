#include "platform/text_codec.h"

#include <windows.h>

#include <string>

namespace quornel {

namespace {

std::string wide_to_utf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    int len = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                  0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(len), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), len,
                        nullptr, nullptr);
    return out;
}

// Strict conversion: false when some byte sequence is no character of the code page.
bool ansi_to_wide(std::string_view ansi, std::wstring& wide) {
    int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(),
                                static_cast<int>(ansi.size()), nullptr, 0);
    if (n <= 0) return false;
    wide.assign(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), static_cast<int>(ansi.size()),
                        wide.data(), n);
    return true;
}

}  // namespace

std::string ansi_to_utf8(std::string_view ansi) {
    if (ansi.empty()) return {};
    std::wstring wide;
    if (ansi_to_wide(ansi, wide)) return wide_to_utf8(wide);
    // Damaged text: character by character, U+FFFD for each byte that starts no character
    // (Windows' own default would be a katakana middle dot that looks like real text).
    wide.clear();
    for (std::size_t i = 0; i < ansi.size();) {
        unsigned char b = static_cast<unsigned char>(ansi[i]);
        std::size_t len = IsDBCSLeadByteEx(CP_ACP, b) && i + 1 < ansi.size() ? 2 : 1;
        std::wstring one;
        if (IsDBCSLeadByteEx(CP_ACP, b) && i + 1 >= ansi.size()) {
            wide += L'\xFFFD';
        } else if (ansi_to_wide(ansi.substr(i, len), one)) {
            wide += one;
            i += len;
            continue;
        } else {
            wide += L'\xFFFD';
        }
        ++i;  // skip one byte only, so a good byte after a bad lead byte is kept
    }
    return wide_to_utf8(wide);
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

#pragma once
// The window speaks UTF-16; everything above it speaks UTF-8.
#include <string>
#include <string_view>

namespace quornel {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

}  // namespace quornel

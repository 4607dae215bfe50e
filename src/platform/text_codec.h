#pragma once
// The ANSI code page (CP932 on a Japanese system) exists only at the program's edges:
// data files and registry strings. Inside, every text is UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace quornel {

// Bytes in the system's ANSI code page to UTF-8. Bytes that do not decode become U+FFFD,
// so a damaged file can still be shown and never crashes the reader.
std::string ansi_to_utf8(std::string_view ansi);

// UTF-8 to the ANSI code page. nullopt when some character has no ANSI form (or the
// UTF-8 is malformed): the caller refuses rather than writing "?" into a file.
std::optional<std::string> utf8_to_ansi(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text, as a user counts them.
std::size_t utf8_length(std::string_view utf8);

// The first `chars` characters of a UTF-8 text, with "…" after them when the text goes on:
// a text quoted in a message, which a pasted page or a damaged line would make taller than
// the screen.
std::string utf8_start(std::string_view utf8, std::size_t chars);

}  // namespace quornel

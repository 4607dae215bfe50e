#pragma once
// The drawing run: from one column's inputs to the command stream of JWC_TEMP.TXT.
// A function of plain values; the window and the headless run feed it.
#include <filesystem>
#include <string>
#include <string_view>

#include "drawing/drawing_input.h"
#include "platform/file_system.h"
#include "platform/result.h"

namespace quornel {

// The whole command stream after the header echo: every line with its CR LF, the column
// at the origin and again at each of `input.crossings`.
// Checks the inputs first (finite, within drawing sizes); never changes `input`.
Result<std::string> drawing_commands(const DrawingInput& input);

// Writes JWC_TEMP.TXT: the header echo (TEMP.TXT's bytes without their first "hq" entry
// and their point lines, raw) followed by drawing_commands(). Atomic: on failure no file is left behind and an
// existing one is unchanged.
Status write_drawing(FileSystem& fs, const std::filesystem::path& program_dir,
                     const FileBytes& header_buffer, const DrawingInput& input);

}  // namespace quornel

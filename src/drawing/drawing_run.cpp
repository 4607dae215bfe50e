#include "drawing/drawing_run.h"

#include "drawing/column_fill.h"
#include "drawing/column_geometry.h"
#include "drawing/column_lines.h"
#include "drawing/dimension_chains.h"
#include "drawing/floor_copies.h"
#include "drawing/input_check.h"
#include "drawing/symbol_text.h"
#include "exchange/header_echo.h"
#include "platform/text_codec.h"

namespace quornel {

namespace {

// A whole floor: every copy with its own walls. Its hatch runs on one lattice in the data's
// own coordinates, so that it continues from each column into its walls and on to the next.
std::string floor_commands(const DrawingInput& input, const std::string& ansi_symbol) {
    const std::vector<FloorCopy> copies = floor_copies(input);
    CommandStream out;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        const FloorCopy& copy = copies[i];
        // The first crossing stays where it is, as a single drawing; every coordinate of a
        // fill is written in the data's coordinates.
        if (i > 0) out.move_by(0, 0);
        write_fills(out, input, plan_fills(input, copy.g, copy.x, copy.y));
        if (i > 0) out.move_by(copy.x, copy.y);
        write_column_lines(out, input, copy.g);
        if (copy.dimensions) write_dimension_chains(out, input, copy.g);
        write_symbol(out, input, copy.g, ansi_symbol);
        if (i == 0) out.reserve(out.text().size() * (3 * copies.size() + 1));
    }
    return out.take();
}

}  // namespace

Result<std::string> drawing_commands(const DrawingInput& input) {
    if (Status s = check_drawing_input(input); !s) return s;

    std::string ansi_symbol = input.symbol_ansi;
    if (ansi_symbol.empty() && !input.symbol.empty()) {
        std::optional<std::string> converted = utf8_to_ansi(input.symbol);
        if (!converted) {
            return Result<std::string>::failure(
                "柱記号「" + input.symbol +
                "」に、この Windows の文字コードで書けない文字があります。");
        }
        ansi_symbol = std::move(*converted);
    }

    if (input.hasira_sd == kWholeFloor) return floor_commands(input, ansi_symbol);

    const ColumnGeometry geometry = column_geometry(input);
    const FillPlan fills = plan_fills(input, geometry);
    CommandStream out;
    // The column at the first crossing, then the same drawing moved to every other one,
    // each complete before the next: its fills first, under everything else.
    auto write_column = [&] {
        write_fills(out, input, fills);
        write_column_lines(out, input, geometry);
        write_dimension_chains(out, input, geometry);
        write_symbol(out, input, geometry, ansi_symbol);
    };
    write_column();
    // A moved copy writes every coordinate with all its digits: about two and a half times
    // the first. Room that is never written costs nothing.
    if (!input.crossings.empty()) out.reserve(out.text().size() * (3 * input.crossings.size() + 1));
    for (const Crossing& at : input.crossings) {
        out.move_by(at.x, at.y);
        write_column();
    }
    return out.take();
}

Status write_drawing(FileSystem& fs, const std::filesystem::path& program_dir,
                     const FileBytes& header_buffer, const DrawingInput& input) {
    // Everything that can be refused is settled before the file is touched.
    Result<std::string> commands = drawing_commands(input);
    if (!commands) return commands.status();
    const std::vector<std::string_view> echo = header_echo(header_buffer.view());

    // Jw_cad reads the hand-over file the moment quornel ends, and every run writes it anew:
    // it is replaced whole, but not waited for on the disk.
    auto file = fs.create_replacing(program_dir / "JWC_TEMP.TXT", Durability::Unflushed);
    if (!file) return file.status();
    OutputFile& out = **file;
    // The echo is most of the file (the whole selection Jw_cad handed over): it is written
    // from TEMP.TXT's own bytes, which a file the system mapped need not hold in memory
    // all at once.
    for (std::string_view part : echo) {
        if (Status s = out.write_from(header_buffer, part); !s) return s;
    }
    for (std::string_view part : {std::string_view("\r\n"), std::string_view(*commands)}) {
        if (Status s = out.write(part); !s) return s;
    }
    return out.commit();
}

}  // namespace quornel

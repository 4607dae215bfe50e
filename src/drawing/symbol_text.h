#pragma once
// The column symbol (柱記号) inside a corner of the structural outline or on the centre.
#include <string_view>

#include "drawing/column_geometry.h"
#include "drawing/drawing_input.h"
#include "exchange/command_stream.h"

namespace quornel {

// Writes nothing when the symbol is empty. `ansi` is the symbol's bytes in the ANSI code
// page; its width is taken from the character count of input.symbol.
void write_symbol(CommandStream& out, const DrawingInput& input, const ColumnGeometry& g,
                  std::string_view ansi);

}  // namespace quornel

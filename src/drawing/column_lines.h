#pragma once
// The column itself: its structural outline, the structural cross, the body outline, the
// wall stubs and the structural wall faces.
#include "drawing/column_geometry.h"
#include "drawing/drawing_input.h"
#include "exchange/command_stream.h"

namespace quornel {

void write_column_lines(CommandStream& out, const DrawingInput& input, const ColumnGeometry& g);

}  // namespace quornel

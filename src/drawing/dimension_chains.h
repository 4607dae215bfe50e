#pragma once
// The two dimension chains of the column body, in Jw_cad's own dimension style.
#include "drawing/column_geometry.h"
#include "drawing/drawing_input.h"
#include "exchange/command_stream.h"

namespace quornel {

// The horizontal chain (above for SunpoIti_d 1 and 2, else below), then the vertical one
// (left for 1 and 3, else right). A vertical chain moves one level outwards on the side
// where a value of the horizontal chain had to go beyond the chain's end.
void write_dimension_chains(CommandStream& out, const DrawingInput& input, const ColumnGeometry& g);

}  // namespace quornel

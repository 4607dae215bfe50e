#include "drawing/symbol_text.h"

#include "drawing/value_text.h"
#include "platform/text_codec.h"

namespace quornel {

void write_symbol(CommandStream& out, const DrawingInput& in, const ColumnGeometry& geo,
                  std::string_view ansi) {
    if (in.symbol.empty()) return;
    const double s = in.header.Syukusyaku;
    const double g = in.jw.HANARE * s;
    const double h = in.header.KigouMojiH * s;
    const double w =
        text_width(utf8_length(in.symbol), in.header.KigouMojiW, in.header.KigouMojiD, s);
    double x, y;
    switch (in.HasiraIti_d) {
        case 0:
            x = geo.KouzouL + g, y = geo.KouzouT - h - g;
            break;
        case 1:
            x = geo.KouzouR - w - g, y = geo.KouzouT - h - g;
            break;
        case 2:
            x = -w / 2, y = -h / 2;
            break;
        case 3:
            x = geo.KouzouL + g, y = geo.KouzouB + g;
            break;
        default:
            x = geo.KouzouR - w - g, y = geo.KouzouB + g;
            break;
    }
    out.layer(in.symbol_layer);
    out.text_type(in.symbol_text_type + 1);
    out.symbol_text(x, y, ansi);
}

}  // namespace quornel

#include "ui/pictures.h"

#include <charconv>
#include <string>

#include "drawing/input_rules.h"

namespace quornel {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kSampleGround = 0xC0C0C0;  // behind the line-type dashes
constexpr uint32_t kButtonFace = 0xC0C0C0;
constexpr uint32_t kBevelLight = 0xDFDFDF;
constexpr uint32_t kBevelShadow = 0x808080;
constexpr uint32_t kBevelDark = 0x404040;
constexpr uint32_t kCentreLine = 0x0000FF;  // reference lines: blue, as on the shape buttons
constexpr uint32_t kColumnFill = 0x808080;
constexpr uint32_t kWallFill = 0xE0E0E0;
constexpr uint32_t kWallHatch = 0xA0A0A0;

// ---- line colour and line type samples -----------------------------------------------

// The six line colours of the pen lists, by list position.
constexpr uint32_t kPenColours[6] = {0x00FFFF, 0x000000, 0x00FF00, 0xFFFF00, 0xFF00FF, 0x0000FF};

// A dash pattern as runs from left to right: n > 0 is n black pixels, n < 0 is -n grey ones.
using Runs = std::vector<int>;

Runs operator+(Runs a, const Runs& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Runs times(int count, const Runs& runs) {
    Runs all;
    for (int i = 0; i < count; ++i) all = all + runs;
    return all;
}

// The nine line types of the pen lists, by list position, written as the runs are read off
// the samples.
Runs pen_style_runs(int position) {
    switch (position) {
        case 0:
            return {55};
        case 1:
            return Runs{-2} + times(6, {4, -4}) + Runs{4, -1};
        case 2:
            return times(6, {4, -4}) + Runs{4, -3};
        case 3:
            return Runs{7} + times(4, {-4, 8});
        case 4:
            return {11, -4, 4, -4, 8, -4, 4, -4, 12};
        case 5:
            return {6, -4, 4, -4, 18, -4, 4, -4, 7};
        case 6:
            return {2, -1, 2, -2, 6, -2, 2, -2, 2, -2, 8, -2, 2, -2, 2, -2, 6, -2, 2, -2, 2};
        case 7:
            return Runs{11} + Runs{-2, 2, -2, 2, -2, 13} + Runs{-2, 2, -2, 2, -2, 11};
        case 8:
            return Runs{-3, 2} + times(5, {-2, 2}) + Runs{-1, 2} + times(6, {-2, 2}) + Runs{-3};
        default:
            return {};
    }
}

Bitmap pen_colour_sample(int position) {
    return Bitmap(55, 2, kPenColours[position]);
}

Bitmap pen_style_sample(int position) {
    Bitmap bitmap(55, 1, kSampleGround);
    int x = 0;
    for (int run : pen_style_runs(position)) {
        const int length = run < 0 ? -run : run;
        for (int i = 0; i < length; ++i, ++x) bitmap.set(x, 0, run > 0 ? kBlack : kSampleGround);
    }
    return bitmap;
}

// ---- drawing helpers --------------------------------------------------------------------

void fill(Bitmap& b, int x0, int y0, int x1, int y1, uint32_t rgb) {  // inclusive corners
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) b.set(x, y, rgb);
}

void outline(Bitmap& b, int x0, int y0, int x1, int y1, uint32_t rgb) {
    fill(b, x0, y0, x1, y0, rgb);
    fill(b, x0, y1, x1, y1, rgb);
    fill(b, x0, y0, x0, y1, rgb);
    fill(b, x1, y0, x1, y1, rgb);
}

// A dash-dot centre line along [from, to] with a long dash centred on `centre`:
// dash `dash`, gap `gap`, dot `dot`, gap `gap`, repeated both ways.
bool dash_dot_on(int at, int centre, int dash, int gap, int dot) {
    const int period = dash + 2 * gap + dot;
    int phase = (at - (centre - dash / 2)) % period;
    if (phase < 0) phase += period;
    return phase < dash || (phase >= dash + gap && phase < dash + gap + dot);
}

void vertical_centre_line(Bitmap& b, int x, int from, int to, int centre, int dash, int gap,
                          int dot, uint32_t rgb) {
    for (int y = from; y <= to; ++y)
        if (dash_dot_on(y, centre, dash, gap, dot)) b.set(x, y, rgb);
}

void horizontal_centre_line(Bitmap& b, int y, int from, int to, int centre, int dash, int gap,
                            int dot, uint32_t rgb) {
    for (int x = from; x <= to; ++x)
        if (dash_dot_on(x, centre, dash, gap, dot)) b.set(x, y, rgb);
}

// ---- column-shape buttons ---------------------------------------------------------------

// A 31 × 31 button: a 2-pixel bevel around a 27 × 27 face (2 … 28). The column is an 11-pixel
// square in the middle (10 … 20); a wall leaves it on each side the shape has, as two black
// face lines 7 pixels apart running out to the edge of the face. Which sides have a wall and
// which column face each wall is flush with are the drawing's rules (wall_position).
constexpr int kButtonSize = 31;
constexpr int kFaceFirst = 2, kFaceLast = 28;
constexpr int kColumnFirst = 10, kColumnLast = 20, kMiddle = 15;
constexpr int kWallWidth = 7;  // from face line to face line, both included

// The first face line of a wall across the column's span: flush with the column's face on
// face A's side (its left or upper face), centred, or flush with the face on face B's side.
int wall_first_line(WallPosition position) {
    switch (position) {
        case WallPosition::FaceA:
            return kColumnFirst;
        case WallPosition::FaceB:
            return kColumnLast - (kWallWidth - 1);
        default:
            return kMiddle - (kWallWidth - 1) / 2;
    }
}

void bevel(Bitmap& b, bool pressed) {
    const int last = kButtonSize - 1;
    const uint32_t outer_lit = pressed ? kBevelDark : kWhite;
    const uint32_t inner_lit = pressed ? kBevelShadow : kBevelLight;
    const uint32_t inner_shade = pressed ? kBevelLight : kBevelShadow;
    const uint32_t outer_shade = pressed ? kWhite : kBevelDark;
    // Top and left first, so the shaded bottom and right own the two far corners.
    fill(b, 0, 0, last, 0, outer_lit);
    fill(b, 0, 0, 0, last, outer_lit);
    fill(b, 1, 1, last - 1, 1, inner_lit);
    fill(b, 1, 1, 1, last - 1, inner_lit);
    fill(b, 1, last - 1, last - 1, last - 1, inner_shade);
    fill(b, last - 1, 1, last - 1, last - 1, inner_shade);
    fill(b, 0, last, last, last, outer_shade);
    fill(b, last, 0, last, last, outer_shade);
}

Bitmap shape_button(int shape, bool pressed) {
    Bitmap b(kButtonSize, kButtonSize, kButtonFace);
    bevel(b, pressed);
    for (WallSide side : kWallSides) {
        const WallPosition position = wall_position(side, shape);
        if (position == WallPosition::None) continue;
        const int first = wall_first_line(position), second = first + kWallWidth - 1;
        switch (side) {
            case WallSide::Up:  // vertical face lines above the column
                fill(b, first, kFaceFirst, first, kColumnFirst - 1, kBlack);
                fill(b, second, kFaceFirst, second, kColumnFirst - 1, kBlack);
                break;
            case WallSide::DOWN:
                fill(b, first, kColumnLast + 1, first, kFaceLast, kBlack);
                fill(b, second, kColumnLast + 1, second, kFaceLast, kBlack);
                break;
            case WallSide::Left:  // horizontal face lines beside the column
                fill(b, kFaceFirst, first, kColumnFirst - 1, first, kBlack);
                fill(b, kFaceFirst, second, kColumnFirst - 1, second, kBlack);
                break;
            case WallSide::Right:
                fill(b, kColumnLast + 1, first, kFaceLast, first, kBlack);
                fill(b, kColumnLast + 1, second, kFaceLast, second, kBlack);
                break;
        }
    }

    fill(b, kColumnFirst, kColumnFirst, kColumnLast, kColumnLast, kColumnFill);
    outline(b, kColumnFirst, kColumnFirst, kColumnLast, kColumnLast, kBlack);

    // The two reference lines cross at the column's centre; the wall face lines never lie
    // on them, so they stay visible along every wall.
    vertical_centre_line(b, kMiddle, kFaceFirst, kFaceLast, kMiddle, 7, 2, 1, kCentreLine);
    horizontal_centre_line(b, kMiddle, kFaceFirst, kFaceLast, kMiddle, 7, 2, 1, kCentreLine);
    return b;
}

// 「交点ごと」: a small floor instead of one column, four columns on two grid lines each way,
// the walls running from column to column, and the reference lines through the columns.
constexpr int kFloorNear = 8, kFloorFar = 22;  // the grid lines
constexpr int kFloorColumn = 3;                // a column reaches 3 pixels from its lines
constexpr int kFloorWall = 2;                  // a wall's faces 2 pixels off its line

Bitmap floor_button(bool pressed) {
    Bitmap b(kButtonSize, kButtonSize, kButtonFace);
    bevel(b, pressed);
    const int lines[] = {kFloorNear, kFloorFar};
    const int from = kFloorNear + kFloorColumn + 1, to = kFloorFar - kFloorColumn - 1;
    for (int at : lines) {
        fill(b, from, at - kFloorWall, to, at - kFloorWall, kBlack);  // along x
        fill(b, from, at + kFloorWall, to, at + kFloorWall, kBlack);
        fill(b, at - kFloorWall, from, at - kFloorWall, to, kBlack);  // along y
        fill(b, at + kFloorWall, from, at + kFloorWall, to, kBlack);
    }
    for (int x : lines) {
        for (int y : lines) {
            fill(b, x - kFloorColumn, y - kFloorColumn, x + kFloorColumn, y + kFloorColumn,
                 kColumnFill);
            outline(b, x - kFloorColumn, y - kFloorColumn, x + kFloorColumn, y + kFloorColumn,
                    kBlack);
        }
    }
    for (int at : lines) {
        vertical_centre_line(b, at, kFaceFirst, kFaceLast, at, 7, 2, 1, kCentreLine);
        horizontal_centre_line(b, at, kFaceFirst, kFaceLast, at, 7, 2, 1, kCentreLine);
    }
    return b;
}

// ---- the schematic's wall pieces and centre lines ---------------------------------------

// A wall piece as cut in plan: its two faces in black along the length, the cut concrete
// hatched between them, both ends open (one end meets the column, the other continues).
Bitmap wall_piece(bool vertical) {
    const int width = vertical ? 51 : 120, height = vertical ? 120 : 51;
    Bitmap b(width, height, kWallFill);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x + y) % 8 == 0) b.set(x, y, kWallHatch);
    if (vertical) {
        fill(b, 0, 0, 0, height - 1, kBlack);
        fill(b, width - 1, 0, width - 1, height - 1, kBlack);
    } else {
        fill(b, 0, 0, width - 1, 0, kBlack);
        fill(b, 0, height - 1, width - 1, height - 1, kBlack);
    }
    return b;
}

// A 401-pixel reference line, blue dash-dot on white, with a long dash at its middle where
// it crosses the column.
Bitmap centre_line(bool vertical) {
    Bitmap b(vertical ? 1 : 401, vertical ? 401 : 1, kWhite);
    if (vertical)
        vertical_centre_line(b, 0, 0, 400, 200, 24, 4, 2, kCentreLine);
    else
        horizontal_centre_line(b, 0, 0, 400, 200, 24, 4, 2, kCentreLine);
    return b;
}

// ---- the window icon --------------------------------------------------------------------

// A column at a crossing of walls, in the 16 standard colours so that any icon depth shows
// it unchanged.
Bitmap icon() {
    constexpr uint32_t kSilver = 0xC0C0C0, kGrey = 0x808080, kBlue = 0x0000FF;
    Bitmap b(32, 32, kWhite);
    // The walls: an 8-pixel band each way, hatched, with black faces.
    fill(b, 12, 0, 19, 31, kSilver);
    fill(b, 0, 12, 31, 19, kSilver);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (b.at(x, y) == kSilver && (x + y) % 4 == 0) b.set(x, y, kGrey);
    for (int i = 0; i < 32; ++i) {
        if (i < 9 || i > 22) {
            b.set(12, i, kBlack), b.set(19, i, kBlack);
            b.set(i, 12, kBlack), b.set(i, 19, kBlack);
        }
    }
    // The column, larger than the walls' thickness.
    fill(b, 9, 9, 22, 22, kGrey);
    outline(b, 9, 9, 22, 22, kBlack);
    vertical_centre_line(b, 15, 0, 31, 15, 8, 2, 1, kBlue);
    horizontal_centre_line(b, 15, 0, 31, 15, 8, 2, 1, kBlue);
    return b;
}

// "name(index)" → index within [0, count), or -1.
int array_index(std::string_view id, std::string_view name, int count) {
    if (id.size() < name.size() + 3 || id.substr(0, name.size()) != name) return -1;
    std::string_view rest = id.substr(name.size());
    if (rest.front() != '(' || rest.back() != ')') return -1;
    rest = rest.substr(1, rest.size() - 2);
    int index = -1;
    auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), index);
    if (error != std::errc() || end != rest.data() + rest.size() || rest.front() == '-') return -1;
    return index < count ? index : -1;
}

}  // namespace

Bitmap greyed(const Bitmap& picture) {
    Bitmap out = picture;
    for (uint32_t& rgb : out.pixels) {
        uint32_t mixed = 0;
        for (int shift : {0, 8, 16}) {
            const uint32_t a = (rgb >> shift) & 0xFF, b = (kButtonFace >> shift) & 0xFF;
            mixed |= ((a + b) / 2) << shift;
        }
        rgb = mixed;
    }
    return out;
}

std::optional<Bitmap> picture_for(std::string_view id) {
    if (int i = array_index(id, "pic_nPenColor", 6); i >= 0) return pen_colour_sample(i);
    if (int i = array_index(id, "pic_nPenStyle", 9); i >= 0) return pen_style_sample(i);
    for (const bool pressed : {false, true}) {
        const int i = array_index(id, pressed ? "img_botanD" : "img_botanU", kWholeFloor + 1);
        if (i == kWholeFloor) return floor_button(pressed);
        if (i >= 0) return shape_button(i, pressed);
    }
    if (id == "pic_ku" || id == "pic_kd") return wall_piece(true);
    if (id == "pic_kl" || id == "pic_kr") return wall_piece(false);
    if (id == "pic_lt") return centre_line(true);
    if (id == "pic_ly") return centre_line(false);
    if (id == "icon") return icon();
    return std::nullopt;
}

}  // namespace quornel

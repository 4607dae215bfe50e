#include "win32/windowless_painter.h"

#include <algorithm>

#include "ui/startup_trace.h"
#include "win32/dpi.h"
#include "win32/gdi_object.h"
#include "win32/wide_text.h"

namespace quornel {
namespace {

// Lines and outlines are one pixel at 96 DPI and grow with the scale.
int stroke_width(unsigned dpi) {
    return std::max(1, static_cast<int>((dpi + 48) / kBaseDpi));
}

void paint_square(HDC dc, const Shape& shape, unsigned dpi) {
    const RECT r = twips_rect_to_px(shape.rect, dpi);
    GdiObject<HPEN> pen(CreatePen(PS_SOLID | PS_INSIDEFRAME, stroke_width(dpi), RGB(0, 0, 0)));
    SelectInScope use_pen(dc, pen.get());
    SelectInScope use_brush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void paint_dot(HDC dc, const Shape& shape, unsigned dpi) {
    const RECT r = twips_rect_to_px(shape.rect, dpi);
    SelectInScope use_pen(dc, GetStockObject(BLACK_PEN));
    SelectInScope use_brush(dc, GetStockObject(BLACK_BRUSH));
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
}

void paint_line(HDC dc, const Line& line, unsigned dpi) {
    const int x1 = twips_to_px(line.x1, dpi), y1 = twips_to_px(line.y1, dpi);
    const int x2 = twips_to_px(line.x2, dpi), y2 = twips_to_px(line.y2, dpi);
    const int width = stroke_width(dpi);
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, width, RGB(0, 0, 0)));
    SelectInScope use_pen(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    // LineTo leaves out the end point; the line in the model includes it.
    if (width == 1) SetPixelV(dc, x2, y2, RGB(0, 0, 0));
}

void paint_picture(HDC dc, const Picture& picture, unsigned dpi, PictureCache& pictures) {
    const Bitmap* bitmap = pictures.get(picture.picture);
    if (!bitmap) return;
    RECT target = twips_rect_to_px(picture.rect, dpi);
    if (picture.kind == ControlKind::PictureBox) {
        // A picture box shows its picture at the top-left corner, unstretched (pixels of
        // a 96-DPI screen, scaled with the screen), clipped to the box.
        const int scale = std::max(1, static_cast<int>((dpi + 48) / kBaseDpi));
        const RECT box = target;
        target.right = target.left + bitmap->width * scale;
        target.bottom = target.top + bitmap->height * scale;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
        draw_bitmap(dc, *bitmap, target);
        RestoreDC(dc, saved);
        return;
    }
    draw_bitmap(dc, *bitmap, target);
}

void paint_label(HDC dc, const Label& label, unsigned dpi, HFONT font) {
    RECT r = twips_rect_to_px(label.rect, dpi);
    const std::wstring text = widen(label.caption);
    SelectInScope use_font(dc,
                           font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(label.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace

const Bitmap* PictureCache::get(const std::string& id) {
    if (id.empty()) return nullptr;
    auto it = cache_.find(id);
    if (it == cache_.end()) {
        StartupTrace::Part made(startup_trace(), "pictures");
        it = cache_.emplace(id, picture_for(id)).first;
    }
    return it->second ? &*it->second : nullptr;
}

void draw_bitmap(HDC dc, const Bitmap& bitmap, const RECT& target) {
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.pixels.empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = bitmap.width;
    info.bmiHeader.biHeight = -bitmap.height;  // top row first, as the model keeps it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // 0x00RRGGBB in memory is the B, G, R, unused byte order a 32-bit DIB wants.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, target.left, target.top, target.right - target.left,
                  target.bottom - target.top, 0, 0, bitmap.width, bitmap.height,
                  bitmap.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

bool is_dot(const Control& control) {
    return control.name.rfind("dot", 0) == 0;
}

void paint_windowless(HDC dc, const std::vector<const Control*>& items, unsigned dpi,
                      PictureCache& pictures, HFONT font) {
    for (const Control* c : items) {
        if (c->visible && c->kind == ControlKind::Shape && !is_dot(*c))
            paint_square(dc, static_cast<const Shape&>(*c), dpi);
    }
    for (const Control* c : items) {
        if (c->visible && (c->kind == ControlKind::Image || c->kind == ControlKind::PictureBox))
            paint_picture(dc, static_cast<const Picture&>(*c), dpi, pictures);
    }
    for (const Control* c : items) {
        if (c->visible && c->kind == ControlKind::Line)
            paint_line(dc, static_cast<const Line&>(*c), dpi);
    }
    for (const Control* c : items) {
        if (c->visible && c->kind == ControlKind::Shape && is_dot(*c))
            paint_dot(dc, static_cast<const Shape&>(*c), dpi);
    }
    for (const Control* c : items) {
        if (c->visible && c->kind == ControlKind::Label)
            paint_label(dc, static_cast<const Label&>(*c), dpi, font);
    }
}

}  // namespace quornel

#include "win32/app_icon.h"

#include <vector>

#include "ui/pictures.h"
#include "win32/gdi_object.h"

namespace quornel {

HICON make_app_icon() {
    const std::optional<Bitmap> picture = picture_for("icon");
    if (!picture || picture->width <= 0 || picture->height <= 0) return nullptr;
    const int w = picture->width, h = picture->height;

    BITMAPV5HEADER header{};
    header.bV5Size = sizeof(header);
    header.bV5Width = w;
    header.bV5Height = -h;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    GdiObject<HBITMAP> colour(CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                               DIB_RGB_COLORS, &bits, nullptr, 0));
    ReleaseDC(nullptr, screen);
    if (!colour || !bits) return nullptr;
    auto* out = static_cast<std::uint32_t*>(bits);
    // Every pixel opaque: the picture has no transparent parts.
    for (std::size_t i = 0; i < picture->pixels.size(); ++i) out[i] = picture->pixels[i] | 0xFF000000u;
    const std::vector<std::uint8_t> zeros(static_cast<std::size_t>((w + 15) / 16 * 2) * h, 0);
    GdiObject<HBITMAP> mask(CreateBitmap(w, h, 1, 1, zeros.data()));

    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour.get();
    info.hbmMask = mask.get();
    return CreateIconIndirect(&info);
}

}  // namespace quornel

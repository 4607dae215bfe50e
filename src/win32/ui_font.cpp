#include "win32/ui_font.h"

#include "win32/dpi.h"

namespace quornel {
namespace {

int CALLBACK note_found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool font_exists(HDC dc, const wchar_t* face) {
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(dc, &lf, note_found, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring choose_face() {
    HDC screen = GetDC(nullptr);
    std::wstring chosen;
    for (const wchar_t* face : {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic"}) {
        if (font_exists(screen, face)) {
            chosen = face;
            break;
        }
    }
    ReleaseDC(nullptr, screen);
    if (chosen.empty()) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
            chosen = metrics.lfMessageFont.lfFaceName;
    }
    return chosen;
}

}  // namespace

const std::wstring& ui_font_face() {
    static const std::wstring face = choose_face();
    return face;
}

UiFont::UiFont(unsigned dpi) : dpi_(dpi) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(9, static_cast<int>(dpi), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, ui_font_face().c_str(), LF_FACESIZE);
    font_.reset(CreateFontIndirectW(&lf));
    if (!font_) font_.reset(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

}  // namespace quornel

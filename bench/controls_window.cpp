// The fair floor for the start-up benchmark: a plain Win32 program that shows the native
// controls quornel's first page shows and nothing else. A tab control with two pages, 29
// editable combo boxes holding five entries each, 21 buttons (quornel's 11 push buttons and
// its 10 shape buttons), 11 option buttons in three groups, 3 check boxes, three frames and the
// schematic's picture box, the Japanese UI font, in a window of quornel's size; built the same way
// (static, GUI subsystem). Whatever quornel needs beyond this is its own work: reading its
// files, the model, the pictures, layout.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>

#include "floor_trace.h"

namespace {

constexpr int kCombos = 29;
constexpr int kButtons = 21;
constexpr int kCheckBoxes = 3;  // the choices of 「交点ごと」
// 柱芯/壁芯, 寸法位置 and 柱記号位置.
constexpr int kOptionGroups[] = {2, 4, 5};

HFONT ui_font() {
    LOGFONTW lf{};
    HDC screen = GetDC(nullptr);
    lf.lfHeight = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, L"MS UI Gothic", LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

HWND child(const wchar_t* cls, const wchar_t* text, DWORD style, HWND parent, int x, int y, int w,
           int h, HFONT font) {
    HWND hwnd = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w,
                                h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return hwnd;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    floor_trace(false);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    HWND hwnd = floor_window(instance, L"ControlsWindow", L"controls", WS_EX_CONTROLPARENT,
                             WS_CLIPCHILDREN);
    HFONT font = ui_font();
    floor_phase("window");

    HWND tab =
        child(WC_TABCONTROLW, L"", WS_CLIPCHILDREN | WS_CLIPSIBLINGS, hwnd, 8, 8, 761, 577, font);
    const wchar_t* pages[] = {L"作図", L"基本設定"};
    for (int i = 0; i < 2; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(pages[i]);
        SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }

    // The three frames holding the option buttons, and the schematic's picture box.
    for (int g = 0; g < 3; ++g) {
        child(WC_STATICW, L"", SS_ETCHEDFRAME, tab, 20, 60 + g * 130, 120, 110, font);
        for (int i = 0; i < kOptionGroups[g]; ++i) {
            child(WC_BUTTONW, L"C", BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0), tab, 30 + i * 22,
                  70 + g * 130, 20, 17, font);
        }
    }
    child(WC_STATICW, L"", SS_WHITERECT | SS_SUNKEN, tab, 160, 30, 560, 500, font);
    for (int i = 0; i < kCheckBoxes; ++i)
        child(WC_BUTTONW, L"壁をつなぐ", BS_AUTOCHECKBOX, tab, 20, 450 - i * 20, 130, 17, font);

    // Laid out in a grid over the page, each box with a list of five recent values.
    for (int i = 0; i < kCombos; ++i) {
        HWND box = child(WC_COMBOBOXW, L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, tab,
                         170 + (i % 6) * 95, 40 + (i / 6) * 60, 60, 20 + 10 * 16, font);
        for (int entry = 0; entry < 5; ++entry) {
            wchar_t text[16];
            std::swprintf(text, 16, L"%d", (entry + 1) * 150);
            SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
        SetWindowTextW(box, L"150");
    }
    for (int i = 0; i < kButtons; ++i) {
        child(WC_BUTTONW, L"作図", BS_PUSHBUTTON, tab, 20 + (i % 11) * 66, 480 + (i / 11) * 36, 60,
              25, font);
    }

    floor_phase("control_creation");
    ShowWindow(hwnd, SW_SHOW);
    floor_phase("show");
    UpdateWindow(hwnd);
    floor_trace(true);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(hwnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DeleteObject(font);
    return 0;
}

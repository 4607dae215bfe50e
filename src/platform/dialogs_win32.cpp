#include "platform/dialogs_win32.h"

#include <cstring>

#include "platform/utf16.h"

namespace quornel {

namespace {

std::wstring wide(std::string_view utf8) {
    const std::string bytes = utf8_to_utf16le(utf8);
    std::wstring out(bytes.size() / 2, L'\0');
    std::memcpy(out.data(), bytes.data(), out.size() * sizeof(wchar_t));
    return out;
}

}  // namespace

UINT message_box_style(DialogButtons buttons, DialogIcon icon, bool owned) {
    UINT style = buttons == DialogButtons::YesNo ? (MB_YESNO | MB_DEFBUTTON1) : MB_OK;
    if (icon == DialogIcon::Warning) style |= MB_ICONWARNING;
    // Without an owner the box must still come to the front: it is all the user sees.
    style |= owned ? MB_APPLMODAL : (MB_TASKMODAL | MB_SETFOREGROUND);
    return style;
}

DialogAnswer MessageBoxDialogs::show(const std::string& text, const std::string& title,
                                     DialogButtons buttons, DialogIcon icon) {
    HWND owner = owner_ && IsWindow(owner_) ? owner_ : nullptr;
    if (owner && before_show) before_show();
    const int answer = MessageBoxW(owner, wide(text).c_str(), wide(title).c_str(),
                                   message_box_style(buttons, icon, owner != nullptr));
    if (buttons == DialogButtons::Ok) return DialogAnswer::Ok;
    // A Yes/No box closed any other way (it has no close button) counts as No: nothing
    // irreversible happens without an explicit Yes.
    return answer == IDYES ? DialogAnswer::Yes : DialogAnswer::No;
}

}  // namespace quornel

#pragma once
// The uninstaller's window Form1 as data, and its one handler. The native window shows
// these captions at these places and calls Command1_Click when the button is pressed.
#include <string>

#include "platform/dialogs.h"
#include "platform/registry.h"

namespace quornel::uninstall {

inline constexpr const char* kTitle = "uninstall";  // the program's title: message caption
// The window's caption says what the program does; the form's own name would read as
// something left unfinished.
inline constexpr const char* kFormCaption = "quornel の設定の削除";
// The form as designed is 2235 twips wide, too narrow for the caption beside the caption's
// buttons (it would end in "…"); it is widened by kTitleRoom, and its two controls move by
// half of that to stay in the middle.
inline constexpr int kTitleRoom = 1380;
inline constexpr int kClientWidth = 2235 + kTitleRoom;  // twips
inline constexpr int kClientHeight = 1500;

struct FormControl {
    const char* name;
    const char* caption;
    int left, top, width, height;  // twips
};
inline constexpr FormControl kLabel1{"Label1", "レジストリ消去", 480 + kTitleRoom / 2, 240, 1335,
                                     375};
inline constexpr FormControl kCommand1{"Command1", "ＯＫ", 600 + kTitleRoom / 2, 960, 975, 375};

// quornel's keys under HKEY_CURRENT_USER. The maker's key Software\Norvale stays.
inline constexpr const char* kProductKey = "Software\\Norvale\\quornel";
inline constexpr const char* kSettingsSubkey = "settei";
inline constexpr const char* kMakerKey = "Software\\Norvale";
inline constexpr const char* kProductSubkey = "quornel";

inline constexpr const char* kMessageDeleted = "レジストリ情報を削除しました。";
inline constexpr const char* kMessageAlreadyDeleted = "レジストリ情報削除済です";
inline constexpr const char* kMessageNotDeleted =
    "レジストリ情報を削除できませんでした。\n"
    "HKEY_CURRENT_USER\\Software\\Norvale\\quornel に quornel 以外の設定が残っているか、"
    "削除が許可されていません。";

// Deletes the settings key and then the product key, and tells the user the outcome in a
// message box titled kTitle. Returns the message shown.
std::string Command1_Click(Registry& registry, Dialogs& dialogs);

}  // namespace quornel::uninstall

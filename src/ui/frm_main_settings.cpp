// The settings commands: 「基本設定保存」, both 「リセット」 buttons, 「前回値」 and
// 「記号で呼出」.
#include <cstdint>
#include <string>

#include "settings/registry_settings.h"
#include "settings/registry_values.h"
#include "ui/frm_main.h"

namespace quornel {

void FrmMain::cmdS_hozon_Click() {
    const auto boxes = settei_boxes();
    int failed = 0;
    for (int i = 0; i < kSetteiValues; ++i) {
        // The list position as a 16-bit integer: no selection is stored as -1.
        const auto position = static_cast<std::int16_t>(boxes[i] ? boxes[i]->list_index : -1);
        if (!SetRegValue(env_.registry, kSetteiKey, kSetteiPicks[i].value_name,
                         RegVariant::integer(position))) {
            ++failed;
        }
    }
    if (failed == kSetteiValues) {
        show_warning(
            "基本設定をレジストリに保存できませんでした。\n"
            "次に起動したときは、前に保存した設定が使われます。");
        return;
    }
    if (failed > 0) {
        // The values before the failure are saved (a disk that filled up part-way): the
        // next start would mix old and new choices, so the user must hear it.
        show_warning("基本設定の一部（" + std::to_string(kSetteiValues) + " 項目のうち " +
                     std::to_string(failed) +
                     " 項目）をレジストリに保存できませんでした。\n"
                     "次に起動したときは、保存できた項目だけが新しい設定になります。");
        return;
    }
    env_.dialogs.show("デフォルトに設定しました。", "設定保存", DialogButtons::Ok,
                      DialogIcon::None);
}

void FrmMain::cmdS_reset_Click() {
    if (env_.dialogs.show("リセットしてよろしいですか？", "設定リセット", DialogButtons::YesNo,
                          DialogIcon::None) != DialogAnswer::Yes) {
        return;
    }
    // In the order of the registry values (settei_picks.h says why that order will do).
    for (ComboBox* box : settei_boxes()) {
        if (box) set_list_index(*box, 0);
    }
}

void FrmMain::cmdReset_Click() {
    if (env_.dialogs.show("クリアしてよろしいですか？", "設定リセット", DialogButtons::YesNo,
                          DialogIcon::None) != DialogAnswer::Yes) {
        return;
    }
    UseDefaultLists = 1;
    ListDataLoad(true);
    // Start-up reads the same default lists again; one message about them is enough.
    report_list_problems_ = false;
    Form_Load();
    report_list_problems_ = true;
    // Start-up puts the dimension and symbol positions back to 4; the buttons follow, so
    // the window never shows a position other than the one that will be drawn.
    select_option(optSunpoIti(4));
    select_option(optHasiraMoji[4]);
}

void FrmMain::cmdResData_Click() {
    ResDataLoad();
}

void FrmMain::cmdKigouData_Click() {
    KigouDataLoad();
}

}  // namespace quornel

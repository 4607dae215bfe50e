#include "uninstall/uninstall_window.h"

#include "uninstall/key_deletion.h"

namespace quornel::uninstall {

std::string Command1_Click(Registry& registry, Dialogs& dialogs) {
    // First the settings key, then (once that is gone) the product key. After a failed first
    // step the second call tries the settings key again.
    bool first = DeleteRegKey(registry, kProductKey, kSettingsSubkey);
    bool second = first ? DeleteRegKey(registry, kMakerKey, kProductSubkey)
                        : DeleteRegKey(registry, kProductKey, kSettingsSubkey);
    // A product key without a settings key (quornel never saved its settings) is removed too;
    // the plain delete still leaves it alone when something else lives below it.
    bool third = false;
    if (!first && registry.key_exists(kProductKey))
        third = DeleteRegKey(registry, kMakerKey, kProductSubkey);

    std::string message;
    DialogIcon icon = DialogIcon::None;
    if (registry.key_exists(kProductKey)) {
        // Saying "already deleted" here would send the user off with quornel's key still
        // in the registry.
        message = kMessageNotDeleted;
        icon = DialogIcon::Warning;
    } else if (first || second || third) {
        message = kMessageDeleted;
    } else {
        message = kMessageAlreadyDeleted;
    }
    dialogs.show(message, kTitle, DialogButtons::Ok, icon);
    return message;
}

}  // namespace quornel::uninstall

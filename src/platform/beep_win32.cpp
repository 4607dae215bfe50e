#include "platform/beep_win32.h"

#include <windows.h>

namespace quornel {

void SystemBeep::warning() {
    // The sound the user has chosen for warnings, as a message box with the warning icon
    // plays it.
    MessageBeep(MB_ICONWARNING);
}

}  // namespace quornel

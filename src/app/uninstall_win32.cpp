// uninstall.exe: removes quornel's registry key.
#include <windows.h>

#include <commctrl.h>

#include "platform/dialogs_win32.h"
#include "platform/registry.h"
#include "win32/system_dll.h"
#include "win32/uninstall_view.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    quornel::win::load_dlls_from_system_folder_only();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    auto registry = quornel::open_user_registry();
    quornel::MessageBoxDialogs dialogs;
    quornel::Form1View form(*registry, dialogs);
    if (!form.create()) return 1;
    dialogs.set_owner(form.hwnd());
    form.show();
    form.run();
    dialogs.set_owner(nullptr);
    return 0;
}

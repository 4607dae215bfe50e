// quornel.exe: the window that Jw_cad's external-transform batch file starts. With
// --repeat (or --script) it runs without a window, its messages in message boxes; --help and
// --version print their text for whoever started it.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/beep_win32.h"
#include "platform/dialogs_win32.h"
#include "platform/file_system.h"
#include "platform/program_dir.h"
#include "platform/registry.h"
#include "platform/text_sink.h"
#include "ui/command_line.h"
#include "ui/frm_main.h"
#include "ui/headless_run.h"
#include "ui/startup_trace.h"
#include "win32/frm_main_view.h"
#include "win32/startup_trace_file.h"
#include "win32/system_dll.h"
#include "win32/wide_text.h"

namespace {

std::vector<std::string> utf8_arguments() {
    std::vector<std::string> args;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return args;
    for (int i = 1; i < argc; ++i) args.push_back(quornel::narrow(argv[i]));
    LocalFree(argv);
    return args;
}

int run_without_window(const std::vector<std::string>& args) {
    quornel::MessageBoxDialogs dialogs;
    // A GUI program has no console of its own; output goes wherever the caller sent its
    // standard handles (a batch file's redirection, a terminal under Wine).
    quornel::StringSink out, err;
    const int status = quornel::run_headless(args, dialogs, out, err);
    quornel::FileSink(stdout).write(out.str());
    quornel::FileSink(stderr).write(err.str());
    if (!err.str().empty() && !GetStdHandle(STD_ERROR_HANDLE)) {
        dialogs.show(err.str(), "quornel", quornel::DialogButtons::Ok,
                     quornel::DialogIcon::Warning);
    }
    return status;
}

bool write_console(HANDLE console, const std::string& utf8) {
    const std::wstring text = quornel::widen(utf8);
    DWORD written = 0;
    return WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written,
                         nullptr) != 0;
}

// A window program has no console of its own. The text goes to standard output where the
// caller gave one (a redirection or a pipe, a terminal under Wine); else to the console of
// the command prompt that started quornel.exe (which does not wait for a window program,
// so the text comes after its next prompt); else, started from Explorer or a shortcut,
// into a message box.
void show_info(const std::string& utf8) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) {
        DWORD mode = 0;
        if (GetConsoleMode(out, &mode)) {
            if (write_console(out, utf8)) return;
        } else {
            const bool written = std::fwrite(utf8.data(), 1, utf8.size(), stdout) == utf8.size();
            if (written && std::fflush(stdout) == 0) return;
            std::clearerr(stdout);
        }
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
        bool shown = false;
        if (console != INVALID_HANDLE_VALUE) {
            shown = write_console(console, "\n" + utf8);
            CloseHandle(console);
        }
        FreeConsole();
        if (shown) return;
    }
    quornel::MessageBoxDialogs().show(utf8, "quornel", quornel::DialogButtons::Ok,
                                      quornel::DialogIcon::None);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    quornel::win::load_dlls_from_system_folder_only();
    const std::vector<std::string> args = utf8_arguments();
    if (const quornel::InfoRequest info = quornel::info_request(args);
        info != quornel::InfoRequest::None) {
        show_info(quornel::info_text(info));
        return 0;
    }
    if (quornel::is_headless_request(args)) return run_without_window(args);

    quornel::start_startup_trace_if_asked();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    quornel::startup_trace().phase("common controls");

    auto registry = quornel::open_user_registry();
    quornel::MessageBoxDialogs dialogs;
    quornel::SystemBeep beep;
    quornel::FrmMain model(quornel::FrmMainEnv{quornel::real_file_system(), *registry, dialogs,
                                               quornel::executable_dir(), beep});
    quornel::startup_trace().phase("model");
    // Form_Load runs before the window is first shown; when it cannot go on (no exchange
    // header) it has told the user and the program ends.
    model.Form_Load();
    if (model.closed) return 1;

    quornel::FrmMainView view(model, dialogs);
    if (!view.create()) {
        dialogs.show("ウィンドウを作成できませんでした。", "quornel", quornel::DialogButtons::Ok,
                     quornel::DialogIcon::Warning);
        return 1;
    }
    view.show();
    quornel::write_startup_trace();
    view.run();
    return 0;
}

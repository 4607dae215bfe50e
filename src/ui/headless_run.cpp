#include "ui/headless_run.h"

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/file_system.h"
#include "platform/program_dir.h"
#include "platform/registry.h"
#include "ui/command_line.h"
#include "ui/frm_main.h"
#include "ui/script_runner.h"

namespace quornel {

namespace {

// What Jw_cad passes for the text typed at a batch file's "REM #f … /_/S" prompt: /S and the
// text, /S alone when nothing was typed.
constexpr std::string_view kSymbolPrefix = "/S";

bool is_symbol_argument(const std::string& a) {
    return a.starts_with(kSymbolPrefix);
}

struct Request {
    bool repeat = false;
    std::optional<std::string> symbol;  // empty: the previous values
    std::optional<std::string> script;
    std::optional<std::string> dir;
    std::string error;
};

Request parse(const std::vector<std::string>& args) {
    Request r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--repeat") {
            r.repeat = true;
        } else if ((a == "--script" || a == "--dir" || a == "--symbol") && i + 1 < args.size()) {
            (a == "--script" ? r.script : a == "--dir" ? r.dir : r.symbol) = args[++i];
        } else if (is_symbol_argument(a)) {
            r.symbol = a.substr(kSymbolPrefix.size());
        } else {
            r.error = "引数「" + a + "」は使えません。";
        }
    }
    if (r.error.empty() && r.symbol && !r.repeat) {
        r.error = "--symbol（/S）は --repeat といっしょに指定してください。";
    }
    if (r.error.empty() && r.repeat == r.script.has_value()) {
        r.error = "--repeat か --script FILE のどちらか一つを指定してください。";
    }
    return r;
}

std::filesystem::path utf8_path(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace

bool is_headless_request(const std::vector<std::string>& args) {
    // A symbol without --repeat is a run asked for wrongly, which run_headless explains.
    for (const std::string& a : args) {
        if (a == "--repeat" || a == "--script" || a == "--symbol" || is_symbol_argument(a))
            return true;
    }
    return false;
}

int run_headless(const std::vector<std::string>& args, Dialogs& dialogs, TextSink& out,
                 TextSink& err) {
    const Request request = parse(args);
    if (!request.error.empty()) {
        err << "quornel: " << request.error << "\n" << usage_text();
        return 2;
    }
    const std::filesystem::path dir = request.dir ? utf8_path(*request.dir) : executable_dir();
    std::unique_ptr<Registry> registry = open_user_registry();
    FileSystem& fs = real_file_system();

    if (request.script) {
        const Result<std::string> script = fs.read_all(utf8_path(*request.script));
        if (!script) {
            err << "quornel: スクリプト「" << *request.script << "」を開けません。\n";
            return 2;
        }
        return run_script(fs, *registry, dir, *script, out, err);
    }

    // The same handlers as the window, in the order a person would press them.
    FrmMain form(FrmMainEnv{fs, *registry, dialogs, dir});
    form.Form_Load();
    if (form.closed) return 1;
    form.set_strict_restore(true);
    if (request.symbol && !request.symbol->empty()) {
        // The symbol as a person types it into 柱記号 before pressing 「記号で呼出」.
        form.cboHasiraKigou.text = *request.symbol;
        form.cmdKigouData_Click();
    } else {
        form.cmdResData_Click();
    }
    if (!form.last_restore_complete()) return 1;
    form.cmdSakuzu_Click();
    return form.closed ? 0 : 1;
}

}  // namespace quornel

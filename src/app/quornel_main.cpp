// The native quornel: the runs without a window. The window itself exists only in the
// Windows build (src/win32).
#include <cstdio>
#include <string>
#include <vector>

#include "platform/text_sink.h"
#include "ui/command_line.h"
#include "ui/headless_run.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    quornel::FileSink out(stdout), err(stderr);
    if (const quornel::InfoRequest info = quornel::info_request(args);
        info != quornel::InfoRequest::None) {
        out << quornel::info_text(info);
        return 0;
    }
    quornel::StreamDialogs dialogs(err);
    if (!quornel::is_headless_request(args)) {
        err << "quornel: このビルドにはウィンドウがありません。\n" << quornel::usage_text();
        return 2;
    }
    return quornel::run_headless(args, dialogs, out, err);
}

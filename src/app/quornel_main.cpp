// The native quornel: the runs without a window. The window itself exists only in the
// Windows build (src/win32).
#include <iostream>
#include <string>
#include <vector>

#include "ui/command_line.h"
#include "ui/headless_run.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const quornel::InfoRequest info = quornel::info_request(args);
        info != quornel::InfoRequest::None) {
        std::cout << quornel::info_text(info);
        return 0;
    }
    quornel::StreamDialogs dialogs(std::cerr);
    if (!quornel::is_headless_request(args)) {
        std::cerr << "quornel: このビルドにはウィンドウがありません。\n" << quornel::usage_text();
        return 2;
    }
    return quornel::run_headless(args, dialogs, std::cout, std::cerr);
}

// The native quornel: the runs without a window. The window itself exists only in the
// Windows build (src/win32).
#include <iostream>
#include <string>
#include <vector>

#include "ui/headless_run.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    quornel::StreamDialogs dialogs(std::cerr);
    if (!quornel::is_headless_request(args)) {
        std::cerr << "quornel: このビルドにはウィンドウがありません。\n"
                  << "使い方: quornel --repeat [--dir DIR] | quornel --script FILE [--dir DIR]\n";
        return 2;
    }
    return quornel::run_headless(args, dialogs, std::cout, std::cerr);
}

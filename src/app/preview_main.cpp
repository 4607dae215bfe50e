// quornel-preview: renders a JWC_TEMP.TXT written by quornel as an SVG picture.
#include <iostream>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "preview/preview_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return quornel::run_preview(args, quornel::real_file_system(), std::cout, std::cerr);
}

#pragma once
// quornel-preview JWC_TEMP.TXT [-o out.svg]: the command behind the program's main().
#include <ostream>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace quornel {

// `args` without the program name. The SVG goes to the -o path, else beside the input
// with the extension .svg. Messages go to `err`, Japanese first; the return value is the
// exit code: 0 written, 1 input refused or a file failed, 2 wrong arguments.
int run_preview(const std::vector<std::string>& args, FileSystem& fs, std::ostream& out,
                std::ostream& err);

}  // namespace quornel

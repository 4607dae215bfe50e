#pragma once
// The runs without a window, shared by the native program and the Windows program:
//   quornel --repeat [--dir DIR]       start-up, 「前回値」, 「作図」, exactly as the window
//                                      does them; any problem stops with a message and
//                                      writes nothing
//   quornel --repeat --symbol SYMBOL   the same with SYMBOL typed in 柱記号 and 「記号で呼出」
//                                      instead of 「前回値」; /SSYMBOL says the same, and
//                                      an empty SYMBOL means 「前回値」
//   quornel --script FILE [--dir DIR]  the scripted use of the window (ui/script_runner.h)
// DIR defaults to the folder of the executable. The registry is the current user's.
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/text_sink.h"

namespace quornel {

// True when the arguments (without the program name) ask for one of the runs above.
bool is_headless_request(const std::vector<std::string>& args);

// Runs it. Messages of --repeat go to `dialogs`; --script prints to `out` and `err`.
// 0 on success; non-zero when the run stopped, with the message already shown.
int run_headless(const std::vector<std::string>& args, Dialogs& dialogs, TextSink& out,
                 TextSink& err);

}  // namespace quornel

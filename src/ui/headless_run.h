#pragma once
// The runs without a window, shared by the native program and the Windows program:
//   quornel --repeat [--dir DIR]       start-up, 「前回値」, 「作図」, exactly as the window
//                                      does them; any problem stops with a message and
//                                      writes nothing
//   quornel --script FILE [--dir DIR]  the scripted use of the window (ui/script_runner.h)
// DIR defaults to the folder of the executable. The registry is the current user's.
#include <ostream>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace quornel {

// True when the arguments (without the program name) ask for one of the runs above.
bool is_headless_request(const std::vector<std::string>& args);

// Runs it. Messages of --repeat go to `dialogs`; --script prints to `out` and `err`.
// 0 on success; non-zero when the run stopped, with the message already shown.
int run_headless(const std::vector<std::string>& args, Dialogs& dialogs, std::ostream& out,
                 std::ostream& err);

// Message boxes of a run without a window: "TITLE: TEXT" on a stream (standard error);
// a Yes/No question is answered No, the answer that changes nothing.
class StreamDialogs : public Dialogs {
  public:
    explicit StreamDialogs(std::ostream& stream) : stream_(stream) {}
    DialogAnswer show(const std::string& text, const std::string& title, DialogButtons buttons,
                      DialogIcon icon) override;

  private:
    std::ostream& stream_;
};

}  // namespace quornel

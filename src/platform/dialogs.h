#pragma once
// Message boxes. The Windows programs show MessageBoxW (platform/dialogs_win32.h); a run
// without a window prints them (StreamDialogs for --repeat, ScriptDialogs for --script);
// the tests record them and answer from their scripts.
#include <deque>
#include <functional>
#include <string>

#include "platform/text_sink.h"

namespace quornel {

enum class DialogButtons { Ok, YesNo };
enum class DialogAnswer { Ok, Yes, No };
// Icon::None where the program's own messages say so; Warning for refusals and failures.
enum class DialogIcon { None, Warning };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Modal. A Yes/No box has Yes as the default button.
    virtual DialogAnswer show(const std::string& text, const std::string& title,
                              DialogButtons buttons, DialogIcon icon) = 0;
};

// Message boxes of a run without a window: "TITLE: TEXT" on an output (standard error);
// a Yes/No question is answered No, the answer that changes nothing.
class StreamDialogs : public Dialogs {
  public:
    explicit StreamDialogs(TextSink& stream) : stream_(stream) {}
    DialogAnswer show(const std::string& text, const std::string& title, DialogButtons buttons,
                      DialogIcon icon) override;

  private:
    TextSink& stream_;
};

// Message boxes of a scripted run: a Yes/No question takes the next queued answer (No, which
// changes nothing, when none is left); every box is handed on with its answer as it appears,
// for the run to print.
class ScriptDialogs : public Dialogs {
  public:
    using Report = std::function<void(const std::string& text, const std::string& title,
                                      DialogButtons buttons, DialogAnswer answer)>;
    explicit ScriptDialogs(Report report) : report_(std::move(report)) {}
    void queue(DialogAnswer answer) { answers_.push_back(answer); }
    DialogAnswer show(const std::string& text, const std::string& title, DialogButtons buttons,
                      DialogIcon icon) override;

  private:
    Report report_;
    std::deque<DialogAnswer> answers_;
};

}  // namespace quornel

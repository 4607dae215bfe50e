#pragma once
// Dialogs for tests: records every message box the program shows and answers the Yes/No
// questions from a script, as a user at the screen would.
#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace quornel::test {

struct ShownDialog {
    std::string text;
    std::string title;
    DialogButtons buttons = DialogButtons::Ok;
    DialogIcon icon = DialogIcon::None;
};

class ScriptedDialogs : public Dialogs {
  public:
    // The answer to the next Yes/No question. OK boxes need no script.
    ScriptedDialogs& answer(DialogAnswer a) {
        answers_.push_back(a);
        return *this;
    }

    // A Yes/No question without a scripted answer fails the test and is answered No, the
    // answer that changes nothing.
    DialogAnswer show(const std::string& text, const std::string& title, DialogButtons buttons,
                      DialogIcon icon) override;

    const std::vector<ShownDialog>& shown() const { return shown_; }
    std::vector<std::string> texts() const;
    // The last dialog shown; fails the test when none was shown.
    ShownDialog last() const;
    std::size_t unused_answers() const { return answers_.size(); }
    void clear() {
        shown_.clear();
        answers_.clear();
    }

  private:
    std::deque<DialogAnswer> answers_;
    std::vector<ShownDialog> shown_;
};

}  // namespace quornel::test

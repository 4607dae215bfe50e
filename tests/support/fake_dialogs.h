#pragma once
// The message boxes of the tests and the fuzz targets: records every box the program shows
// and answers its Yes/No questions from a script, as a user at the screen would. Given a
// backend (the native boxes), it records and lets that backend show and answer.
// No test framework here: the fuzz targets use it too; a test passes test::add_failure
// (support/add_failure.h) to hear of what it did not expect.
#include <deque>
#include <functional>
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

class FakeDialogs : public Dialogs {
  public:
    // Told of what the script did not expect: a Yes/No question it gave no answer for, a
    // question it answered OK, last() with no box shown.
    using Complaint = std::function<void(const std::string&)>;

    explicit FakeDialogs(Complaint complain = {}) : complain_(std::move(complain)) {}
    explicit FakeDialogs(Dialogs& backend) : backend_(&backend) {}

    // The answer to the next Yes/No question. OK boxes need no script; a scripted OK is
    // taken by the next OK box, so that a script may spell out every box in order.
    FakeDialogs& answer(DialogAnswer a) {
        answers_.push_back(a);
        return *this;
    }

    // A Yes/No question without a scripted answer is a complaint and is answered No, the
    // answer that changes nothing.
    DialogAnswer show(const std::string& text, const std::string& title, DialogButtons buttons,
                      DialogIcon icon) override;

    const std::vector<ShownDialog>& shown() const { return shown_; }
    std::vector<std::string> texts() const;
    // The last box shown; a complaint (and an empty box) when none was.
    ShownDialog last() const;
    std::size_t unused_answers() const { return answers_.size(); }
    void clear() {
        shown_.clear();
        answers_.clear();
    }

  private:
    void complain(const std::string& why) const {
        if (complain_) complain_(why);
    }

    Complaint complain_;
    Dialogs* backend_ = nullptr;
    std::deque<DialogAnswer> answers_;
    std::vector<ShownDialog> shown_;
};

}  // namespace quornel::test

#include "support/fake_dialogs.h"

namespace quornel::test {

DialogAnswer FakeDialogs::show(const std::string& text, const std::string& title,
                               DialogButtons buttons, DialogIcon icon) {
    shown_.push_back({text, title, buttons, icon});
    if (backend_) return backend_->show(text, title, buttons, icon);
    if (buttons == DialogButtons::Ok) {
        if (!answers_.empty() && answers_.front() == DialogAnswer::Ok) answers_.pop_front();
        return DialogAnswer::Ok;
    }
    if (answers_.empty()) {
        complain("unexpected question \"" + text + "\" (title \"" + title + "\")");
        return DialogAnswer::No;
    }
    const DialogAnswer a = answers_.front();
    answers_.pop_front();
    if (a == DialogAnswer::Ok) {
        complain("question \"" + text + "\" was scripted to be answered OK");
        return DialogAnswer::No;
    }
    return a;
}

std::vector<std::string> FakeDialogs::texts() const {
    std::vector<std::string> out;
    for (const auto& d : shown_) out.push_back(d.text);
    return out;
}

ShownDialog FakeDialogs::last() const {
    if (shown_.empty()) {
        complain("no message box was shown");
        return {};
    }
    return shown_.back();
}

}  // namespace quornel::test

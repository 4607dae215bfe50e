#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace quornel::test {

DialogAnswer ScriptedDialogs::show(const std::string& text, const std::string& title,
                                   DialogButtons buttons, DialogIcon icon) {
    shown_.push_back({text, title, buttons, icon});
    if (buttons == DialogButtons::Ok) {
        // A scripted Ok is consumed so that scripts may spell out every box in order.
        if (!answers_.empty() && answers_.front() == DialogAnswer::Ok) answers_.pop_front();
        return DialogAnswer::Ok;
    }
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question \"" << text << "\" (title \"" << title << "\")";
        return DialogAnswer::No;
    }
    DialogAnswer a = answers_.front();
    answers_.pop_front();
    if (a == DialogAnswer::Ok) {
        ADD_FAILURE() << "question \"" << text << "\" was scripted to be answered OK";
        return DialogAnswer::No;
    }
    return a;
}

std::vector<std::string> ScriptedDialogs::texts() const {
    std::vector<std::string> out;
    for (const auto& d : shown_) out.push_back(d.text);
    return out;
}

ShownDialog ScriptedDialogs::last() const {
    if (shown_.empty()) {
        ADD_FAILURE() << "no message box was shown";
        return {};
    }
    return shown_.back();
}

}  // namespace quornel::test

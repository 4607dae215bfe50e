#include "platform/dialogs.h"

namespace quornel {

DialogAnswer StreamDialogs::show(const std::string& text, const std::string& title,
                                 DialogButtons buttons, DialogIcon) {
    stream_ << title << ": " << text << "\n";
    return buttons == DialogButtons::YesNo ? DialogAnswer::No : DialogAnswer::Ok;
}

DialogAnswer ScriptDialogs::show(const std::string& text, const std::string& title,
                                 DialogButtons buttons, DialogIcon) {
    DialogAnswer answer = DialogAnswer::Ok;
    if (buttons == DialogButtons::YesNo) {
        answer = DialogAnswer::No;
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
    }
    report_(text, title, buttons, answer);
    return answer;
}

}  // namespace quornel

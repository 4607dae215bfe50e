#include "ui/startup_trace.h"

#include <cstdio>

namespace quornel {

void StartupTrace::start(double before_ms) {
    on_ = true;
    before_ms_ = before_ms;
    phases_.clear();
    if (before_ms > 0) phases_.emplace_back("process start", before_ms);
    first_ = last_ = std::chrono::steady_clock::now();
}

void StartupTrace::note(const char* name) {
    const auto now = std::chrono::steady_clock::now();
    phases_.emplace_back(name, std::chrono::duration<double, std::milli>(now - last_).count());
    last_ = now;
}

std::string StartupTrace::report() const {
    std::string text;
    char line[96];
    for (const auto& [name, ms] : phases_) {
        // Phase names are single words in the report, for tools that split on blanks.
        std::string word = name;
        for (char& c : word)
            if (c == ' ') c = '_';
        std::snprintf(line, sizeof line, "%s %.1f\n", word.c_str(), ms);
        text += line;
    }
    const double total =
        before_ms_ + std::chrono::duration<double, std::milli>(last_ - first_).count();
    std::snprintf(line, sizeof line, "total %.1f\n", total);
    return text + line;
}

StartupTrace& startup_trace() {
    static StartupTrace trace;
    return trace;
}

}  // namespace quornel

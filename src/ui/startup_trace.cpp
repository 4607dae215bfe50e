#include "ui/startup_trace.h"

#include <cstdio>

namespace quornel {

void StartupTrace::start(double before_ms) {
    on_ = true;
    before_ms_ = before_ms;
    phases_.clear();
    parts_.clear();
    if (before_ms > 0) phases_.emplace_back("process start", before_ms);
    first_ = last_ = std::chrono::steady_clock::now();
}

void StartupTrace::note(const char* name) {
    const auto now = std::chrono::steady_clock::now();
    phases_.emplace_back(name, std::chrono::duration<double, std::milli>(now - last_).count());
    last_ = now;
}

void StartupTrace::add_part(const char* name, std::chrono::steady_clock::time_point start) {
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    for (auto& [part, sum] : parts_) {
        if (part == name) {
            sum += ms;
            return;
        }
    }
    parts_.emplace_back(name, ms);
}

std::string StartupTrace::report() const {
    std::string text;
    auto add_line = [&text](const char* name, double ms) {
        // Names are single words in the report, for tools that split on blanks.
        std::string word = name;
        for (char& c : word)
            if (c == ' ') c = '_';
        char line[96];
        std::snprintf(line, sizeof line, "%s %.1f\n", word.c_str(), ms);
        text += line;
    };
    for (const auto& [name, ms] : phases_) add_line(name, ms);
    add_line("total",
             before_ms_ + std::chrono::duration<double, std::milli>(last_ - first_).count());
    for (const auto& [name, ms] : parts_) add_line(name, ms);
    return text;
}

StartupTrace& startup_trace() {
    static StartupTrace trace;
    return trace;
}

}  // namespace quornel

#pragma once
// Where start-up spends its time, phase by phase, to find what is worth cutting. It is off
// unless the program switches it on (the Windows program does so when the environment
// variable QUORNEL_STARTUP_TRACE names a file); while off, phase() is one test of a flag.
#include <chrono>
#include <string>
#include <vector>

namespace quornel {

class StartupTrace {
  public:
    // Switches the trace on; the first phase counts from now, plus `before_ms` already
    // spent before the program could start its clock (process creation, runtime start-up).
    void start(double before_ms = 0);
    bool on() const { return on_; }
    // The phase that ends now, named by a literal ("registry", "first paint").
    void phase(const char* name) {
        if (on_) note(name);
    }
    // One line per phase, "NAME MILLISECONDS", then "total MILLISECONDS".
    std::string report() const;

  private:
    void note(const char* name);

    bool on_ = false;
    double before_ms_ = 0;
    std::chrono::steady_clock::time_point first_, last_;
    std::vector<std::pair<const char*, double>> phases_;
};

// The program's one trace.
StartupTrace& startup_trace();

}  // namespace quornel

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
    // Work done on demand inside the phases (pictures made on first use): its time is added
    // up under `name` and reported beside the phases, not as one of them.
    class Part {
      public:
        Part(StartupTrace& trace, const char* name)
            : trace_(trace.on_ ? &trace : nullptr), name_(name) {
            if (trace_) start_ = std::chrono::steady_clock::now();
        }
        ~Part() {
            if (trace_) trace_->add_part(name_, start_);
        }
        Part(const Part&) = delete;
        Part& operator=(const Part&) = delete;

      private:
        StartupTrace* trace_;
        const char* name_;
        std::chrono::steady_clock::time_point start_;
    };

    // One line per phase, "NAME MILLISECONDS", then "total MILLISECONDS", then the parts.
    std::string report() const;

  private:
    void note(const char* name);
    void add_part(const char* name, std::chrono::steady_clock::time_point start);

    bool on_ = false;
    double before_ms_ = 0;
    std::chrono::steady_clock::time_point first_, last_;
    std::vector<std::pair<const char*, double>> phases_;
    std::vector<std::pair<const char*, double>> parts_;
};

// The program's one trace.
StartupTrace& startup_trace();

}  // namespace quornel

#pragma once
// The start-up trace of the Windows program: switched on when the environment variable
// QUORNEL_STARTUP_TRACE names a file, and appended to that file once the window has been
// painted for the first time.
namespace quornel {

// Starts the trace when asked for, counting the time the process took to reach this call.
void start_startup_trace_if_asked();
// Appends the phases to the file (nothing when the trace is off).
void write_startup_trace();

}  // namespace quornel

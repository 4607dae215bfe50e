#pragma once
// What quornel answers on its command line besides its runs (headless_run.h): --help and
// --version, the conventions of a released program, the same in every build.
#include <string>
#include <vector>

namespace quornel {

enum class InfoRequest { None, Help, Version };

// --help or --version anywhere among the arguments (without the program name), whatever
// else is given; --help when both are.
InfoRequest info_request(const std::vector<std::string>& args);

// "quornel 1.0.0": the name and the version the build was made from.
std::string version_text();

// Every way to start quornel, one line each, in Japanese.
std::string usage_text();

// What the request prints: the version line, or the version line and the usage.
std::string info_text(InfoRequest request);

}  // namespace quornel

#pragma once
// The pick lists a new user starts with. data/quornel_d.dat is their one source: the build
// makes the shipped quornel.dat and quornel_d.dat from it, so the tests read it too.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace quornel::test {

inline std::string shipped_lists() {
    std::ifstream in(std::string(QUORNEL_SOURCE_DIR) + "/data/quornel_d.dat", std::ios::binary);
    EXPECT_TRUE(in.good()) << "data/quornel_d.dat";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace quornel::test

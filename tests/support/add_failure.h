#pragma once
// A FakeDialogs complaint as a failure of the running test, where it happened.
#include <gtest/gtest.h>

#include <string>

namespace quornel::test {

inline void add_failure(const std::string& why) {
    ADD_FAILURE() << why;
}

}  // namespace quornel::test

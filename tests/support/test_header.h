#pragma once
#include <string>

namespace quornel::test {

// The exchange header the tests draw with: scale 100 in layer group 0, text type 1 of
// width 2 and spacing 0.5, text type 5 of width 3. CR LF, as Jw_cad writes it.
inline std::string test_header() {
    return "hq\r\n"
           "hk 0\r\n"
           "hs 100 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1\r\n"
           "hcw 2 2.5 3 4 3 6 7 8 9 10\r\n"
           "hch 2 2.5 3 4 3 6 7 8 9 10\r\n"
           "hcd 0.5 0 0.5 0.5 0.5 0.5 1 1 1 1\r\n"
           "hcc      1      1      2      2      3      3      4      4      5      5\r\n"
           "hn -2000 -2000 2000 2000\r\n"
           "lg0\r\n"
           "ly4\r\n"
           "lc3\r\n"
           "lt1\r\n"
           "cn3\r\n";
}

}  // namespace quornel::test

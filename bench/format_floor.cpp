// The floor of a drawing at many crossings: only formatting its numbers and writing them.
// Reads the number items of a JWC_TEMP.TXT that quornel wrote (the lines after the header,
// not timed), then, ROUNDS times, writes every one of them again as quornel writes a number
// item, into one text, and writes that text to a new file. Prints the median milliseconds of
// a round; with --compare also those of std::to_chars and snprintf("%.15g"), which give the
// same digits.
//
// Usage: format_floor JWC_TEMP.TXT OUTPUT_FILE [ROUNDS] [--compare]
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/number_text.h"

namespace {

// Every number on the command lines (those after the header, whose keys start with "h").
std::vector<double> numbers_of(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<double> numbers;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == 'h') continue;
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            double v;
            const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
            if (ec == std::errc() && end == word.data() + word.size()) numbers.push_back(v);
        }
    }
    return numbers;
}

void write_file(const char* path, const std::string& text) {
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        std::perror(path);
        std::exit(1);
    }
    ::close(fd);
}

template <class Append>
double median_ms(const std::vector<double>& numbers, const char* output, int rounds,
                 Append append) {
    std::vector<double> ms;
    for (int r = 0; r < rounds; ++r) {
        ::unlink(output);  // a new file each time, as quornel writes one
        const auto start = std::chrono::steady_clock::now();
        std::string text;
        for (double v : numbers) append(text, v);
        write_file(output, text);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                               start)
                         .count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: format_floor JWC_TEMP.TXT OUTPUT_FILE [ROUNDS] [--compare]\n");
        return 2;
    }
    const std::vector<double> numbers = numbers_of(argv[1]);
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;
    const bool compare = argc > 4 && std::strcmp(argv[4], "--compare") == 0;
    std::printf("%zu numbers: %.3f ms\n", numbers.size(),
                median_ms(numbers, argv[2], rounds, quornel::append_item));
    if (!compare) return 0;
    std::printf("with std::to_chars: %.3f ms\n",
                median_ms(numbers, argv[2], rounds, [](std::string& text, double v) {
                    char item[400];
                    item[0] = ' ';
                    auto end = std::to_chars(item + 1, item + sizeof item, v,
                                             std::chars_format::general, 15)
                                   .ptr;
                    *end++ = ' ';
                    text.append(item[1] == '-' ? item + 1 : item, end);
                }));
    std::printf("with snprintf: %.3f ms\n",
                median_ms(numbers, argv[2], rounds, [](std::string& text, double v) {
                    char item[400];
                    const int n = std::snprintf(item, sizeof item, "%s%.15g ", v < 0 ? "" : " ", v);
                    text.append(item, static_cast<std::size_t>(n));
                }));
}

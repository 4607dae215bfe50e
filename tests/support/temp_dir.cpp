#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <vector>

namespace quornel::test {
namespace {

std::filesystem::path u8path(std::string_view name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

}  // namespace

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    auto base = std::filesystem::temp_directory_path();
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate =
            base / ("quornel-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    ADD_FAILURE() << "cannot create a temporary folder under " << base;
}

TempDir::~TempDir() {
    if (path_.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::file(std::string_view name) const {
    return path_ / u8path(name);
}

void TempDir::write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) ADD_FAILURE() << "cannot write test file " << name;
}

std::string TempDir::read(std::string_view name) const {
    std::ifstream in(file(name), std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "cannot read test file " << name;
        return {};
    }
    std::ostringstream buf;
    buf << in.rdbuf();
    return buf.str();
}

bool TempDir::exists(std::string_view name) const {
    std::error_code ec;
    return std::filesystem::exists(file(name), ec);
}

std::vector<std::string> TempDir::entries() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(path_, ec)) {
        auto n = e.path().filename().u8string();
        names.emplace_back(n.begin(), n.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace quornel::test

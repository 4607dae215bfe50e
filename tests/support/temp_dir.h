#pragma once
// A fresh folder for one test, removed with everything in it when the test ends. Stands in
// for quornel's program folder or a user's configuration folder.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quornel::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(std::string_view name) const;

    // Raw bytes, no conversion: what a user's editor or another program left there.
    void write(std::string_view name, std::string_view bytes) const;
    // The file's bytes; fails the test (and returns "") when it cannot be read.
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    // Names of the files directly in the folder, sorted: shows stray temporary files.
    std::vector<std::string> entries() const;

  private:
    std::filesystem::path path_;
};

}  // namespace quornel::test

#pragma once
// An in-memory FileSystem for tests that need a disk which fails: a read that is refused,
// a write that stops half-way (disk full), a rename that does not happen. A replacement
// reaches the stored file only on a successful commit, as with the real implementations,
// so a test can prove that a failed save leaves the old file exactly as it was.
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace quornel::test {

class FakeFileSystem : public FileSystem {
  public:
    // Contents of the files. Paths compare after lexical normalisation.
    void put(const std::filesystem::path& path, std::string_view bytes);
    std::optional<std::string> get(const std::filesystem::path& path) const;
    void remove(const std::filesystem::path& path);
    std::size_t file_count() const { return files_.size(); }

    // Failure injection, per path; each stays in force until clear_failures().
    void fail_reads(const std::filesystem::path& path);
    void fail_create(const std::filesystem::path& path);
    // The output accepts this many bytes in total and then fails (0: the first write fails).
    void fail_write_after(const std::filesystem::path& path, std::size_t bytes);
    // Everything is written but the final rename fails.
    void fail_commit(const std::filesystem::path& path);
    void clear_failures();

    // How often a read was attempted, and how often a replacement committed.
    int reads(const std::filesystem::path& path) const;
    int commits(const std::filesystem::path& path) const;
    // How durable the last committed replacement was asked to be; nullopt before any.
    std::optional<Durability> durability(const std::filesystem::path& path) const;
    // Outputs created but neither committed nor yet discarded.
    int open_outputs() const { return open_outputs_; }

    Result<std::string> read_all(const std::filesystem::path& path) override;
    Result<std::unique_ptr<OutputFile>> create_replacing(const std::filesystem::path& path,
                                                         Durability durability) override;
    bool exists(const std::filesystem::path& path) override;

  private:
    friend class FakeOutputFile;
    static std::string key(const std::filesystem::path& path);

    struct Failures {
        bool reads = false;
        bool create = false;
        std::optional<std::size_t> write_limit;
        bool commit = false;
    };

    std::map<std::string, std::string> files_;
    std::map<std::string, Failures> failures_;
    std::map<std::string, int> reads_;
    std::map<std::string, int> commits_;
    std::map<std::string, Durability> durability_;
    int open_outputs_ = 0;
};

}  // namespace quornel::test

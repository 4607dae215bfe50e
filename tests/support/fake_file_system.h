#pragma once
// The file system of the tests and the fuzz targets: a disk that fails on demand. Its files
// are held in memory, or (constructed over a real FileSystem) are the real files with the
// faults put in front of them. A read that is refused, a folder that takes no new files, a
// write that stops half-way (disk full), a rename that does not happen: a replacement
// reaches the stored file only on a successful commit, as with the real implementations,
// so a test can prove that a failed save leaves the old file exactly as it was.
// No test framework here: the fuzz targets use it too.
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
    // The files in memory.
    FakeFileSystem() = default;
    // The files of `disk`, with the faults below in front of them.
    explicit FakeFileSystem(FileSystem& disk) : disk_(&disk) {}

    // The files in memory by path (paths compare after lexical normalisation, as generic
    // strings). Over a disk the files are the disk's own, and these see nothing.
    void put(const std::filesystem::path& path, std::string_view bytes);
    std::optional<std::string> get(const std::filesystem::path& path) const;
    void remove(const std::filesystem::path& path);
    const std::map<std::string, std::string>& files() const { return files_; }

    // Faults, each in force until clear_failures().
    // Per file: reads refused; no replacement made; the output takes this many bytes in
    // total and then fails (0: the first write fails); everything written but the final
    // rename fails.
    void fail_reads(const std::filesystem::path& path);
    void fail_create(const std::filesystem::path& path);
    void fail_write_after(const std::filesystem::path& path, std::size_t bytes);
    void fail_commit(const std::filesystem::path& path);
    // A folder the user may read but not change: no file directly in it is replaced.
    void make_read_only(const std::filesystem::path& folder);
    // The disk takes this many more bytes in all, then every write fails; the write that
    // crosses the limit stores its first part, as a real full disk does.
    void fill_disk_after(std::size_t bytes);
    // The `n`th write (1-based) of every output fails.
    void fail_write_number(int n);
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
    Failures failures_of(const std::filesystem::path& path) const;

    FileSystem* disk_ = nullptr;
    std::map<std::string, std::string> files_;
    std::map<std::string, Failures> failures_;
    std::optional<std::filesystem::path> read_only_;
    std::optional<std::size_t> space_;
    int failing_write_ = 0;
    std::map<std::string, int> reads_;
    std::map<std::string, int> commits_;
    std::map<std::string, Durability> durability_;
    int open_outputs_ = 0;
};

}  // namespace quornel::test
